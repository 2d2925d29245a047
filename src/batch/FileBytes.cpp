#include "batch/FileBytes.h"

#include "batch/NativeName.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// An open regular file and its size when it was opened.
class FileDescriptor {
public:
    FileDescriptor() = default;
    FileDescriptor(FileDescriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    // Opening without blocking makes a pipe with no partner fail at once instead of waiting;
    // anything but a regular file is closed again and counts as not opened.
    static FileDescriptor openRegular(const Text& path, int flags) {
        FileDescriptor file;
        const auto native = nativeName(path);
        if (!native) {
            return file;
        }
        file.fd_ = ::open(native->c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        struct stat status {};
        if (file.fd_ >= 0 && ::fstat(file.fd_, &status) == 0 && S_ISREG(status.st_mode)) {
            file.size_ = static_cast<std::size_t>(status.st_size);
            return file;
        }
        return FileDescriptor();
    }

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    std::size_t size() const { return size_; }

private:
    int fd_ = -1;
    std::size_t size_ = 0;
};

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
    const FileDescriptor file = FileDescriptor::openRegular(path, O_WRONLY | O_CREAT | flags);
    return file.isOpen() && writeAll(file.get(), bytes);
}

} // namespace

bool appendFileTextUpToNul(const Text& path, std::string& out) {
    const FileDescriptor file = FileDescriptor::openRegular(path, O_RDONLY);
    if (!file.isOpen()) {
        return false;
    }
    const std::size_t start = out.size();
    // One byte more than the file's size, so a file that does not grow is read in one call
    // and its end confirmed by the next.
    std::size_t chunk = file.size() + 1;
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
