#pragma once
// A temporary folder on the real file system, addressed with GBK paths as the program
// addresses it.

#include "common/Text.h"

#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

class TestFolder {
public:
    TestFolder();

    // The folder's GBK path, without a trailing separator.
    const Text& path() const { return path_; }
    // The folder's path + "/" + `name`.
    Text operator/(const Text& name) const { return path_ + "/" + name; }

    void write(const Text& name, const std::string& bytes) const;
    void makeFolder(const Text& name) const;
    // The file's bytes, or nothing when it does not exist.
    std::optional<std::string> read(const Text& name) const;
    bool exists(const Text& name) const;
    // The GBK names of every entry, sorted by their bytes.
    std::vector<Text> names() const;
    static std::vector<Text> namesIn(const Text& folder);

private:
    QTemporaryDir dir_;
    Text path_;
};
