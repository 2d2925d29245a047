#include "batch/BatchPaths.h"

namespace {

// Byte index just after the last separator, or 0 when there is none.
std::size_t fileNameStart(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += characterLength(text, pos)) {
        if (text[pos] == kPathSeparator) {
            start = pos + 1;
        }
    }
    return start;
}

// Byte index of the extension's dot, or the text's size when there is no extension.
std::size_t extensionStart(std::string_view path) {
    std::size_t dot = path.size();
    for (std::size_t pos = 0; pos < path.size(); pos += characterLength(path, pos)) {
        if (path[pos] == kPathSeparator || path[pos] == ' ') {
            dot = path.size();
        } else if (path[pos] == '.') {
            dot = pos;
        }
    }
    return dot;
}

} // namespace

Text folderPartOf(std::string_view text) {
    return Text(text.substr(0, fileNameStart(text)));
}

bool holdsForbiddenNameCharacter(std::string_view name) {
    for (std::size_t pos = 0; pos < name.size(); pos += characterLength(name, pos)) {
        if (characterLength(name, pos) == 1 &&
            kForbiddenNameCharacters.find(name[pos]) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool isValidTargetPath(std::string_view path) {
    if (path.empty() || path.front() != kPathSeparator) {
        return false;
    }
    const std::string_view fileName = path.substr(fileNameStart(path));
    return !fileName.empty() && !holdsForbiddenNameCharacter(fileName);
}

std::string_view extensionOf(std::string_view path) {
    return path.substr(extensionStart(path));
}

Text withExtension(std::string_view path, std::string_view extension) {
    Text result(path.substr(0, extensionStart(path)));
    result.append(extension);
    return result;
}
