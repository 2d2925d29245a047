#include "batch/BatchPaths.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* name;
    Text path;
    Text folderPart;
    bool validTarget;
};

class PathRules : public ::testing::TestWithParam<PathCase> {};

// "\x81\x5C" and "\x81\x7C" are GBK characters whose second byte is "\" and "|".
INSTANTIATE_TEST_SUITE_P(
    Paths, PathRules,
    ::testing::Values(
        PathCase{"plain_file", "/tmp/a.txt", "/tmp/", true},
        PathCase{"relative", "tmp/a.txt", "tmp/", false},
        PathCase{"no_separator", "a.txt", "", false}, PathCase{"empty", "", "", false},
        PathCase{"ends_with_separator", "/tmp/", "/tmp/", false}, PathCase{"root", "/", "/", false},
        PathCase{"doubled_separator", "/tmp//a.txt", "/tmp//", true},
        PathCase{"star", "/tmp/a*.txt", "/tmp/", false},
        PathCase{"question_mark", "/tmp/a?.txt", "/tmp/", false},
        PathCase{"backslash", "/tmp/a\\b.txt", "/tmp/", false},
        PathCase{"less_than", "/tmp/a<b", "/tmp/", false},
        PathCase{"greater_than", "/tmp/a>b", "/tmp/", false},
        PathCase{"bar", "/tmp/a|b", "/tmp/", false}, PathCase{"colon", "/tmp/a:b", "/tmp/", false},
        PathCase{"double_quote", "/tmp/a\"b", "/tmp/", false},
        PathCase{"forbidden_only_in_folder", "/t?p/a.txt", "/t?p/", true},
        PathCase{"network_style", "\\\\server\\share\\a.txt", "", false},
        PathCase{"trail_byte_backslash", "/tmp/\x81\x5C.txt", "/tmp/", true},
        PathCase{"trail_byte_bar", "/tmp/\x81\x7C", "/tmp/", true},
        PathCase{"several_dropped_paths", "/a/x.txt\r\n/b/y.txt", "/a/x.txt\r\n/b/", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(PathRules, folderPartAndTargetCheck) {
    EXPECT_EQ(folderPartOf(GetParam().path), GetParam().folderPart);
    EXPECT_EQ(isValidTargetPath(GetParam().path), GetParam().validTarget);
}

struct ExtensionCase {
    const char* name;
    Text path;
    Text extension;
    Text renamedToMd;
};

class ExtensionRule : public ::testing::TestWithParam<ExtensionCase> {};

INSTANTIATE_TEST_SUITE_P(
    Paths, ExtensionRule,
    ::testing::Values(ExtensionCase{"plain", "/a/b.txt", ".txt", "/a/b.md"},
                      ExtensionCase{"last_dot_counts", "/a/b.tar.gz", ".gz", "/a/b.tar.md"},
                      ExtensionCase{"none", "/a/b", "", "/a/b.md"},
                      ExtensionCase{"dot_in_folder_only", "/a.d/b", "", "/a.d/b.md"},
                      ExtensionCase{"space_before_dot", "/a/my file.txt", ".txt", "/a/my file.md"},
                      ExtensionCase{"space_after_dot", "/a/b.c d", "", "/a/b.c d.md"},
                      ExtensionCase{"name_is_extension", "/a/.txt", ".txt", "/a/.md"},
                      ExtensionCase{"new_extension_text", ".tar.gz", ".gz", ".tar.md"},
                      ExtensionCase{"only_dot", ".", ".", ".md"},
                      ExtensionCase{"dot_then_space", ". x", "", ". x.md"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ExtensionRule, findsAndReplacesTheExtension) {
    EXPECT_EQ(Text(extensionOf(GetParam().path)), GetParam().extension);
    EXPECT_EQ(withExtension(GetParam().path, ".md"), GetParam().renamedToMd);
}

} // namespace
