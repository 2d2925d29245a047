#include "batch/NoReplaceRename.h"

#include "TestFolder.h"
#include "common/Codec.h"

#include <barrier>
#include <gtest/gtest.h>
#include <thread>

namespace {

using RenameCall = bool (*)(const char*, const char*);

struct RenameWay {
    const char* name;
    RenameCall rename;
};

class NoReplaceRename : public ::testing::TestWithParam<RenameWay> {
protected:
    TestFolder folder;
};

INSTANTIATE_TEST_SUITE_P(Ways, NoReplaceRename,
                         ::testing::Values(RenameWay{"renameat2", renameNativeWithoutReplacing},
                                           RenameWay{"link_and_unlink", renameByLinking}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(NoReplaceRename, movesToAFreeName) {
    folder.write("a.txt", "A");
    EXPECT_TRUE(GetParam().rename((folder / "a.txt").c_str(), (folder / "b.txt").c_str()));
    EXPECT_EQ(folder.names(), std::vector<Text>{"b.txt"});
    EXPECT_EQ(folder.read("b.txt"), "A");
}

TEST_P(NoReplaceRename, neverReplacesAnExistingFile) {
    folder.write("a.txt", "A");
    folder.write("b.txt", "B");
    EXPECT_FALSE(GetParam().rename((folder / "a.txt").c_str(), (folder / "b.txt").c_str()));
    EXPECT_FALSE(GetParam().rename((folder / "a.txt").c_str(), (folder / "a.txt").c_str()));
    EXPECT_EQ(folder.read("a.txt"), "A");
    EXPECT_EQ(folder.read("b.txt"), "B");
}

TEST_P(NoReplaceRename, missingSourceChangesNothing) {
    EXPECT_FALSE(GetParam().rename((folder / "gone").c_str(), (folder / "b.txt").c_str()));
    EXPECT_TRUE(folder.names().empty());
}

// Two moves started together onto one free name: exactly one wins, the other file stays
// where it was, and nothing is lost, however the two interleave.
TEST_P(NoReplaceRename, twoRacingRenamesLoseNoFile) {
    for (int round = 0; round < 200; ++round) {
        folder.write("first", "1");
        folder.write("second", "2");
        std::barrier start(2);
        bool moved[2] = {false, false};
        auto race = [&](int which, const Text& from) {
            start.arrive_and_wait();
            moved[which] = GetParam().rename(from.c_str(), (folder / "target").c_str());
        };
        std::thread one(race, 0, folder / "first");
        std::thread two(race, 1, folder / "second");
        one.join();
        two.join();
        ASSERT_NE(moved[0], moved[1]) << "round " << round;
        EXPECT_EQ(folder.read("target"), moved[0] ? "1" : "2");
        EXPECT_EQ(folder.read(moved[0] ? "second" : "first"), moved[0] ? "2" : "1");
        EXPECT_EQ(folder.names().size(), 2u);
        ::unlink((folder / "target").c_str());
        ::unlink((folder / "first").c_str());
        ::unlink((folder / "second").c_str());
    }
}

TEST(RenameWithoutReplacing, carriesNamesOutsideGbk) {
    TestFolder folder;
    folder.write("a.txt", "A");
    const Text emoji = fromQt(QString::fromUtf8("\xF0\x9F\x98\x80.txt"));
    EXPECT_TRUE(renameWithoutReplacing(folder / "a.txt", folder / emoji));
    EXPECT_EQ(folder.read(emoji), "A");
    EXPECT_FALSE(renameWithoutReplacing(folder / emoji, folder / Text("b\0c", 3)));
    EXPECT_EQ(folder.names(), std::vector<Text>{emoji});
}

} // namespace
