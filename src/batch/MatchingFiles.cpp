#include "batch/MatchingFiles.h"

#include "batch/BatchPaths.h"
#include "batch/NativeName.h"
#include "common/Codec.h"

#include <QString>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace {

// A name as the original file system compares it: UTF-16 units, each in upper case.
using NameKey = std::u16string;

NameKey keyOf(const QString& name) {
    NameKey key;
    key.reserve(static_cast<std::size_t>(name.size()));
    for (const QChar unit : name) {
        key.push_back(unit.toUpper().unicode());
    }
    return key;
}

NameKey keyOfAscii(std::string_view name) {
    NameKey key;
    key.reserve(name.size());
    for (const char c : name) {
        key.push_back(static_cast<char16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }
    return key;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

NameKey keyOfText(std::string_view gbk) {
    return isAscii(gbk) ? keyOfAscii(gbk) : keyOf(toQt(gbk));
}

// "*" any run of units, "?" exactly one. Greedy with one back-tracking point, so a name is
// matched in time proportional to its length times the pattern's.
bool matchesWildcards(const NameKey& name, const NameKey& pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starPattern = NameKey::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != NameKey::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

bool matchesKey(const NameKey& name, const NameKey& type) {
    if (type == u"*") {
        return true;
    }
    if (type.empty()) {
        return name.find(u'.') == NameKey::npos;
    }
    return matchesWildcards(name, u"*." + type);
}

struct FoundFile {
    NameKey key;
    std::string native;
    Text name;
};

// Folders, and the special files a folder of documents never holds (pipes, devices,
// sockets), are not listed. A link counts as what it points to; a broken link is a file.
bool isListedFile(int folderFd, const dirent& entry) {
    if (entry.d_type == DT_REG) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat status {};
    if (::fstatat(folderFd, entry.d_name, &status, 0) != 0) {
        return entry.d_type == DT_LNK;
    }
    return S_ISREG(status.st_mode);
}

class Directory {
public:
    explicit Directory(const char* path) : handle_(::opendir(path)) {}
    ~Directory() {
        if (handle_) {
            ::closedir(handle_);
        }
    }
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;
    DIR* get() const { return handle_; }

private:
    DIR* handle_;
};

} // namespace

bool matchesTypePattern(std::string_view name, std::string_view type) {
    return matchesKey(keyOfText(name), keyOfText(type));
}

std::vector<Text> listMatchingFiles(const Text& folder, const Text& type,
                                    const std::function<void()>& pumpPendingMessages) {
    std::vector<Text> paths;
    if (folder.empty() || folder.front() != kPathSeparator) {
        return paths;
    }
    const auto nativeFolder = nativeName(folder);
    if (!nativeFolder) {
        return paths;
    }
    const Directory directory(nativeFolder->c_str());
    if (!directory.get()) {
        return paths;
    }
    const NameKey typeKey = keyOfText(type);
    std::vector<FoundFile> found;
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view native(entry->d_name);
        if (native == "." || native == ".." || !isListedFile(::dirfd(directory.get()), *entry)) {
            continue;
        }
        FoundFile file;
        if (isAscii(native)) {
            file.key = keyOfAscii(native);
            file.name = Text(native);
        } else {
            // A name that is no valid UTF-8 could not be named again after a conversion.
            const auto name = textFromNativeName(native);
            if (!name) {
                continue;
            }
            file.key = keyOf(toQt(*name));
            file.name = *name;
        }
        if (!matchesKey(file.key, typeKey)) {
            continue;
        }
        file.native = native;
        found.push_back(std::move(file));
        if (pumpPendingMessages) {
            pumpPendingMessages();
        }
    }
    // Two names that differ only in case (possible here, not on the original platform)
    // still come in one fixed order.
    std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) {
        return a.key != b.key ? a.key < b.key : a.native < b.native;
    });
    const Text base = folder.back() == kPathSeparator ? folder : folder + kPathSeparator;
    paths.reserve(found.size());
    for (const FoundFile& file : found) {
        paths.push_back(base + file.name);
    }
    return paths;
}
