#include "batch/MatchingFiles.h"

#include "TestFolder.h"
#include "batch/NativeName.h"
#include "common/Codec.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class MatchingFiles : public ::testing::Test {
protected:
    std::vector<Text> namesListed(const Text& folder, const Text& type) {
        std::vector<Text> names;
        for (const Text& path : listMatchingFiles(folder, type, [this] { ++pumps; })) {
            EXPECT_EQ(path.rfind(folder.back() == '/' ? folder : folder + "/", 0), 0u) << path;
            names.push_back(path.substr(path.rfind('/') + 1));
        }
        return names;
    }

    TestFolder folder;
    int pumps = 0;
};

TEST_F(MatchingFiles, listsMatchingFilesByNameWithoutCaseAndPumpsPerFile) {
    for (const char* name : {"b.txt", "A.TXT", "a_b.txt", "ab.txt", "1.txt", "c.md", "x.txt.bak"}) {
        folder.write(name, "x");
    }
    folder.makeFolder("folder.txt");
    // Upper-cased, "_" sorts after the letters: the order the original file system keeps.
    EXPECT_EQ(namesListed(folder.path(), "txt"),
              (std::vector<Text>{"1.txt", "A.TXT", "ab.txt", "a_b.txt", "b.txt"}));
    EXPECT_EQ(pumps, 5);
}

TEST_F(MatchingFiles, folderWithTrailingSeparatorGetsNoSecondOne) {
    folder.write("a.txt", "x");
    EXPECT_EQ(listMatchingFiles(folder.path() + "/", "txt"), (std::vector<Text>{folder / "a.txt"}));
}

TEST_F(MatchingFiles, namesThatDifferOnlyInCaseComeInAFixedOrder) {
    folder.write("a.txt", "x");
    folder.write("A.txt", "x");
    EXPECT_EQ(namesListed(folder.path(), "TXT"), (std::vector<Text>{"A.txt", "a.txt"}));
}

struct PatternCase {
    const char* name;
    Text fileName;
    Text type;
    bool matches;
};

class TypePattern : public ::testing::TestWithParam<PatternCase> {};

INSTANTIATE_TEST_SUITE_P(
    Patterns, TypePattern,
    ::testing::Values(PatternCase{"same_case", "a.txt", "txt", true},
                      PatternCase{"other_case", "a.TxT", "tXt", true},
                      PatternCase{"other_type", "a.md", "txt", false},
                      PatternCase{"longer_type", "a.txta", "txt", false},
                      PatternCase{"last_of_several", "a.b.txt", "txt", true},
                      PatternCase{"only_extension", ".txt", "txt", true},
                      PatternCase{"no_dot", "txt", "txt", false},
                      PatternCase{"question_mark", "a.tat", "t?t", true},
                      PatternCase{"star_type_any", "README", "*", true},
                      PatternCase{"star_in_type", "a.tar.gz", "t*z", true},
                      PatternCase{"empty_type_no_dot", "README", "", true},
                      PatternCase{"empty_type_with_dot", "a.txt", "", false},
                      PatternCase{"chinese_name", gbkFromUtf8("汇总.TXT"), "txt", true},
                      PatternCase{"full_width_letters", gbkFromUtf8("a.ｔｘｔ"),
                                  gbkFromUtf8("ＴＸＴ"), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(TypePattern, matchesLikeTheOriginalSearch) {
    EXPECT_EQ(matchesTypePattern(GetParam().fileName, GetParam().type), GetParam().matches);
}

TEST_F(MatchingFiles, noFolderGivesNothing) {
    folder.write("a.txt", "x");
    EXPECT_TRUE(listMatchingFiles(folder / "missing", "txt").empty());
    EXPECT_TRUE(listMatchingFiles(folder / "a.txt", "txt").empty());
    EXPECT_TRUE(listMatchingFiles("", "txt").empty());
    EXPECT_TRUE(listMatchingFiles("relative", "txt").empty());
    EXPECT_TRUE(listMatchingFiles(folder.path() + Text("\0x", 2), "txt").empty());
    EXPECT_EQ(pumps, 0);
}

TEST_F(MatchingFiles, linksCountAsWhatTheyPointToAndSpecialFilesAreSkipped) {
    folder.write("real.txt", "x");
    folder.makeFolder("sub");
    ASSERT_EQ(::symlink((folder / "real.txt").c_str(), (folder / "link.txt").c_str()), 0);
    ASSERT_EQ(::symlink((folder / "sub").c_str(), (folder / "sublink.txt").c_str()), 0);
    ASSERT_EQ(::symlink((folder / "gone").c_str(), (folder / "broken.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
    EXPECT_EQ(namesListed(folder.path(), "txt"),
              (std::vector<Text>{"broken.txt", "link.txt", "real.txt"}));
}

TEST_F(MatchingFiles, namesOutsideGbkAreListedAndNamesNoTextCanHoldAreSkipped) {
    const Text emoji = fromQt(QString::fromUtf8("\xF0\x9F\x98\x80.txt"));
    folder.write(emoji, "x");
    folder.write(gbkFromUtf8("文件.txt"), "x");
    // A name that is no UTF-8 cannot be converted to a text that names it again.
    const int fd = ::open((folder.path() + "/\xFF\xFE.txt").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const std::vector<Text> paths = listMatchingFiles(folder.path(), "txt");
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], folder / gbkFromUtf8("文件.txt"));
    EXPECT_EQ(paths[1], folder / emoji);
    EXPECT_EQ(*nativeName(paths[1]), folder.path() + "/\xF0\x9F\x98\x80.txt");
}

} // namespace
