#include "batch/NoReplaceRename.h"

#include "batch/NativeName.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

bool renameWithoutReplacing(const Text& from, const Text& to) {
    const auto nativeFrom = nativeName(from);
    const auto nativeTo = nativeName(to);
    return nativeFrom && nativeTo &&
           renameNativeWithoutReplacing(nativeFrom->c_str(), nativeTo->c_str());
}

bool renameNativeWithoutReplacing(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
        return true;
    }
    // Only a file system that does not know the flag falls back; every other failure
    // (the name exists, the file is gone, no permission) is final.
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
        return renameByLinking(from, to);
    }
    return false;
}

bool renameByLinking(const char* from, const char* to) {
    if (::link(from, to) != 0) {
        return false;
    }
    if (::unlink(from) != 0) {
        ::unlink(to);
        return false;
    }
    return true;
}
