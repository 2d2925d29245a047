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

// A name as the original file system compares it: its UTF-16 units, each in upper case,
// stored as two bytes, high byte first, so comparing the bytes compares the units.
using NameKey = std::string;
using NameKeyView = std::string_view;

void appendUnit(char16_t unit, NameKey& keys) {
    keys.push_back(static_cast<char>(unit >> 8));
    keys.push_back(static_cast<char>(unit & 0xFF));
}

void appendKeyOf(const QString& name, NameKey& keys) {
    for (const QChar unit : name) {
        appendUnit(unit.toUpper().unicode(), keys);
    }
}

void appendKeyOfAscii(std::string_view name, NameKey& keys) {
    for (const char c : name) {
        appendUnit(static_cast<char16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c), keys);
    }
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

NameKey keyOfText(std::string_view gbk) {
    NameKey key;
    if (isAscii(gbk)) {
        appendKeyOfAscii(gbk, key);
    } else {
        appendKeyOf(toQt(gbk), key);
    }
    return key;
}

char16_t unitAt(NameKeyView key, std::size_t i) {
    return static_cast<char16_t>(static_cast<unsigned char>(key[2 * i]) << 8 |
                                 static_cast<unsigned char>(key[2 * i + 1]));
}

// "*" any run of units, "?" exactly one. Greedy with one back-tracking point, so a name is
// matched in time proportional to its length times the pattern's.
bool matchesWildcards(NameKeyView name, NameKeyView pattern) {
    const std::size_t nameLength = name.size() / 2;
    const std::size_t patternLength = pattern.size() / 2;
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starPattern = patternLength;
    std::size_t starName = 0;
    while (n < nameLength) {
        const char16_t wanted = p < patternLength ? unitAt(pattern, p) : 0;
        if (p < patternLength && (wanted == u'?' || wanted == unitAt(name, n))) {
            ++n;
            ++p;
        } else if (p < patternLength && wanted == u'*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern < patternLength) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < patternLength && unitAt(pattern, p) == u'*') {
        ++p;
    }
    return p == patternLength;
}

bool holdsUnit(NameKeyView key, char16_t unit) {
    for (std::size_t i = 0; i < key.size() / 2; ++i) {
        if (unitAt(key, i) == unit) {
            return true;
        }
    }
    return false;
}

// How a name must look: "*." + type, with the two forms the original search treats apart.
class TypePattern {
public:
    explicit TypePattern(std::string_view type)
        : anyName_(type == "*"), noExtension_(type.empty()),
          pattern_(keyOfText("*.") + keyOfText(type)) {}

    bool matches(NameKeyView name) const {
        if (anyName_) {
            return true;
        }
        if (noExtension_) {
            return !holdsUnit(name, u'.');
        }
        return matchesWildcards(name, pattern_);
    }

private:
    bool anyName_;
    bool noExtension_;
    NameKey pattern_;
};

// One file found; its key lies in the listing's shared key buffer, so a large folder costs
// no allocation per key.
struct FoundFile {
    std::size_t keyStart;
    std::size_t keyLength;
    std::string native;
    Text name; // empty when the name is ASCII, and so the same as `native`
};

// What the files are sorted by: small, so sorting a large folder moves little.
struct SortEntry {
    NameKeyView key;
    const FoundFile* file;
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
    return TypePattern(type).matches(keyOfText(name));
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
    const TypePattern pattern(type);
    NameKey keys;
    std::vector<FoundFile> found;
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view native(entry->d_name);
        if (native == "." || native == ".." || !isListedFile(::dirfd(directory.get()), *entry)) {
            continue;
        }
        FoundFile file{keys.size(), 0, {}, {}};
        if (isAscii(native)) {
            appendKeyOfAscii(native, keys);
        } else {
            // A name that is no valid UTF-8 could not be named again after a conversion.
            auto name = textFromNativeName(native);
            if (!name) {
                continue;
            }
            appendKeyOf(toQt(*name), keys);
            file.name = std::move(*name);
        }
        file.keyLength = keys.size() - file.keyStart;
        if (!pattern.matches(NameKeyView(keys).substr(file.keyStart, file.keyLength))) {
            keys.resize(file.keyStart);
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
    std::vector<SortEntry> order;
    order.reserve(found.size());
    for (const FoundFile& file : found) {
        order.push_back({NameKeyView(keys).substr(file.keyStart, file.keyLength), &file});
    }
    std::sort(order.begin(), order.end(), [](const SortEntry& a, const SortEntry& b) {
        const int byKey = a.key.compare(b.key);
        return byKey != 0 ? byKey < 0 : a.file->native < b.file->native;
    });
    const Text base = folder.back() == kPathSeparator ? folder : folder + kPathSeparator;
    paths.reserve(order.size());
    for (const SortEntry& entry : order) {
        paths.push_back(base + (entry.file->name.empty() ? entry.file->native : entry.file->name));
    }
    return paths;
}
