#include "batch/BatchOperations.h"

#include "FieldTexts.h"
#include "TestFolder.h"
#include "batch/FileBytes.h"
#include "common/Codec.h"

#include <QDir>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class BatchOperations : public ::testing::Test {
protected:
    void SetUp() override {
        fields.texts[BatchField::Folder] = folder.path();
        fields.texts[BatchField::Type] = "txt";
    }

    void run(BatchOperation operation) { run(static_cast<int>(operation)); }
    void run(int operation) {
        progress.clear();
        runBatchOperation(
            operation,
            {fields, [this](int position) { progress.push_back(position); }, [this] { ++pumps; }});
    }

    void set(BatchField field, const Text& text) { fields.texts[field] = text; }

    TestFolder folder;
    FieldTexts fields;
    std::vector<int> progress;
    int pumps = 0;
};

using Names = std::vector<Text>;

TEST_F(BatchOperations, renameNumbersFilesInNameOrder) {
    folder.write("b.jpg", "B");
    folder.write("a.jpg", "A");
    folder.write("C.JPG", "C");
    folder.write("d.txt", "D");
    set(BatchField::Type, "jpg");
    set(BatchField::Parameter, "pic");
    run(BatchOperation::RenameToSeries);
    EXPECT_EQ(folder.names(), (Names{"d.txt", "pic1.jpg", "pic2.jpg", "pic3.jpg"}));
    EXPECT_EQ(folder.read("pic1.jpg"), "A");
    EXPECT_EQ(folder.read("pic2.jpg"), "B");
    EXPECT_EQ(folder.read("pic3.jpg"), "C");
    EXPECT_EQ(progress, (std::vector<int>{333, 666, 1000}));
    EXPECT_EQ(pumps, 3);
}

// 1.txt is listed first (digits before letters); moving it onto its own name fails, and
// a.txt takes the next number.
TEST_F(BatchOperations, renameWithEmptyPrefixKeepsBothFiles) {
    folder.write("a.txt", "A");
    folder.write("1.txt", "1");
    run(BatchOperation::RenameToSeries);
    EXPECT_EQ(folder.names(), (Names{"1.txt", "2.txt"}));
    EXPECT_EQ(folder.read("1.txt"), "1");
    EXPECT_EQ(folder.read("2.txt"), "A");
}

// The file listed first would take the name of a later one: its move fails, and the later
// file moves on to the next number.
TEST_F(BatchOperations, renameNeverMovesOverAnExistingFile) {
    folder.write("0a.txt", "first");
    folder.write("1.txt", "second");
    run(BatchOperation::RenameToSeries);
    EXPECT_EQ(folder.names(), (Names{"0a.txt", "2.txt"}));
    EXPECT_EQ(folder.read("0a.txt"), "first");
    EXPECT_EQ(folder.read("2.txt"), "second");
    EXPECT_EQ(progress, (std::vector<int>{500, 1000}));
}

TEST_F(BatchOperations, renameWithWildcardInPrefixMovesNothing) {
    for (const char* prefix : {"*", "a?", "x:", "<"}) {
        folder.write("a.txt", "A");
        set(BatchField::Parameter, prefix);
        run(BatchOperation::RenameToSeries);
        EXPECT_EQ(folder.names(), Names{"a.txt"}) << prefix;
        EXPECT_EQ(progress, std::vector<int>{1000}) << prefix;
    }
}

TEST_F(BatchOperations, renameCarriesNamesOutsideGbk) {
    const Text emoji = fromQt(QString::fromUtf8("\xF0\x9F\x98\x80"));
    folder.write(emoji + ".txt", "E");
    folder.write("b.txt", "B");
    set(BatchField::Parameter, emoji);
    run(BatchOperation::RenameToSeries);
    EXPECT_EQ(folder.read(emoji + "1.txt"), "B");
    EXPECT_EQ(folder.read(emoji + "2.txt"), "E");
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST_F(BatchOperations, changeExtensionUsesTheLastPartOfTheNewOne) {
    folder.write("a.txt", "A");
    folder.write("b.TXT", "B");
    set(BatchField::Parameter, "tar.gz");
    run(BatchOperation::ChangeExtension);
    EXPECT_EQ(folder.names(), (Names{"a.gz", "b.gz"}));
    EXPECT_EQ(progress, (std::vector<int>{500, 1000}));
}

TEST_F(BatchOperations, changeExtensionWithoutUsableExtensionMovesNothing) {
    folder.write("a.txt", "A");
    for (const char* extension : {"", "a b", "x/y"}) {
        set(BatchField::Parameter, extension);
        run(BatchOperation::ChangeExtension);
        EXPECT_EQ(folder.names(), Names{"a.txt"}) << extension;
        EXPECT_TRUE(progress.empty()) << extension;
    }
}

TEST_F(BatchOperations, changeExtensionNeverReplacesAnExistingFile) {
    folder.write("a.txt", "A");
    folder.write("a.md", "M");
    folder.write("b.txt", "B");
    set(BatchField::Parameter, "md");
    run(BatchOperation::ChangeExtension);
    EXPECT_EQ(folder.names(), (Names{"a.md", "a.txt", "b.md"}));
    EXPECT_EQ(folder.read("a.md"), "M");
    EXPECT_EQ(folder.read("a.txt"), "A");
    EXPECT_EQ(progress, (std::vector<int>{500, 1000}));
}

struct GenerateCase {
    const char* name;
    Text count;
    Names files;
    std::vector<int> progress;
};

class GenerateFiles : public BatchOperations, public ::testing::WithParamInterface<GenerateCase> {};

INSTANTIATE_TEST_SUITE_P(
    Counts, GenerateFiles,
    ::testing::Values(GenerateCase{"three", "3", {"1.txt", "2.txt", "3.txt"}, {333, 666, 1000}},
                      GenerateCase{"fraction", "2.9", {"1.txt", "2.txt"}, {500, 1000}},
                      GenerateCase{"full_width",
                                   gbkFromUtf8("３"),
                                   {"1.txt", "2.txt", "3.txt"},
                                   {333, 666, 1000}},
                      GenerateCase{"integer_part_zero", ".2e1", {"1.txt", "2.txt"}, {500, 1000}},
                      GenerateCase{"no_number", "abc", {}, {}}, GenerateCase{"zero", "0", {}, {}},
                      GenerateCase{"negative", "-3", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(GenerateFiles, createsTheNumberedFilesWithTheContent) {
    set(BatchField::Parameter, GetParam().count);
    set(BatchField::Content, "\xFF\x81 raw");
    run(BatchOperation::GenerateFiles);
    EXPECT_EQ(folder.names(), GetParam().files);
    for (const Text& name : GetParam().files) {
        EXPECT_EQ(folder.read(name), "\xFF\x81 raw");
    }
    EXPECT_EQ(progress, GetParam().progress);
    EXPECT_EQ(pumps, 0);
}

TEST_F(BatchOperations, generateReplacesExistingFilesAndLeavesOthers) {
    folder.write("1.md", "old");
    folder.write("3.md", "keep");
    set(BatchField::Type, "md");
    set(BatchField::Parameter, "2");
    run(BatchOperation::GenerateFiles);
    EXPECT_EQ(folder.names(), (Names{"1.md", "2.md", "3.md"}));
    EXPECT_EQ(folder.read("1.md"), "");
    EXPECT_EQ(folder.read("3.md"), "keep");
}

TEST_F(BatchOperations, generateInAMissingFolderEndsAtOnceWhateverTheCount) {
    set(BatchField::Folder, folder / "missing");
    set(BatchField::Parameter, "2000000000");
    const auto start = std::chrono::steady_clock::now();
    run(BatchOperation::GenerateFiles);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(folder.names().empty());
}

// An empty folder box names no folder: nothing lands in the root of the file system or in
// the working folder.
TEST_F(BatchOperations, withoutAFolderNothingIsCreatedOrRead) {
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(folder.path())));
    folder.write("a.txt", "A");
    ASSERT_NE(::access("/1.txt", F_OK), 0);
    ASSERT_NE(::access(("/" + summaryFileName()).c_str(), F_OK), 0);
    for (const char* none : {"", "."}) {
        set(BatchField::Folder, none);
        set(BatchField::Parameter, "1");
        set(BatchField::Content, "kept");
        run(BatchOperation::GenerateFiles);
        run(BatchOperation::DeleteFiles);
        run(BatchOperation::MergeIntoSummary);
        EXPECT_EQ(fields.texts[BatchField::Content], "kept");
    }
    EXPECT_NE(::access("/1.txt", F_OK), 0);
    EXPECT_NE(::access(("/" + summaryFileName()).c_str(), F_OK), 0);
    EXPECT_EQ(folder.names(), Names{"a.txt"});
    QDir::setCurrent(working);
}

TEST_F(BatchOperations, deleteRemovesOnlyMatchingFiles) {
    folder.write("a.txt", "A");
    folder.write("b.TXT", "B");
    folder.write("c.md", "C");
    folder.makeFolder("d.txt");
    run(BatchOperation::DeleteFiles);
    EXPECT_EQ(folder.names(), (Names{"c.md", "d.txt"}));
    EXPECT_EQ(progress, (std::vector<int>{500, 1000}));
}

TEST_F(BatchOperations, mergeAppendsEveryFileByteForByteAfterTheBuffer) {
    folder.write("a.txt", gbkFromUtf8("甲\r\n"));
    folder.write("b.txt", "\xE4\xB9\x99 utf-8, no line end");
    folder.write("c.txt", std::string("before NUL\0after", 16));
    folder.write("d.txt", "\xFF\xFE\x81");
    set(BatchField::Content, gbkFromUtf8("前言"));
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.read(summaryFileName()),
              gbkFromUtf8("前言甲\r\n") + "\xE4\xB9\x99 utf-8, no line endbefore NUL\xFF\xFE\x81");
    EXPECT_EQ(fields.texts[BatchField::Content], "");
    EXPECT_EQ(progress, (std::vector<int>{250, 500, 750, 1000}));
}

TEST_F(BatchOperations, mergingTwiceAlsoMergesTheFirstSummary) {
    folder.write("a.txt", "A");
    folder.write("b.txt", "B");
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.read(summaryFileName()), "AB");
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.read(summaryFileName()), "ABAB");
}

TEST_F(BatchOperations, mergeWithoutMatchingFilesWritesTheBuffer) {
    folder.write("a.txt", "A");
    set(BatchField::Type, "md");
    set(BatchField::Content, "earlier");
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.read(summaryFileName()), "earlier");
    EXPECT_EQ(fields.texts[BatchField::Content], "");
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.read(summaryFileName()), "");
}

TEST_F(BatchOperations, mergeSkipsUnreadableFiles) {
    folder.write("a.txt", "A");
    ASSERT_EQ(::symlink((folder / "gone").c_str(), (folder / "b.txt").c_str()), 0);
    folder.write("c.txt", "C");
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.read(summaryFileName()), "AC");
    EXPECT_EQ(progress, (std::vector<int>{333, 666, 1000}));
}

TEST(FileBytes, aPipeIsNeitherReadNorWrittenAndNothingWaits) {
    TestFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::string out = "kept";
    EXPECT_FALSE(appendFileTextUpToNul(folder / "pipe", out));
    EXPECT_FALSE(appendFileBytes(folder / "pipe", "x"));
    EXPECT_EQ(out, "kept");
}

TEST_F(BatchOperations, missingFolderListsNothing) {
    folder.write("a.txt", "A");
    set(BatchField::Folder, folder / "missing");
    for (const BatchOperation operation :
         {BatchOperation::RenameToSeries, BatchOperation::ChangeExtension,
          BatchOperation::DeleteFiles}) {
        set(BatchField::Parameter, "x");
        run(operation);
        EXPECT_TRUE(progress.empty());
    }
    run(BatchOperation::MergeIntoSummary);
    EXPECT_EQ(folder.names(), Names{"a.txt"});
}

TEST_F(BatchOperations, otherIndicesDoNothing) {
    folder.write("a.txt", "A");
    set(BatchField::Parameter, "3");
    for (const int operation : {-1, 6, 100}) {
        run(operation);
    }
    EXPECT_EQ(folder.names(), Names{"a.txt"});
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(fields.texts[BatchField::Type], "txt");
}

} // namespace
