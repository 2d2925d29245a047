#include "batch/FileBytes.h"

#include "batch/NativeName.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// The size of an open regular file, or -1 when it is something else.
off_t regularFileSize(const FileDescriptor& file) {
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return -1;
    }
    return status.st_size;
}

// Opening without blocking makes a pipe with no partner fail at once instead of waiting.
FileDescriptor openRegular(const Text& path, int flags) {
    const auto native = nativeName(path);
    if (!native) {
        return FileDescriptor();
    }
    FileDescriptor file(::open(native->c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666));
    if (regularFileSize(file) < 0) {
        return FileDescriptor();
    }
    return file;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool writeFile(const Text& path, int flags, std::string_view bytes) {
    const FileDescriptor file = openRegular(path, O_WRONLY | O_CREAT | flags);
    return file.get() >= 0 && writeAll(file.get(), bytes);
}

} // namespace

bool appendFileTextUpToNul(const Text& path, std::string& out) {
    const FileDescriptor file = openRegular(path, O_RDONLY);
    const off_t size = regularFileSize(file);
    if (size < 0) {
        return false;
    }
    const std::size_t start = out.size();
    // One byte more than the file's size, so a file that does not grow is read in one call
    // and its end confirmed by the next.
    std::size_t chunk = static_cast<std::size_t>(size) + 1;
    for (;;) {
        const std::size_t used = out.size();
        out.resize(used + chunk);
        const ssize_t got = ::read(file.get(), out.data() + used, chunk);
        out.resize(used + static_cast<std::size_t>(got > 0 ? got : 0));
        if (got == 0) {
            break;
        }
        if (got < 0 && errno != EINTR) {
            out.resize(start);
            return false;
        }
        chunk = std::max<std::size_t>(chunk, 64 * 1024);
    }
    const void* nul = std::memchr(out.data() + start, '\0', out.size() - start);
    if (nul) {
        out.resize(static_cast<std::size_t>(static_cast<const char*>(nul) - out.data()));
    }
    return true;
}

bool replaceFileBytes(const Text& path, std::string_view bytes) {
    return writeFile(path, O_TRUNC, bytes);
}

bool appendFileBytes(const Text& path, std::string_view bytes) {
    return writeFile(path, O_APPEND, bytes);
}

bool deleteFile(const Text& path) {
    const auto native = nativeName(path);
    return native && ::unlink(native->c_str()) == 0;
}
