#include "batch/LineSplitting.h"

#include "batch/BatchOperations.h"
#include "batch/BatchPaths.h"
#include "batch/FileBytes.h"
#include "batch/NativeName.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace {

// Above this many bytes waiting in memory every file is written out, so memory stays bounded
// whatever the source's size; each file still gets its bytes in line order.
constexpr std::size_t kMostBytesHeld = 64 * 1024 * 1024;

struct Line {
    std::size_t begin;
    std::size_t end;
};

bool isLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// The lines of `text` as the common splitting at CR LF gives them: empty lines between two
// line breaks count, a final line break adds none, and a line break never starts on the
// second byte of a character.
std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t lineStart = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isLeadByte(text[pos])) {
            pos += pos + 1 < text.size() ? 2 : 1;
        } else if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            lines.push_back({lineStart, pos});
            pos += 2;
            lineStart = pos;
        } else {
            ++pos;
        }
    }
    if (lineStart < text.size()) {
        lines.push_back({lineStart, text.size()});
    }
    return lines;
}

// The first word of a line: up to its first space that is not the second byte of a character.
std::string_view firstWordOf(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] != ' ') {
        pos += characterLength(line, pos);
    }
    return line.substr(0, pos);
}

// Appends the words of `line`, each followed by CR LF: every space becomes a line break, and
// the rest after the last space is a word only when it is not empty.
void appendWordsOf(std::string_view line, std::string& out) {
    std::size_t runStart = 0;
    bool endsWithSpace = false;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == ' ') {
            out.append(line.substr(runStart, pos - runStart));
            out.append("\r\n");
            runStart = ++pos;
            endsWithSpace = true;
        } else {
            pos += characterLength(line, pos);
            endsWithSpace = false;
        }
    }
    out.append(line.substr(runStart));
    if (!endsWithSpace) {
        out.append("\r\n");
    }
}

class TargetFiles {
public:
    explicit TargetFiles(const Text& folder) : folder_(folder) {}

    // The buffer of the file for a first word, or null when the word names no safe file.
    std::string* bufferFor(std::string_view firstWord) {
        auto known = byWord_.find(Text(firstWord));
        if (known == byWord_.end()) {
            known = byWord_.emplace(Text(firstWord), targetIndexFor(firstWord)).first;
        }
        return known->second == kNoTarget ? nullptr : &targets_[known->second].pending;
    }

    void noteAppended(std::size_t bytes) {
        held_ += bytes;
        if (held_ > kMostBytesHeld) {
            writeAll();
        }
    }

    void writeAll() {
        for (Target& target : targets_) {
            if (!target.pending.empty()) {
                appendFileBytes(target.path, target.pending);
                std::string().swap(target.pending);
            }
        }
        held_ = 0;
    }

private:
    static constexpr std::size_t kNoTarget = static_cast<std::size_t>(-1);

    struct Target {
        Text path;
        std::string pending;
    };

    std::size_t targetIndexFor(std::string_view word) {
        if (word.empty() || word == "." || word == "..") {
            return kNoTarget;
        }
        // Checked on the name the file system gets (UTF-8, where an ASCII byte is always a
        // character of its own): bytes that are no GBK may turn into a separator or another
        // forbidden character on the way.
        const auto nativeWord = nativeName(word);
        if (!nativeWord ||
            nativeWord->find_first_of(kForbiddenNameCharacters) != std::string::npos) {
            return kNoTarget;
        }
        Text path = folder_ + kPathSeparator + Text(word) + ".TXT";
        const auto native = nativeName(path);
        if (!native) {
            return kNoTarget;
        }
        // Two words whose bytes are no valid GBK may name the same file.
        const auto [entry, added] = byNativePath_.emplace(*native, targets_.size());
        if (added) {
            targets_.push_back({std::move(path), {}});
        }
        return entry->second;
    }

    Text folder_;
    std::unordered_map<Text, std::size_t> byWord_;
    std::unordered_map<std::string, std::size_t> byNativePath_;
    std::vector<Target> targets_;
    std::size_t held_ = 0;
};

} // namespace

void splitLinesIntoFiles(std::string_view text, const Text& folder,
                         const std::function<void(int)>& setProgress) {
    const std::vector<Line> lines = linesOf(text);
    const long long count = static_cast<long long>(lines.size());
    TargetFiles targets(folder);
    for (long long k = 1; k <= count; ++k) {
        const Line& bounds = lines[static_cast<std::size_t>(k - 1)];
        const std::string_view line = text.substr(bounds.begin, bounds.end - bounds.begin);
        if (std::string* buffer = targets.bufferFor(firstWordOf(line))) {
            const std::size_t before = buffer->size();
            appendWordsOf(line, *buffer);
            targets.noteAppended(buffer->size() - before);
        }
        if (setProgress) {
            setProgress(progressPosition(k + 1, count));
        }
    }
    targets.writeAll();
}
