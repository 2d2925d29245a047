#include "batch/LineSplitting.h"

#include "FieldTexts.h"
#include "TestFolder.h"
#include "batch/BatchOperations.h"
#include "common/Codec.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <unistd.h>

namespace {

using Names = std::vector<Text>;

// Splitting runs over a source file in a sub-folder, so a write outside the source's folder
// would show in the folder above it.
class SplitLines : public ::testing::Test {
protected:
    void SetUp() override { folder.makeFolder("sub"); }

    void split(const std::string& source) {
        folder.write("sub/source.txt", source);
        fields.texts[BatchField::Folder] = folder / "sub/source.txt";
        fields.texts[BatchField::Type] = "jpg";
        progress.clear();
        runBatchOperation(
            static_cast<int>(BatchOperation::SplitLinesIntoFiles),
            {fields, [this](int position) { progress.push_back(position); }, [this] { ++pumps; }});
    }

    std::optional<std::string> target(const Text& name) { return folder.read("sub/" + name); }

    TestFolder folder;
    FieldTexts fields;
    std::vector<int> progress;
    int pumps = 0;
};

TEST_F(SplitLines, everyWordOfALineGoesToTheFileOfItsFirstWord) {
    split("X Y Z\r\nW\r\nX Q\r\n");
    EXPECT_EQ(target("X.TXT"), "X\r\nY\r\nZ\r\nX\r\nQ\r\n");
    EXPECT_EQ(target("W.TXT"), "W\r\n");
    EXPECT_EQ(fields.texts[BatchField::Type], "txt");
    EXPECT_EQ(progress, (std::vector<int>{666, 1000}));
    EXPECT_EQ(pumps, 0);
    EXPECT_EQ(folder.names(), Names{"sub"});
}

TEST_F(SplitLines, doubleSpaceGivesAnEmptyLineAndATrailingSpaceNone) {
    split("a  b\r\nc d ");
    EXPECT_EQ(target("a.TXT"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(target("c.TXT"), "c\r\nd\r\n");
}

TEST_F(SplitLines, markersAreExpandedBeforeSplitting) {
    split(gbkFromUtf8("k %s ~甲~ `q`%nnext one"));
    EXPECT_EQ(target("k.TXT"), gbkFromUtf8("k\r\n(空)\r\n“甲”\r\n\"q\"\r\n"));
    EXPECT_EQ(target("next.TXT"), "next\r\none\r\n");
}

TEST_F(SplitLines, existingFilesAreAppendedToAgainOnEveryRun) {
    folder.write("sub/a.TXT", "old\r\n");
    split("a b");
    split("a c");
    EXPECT_EQ(target("a.TXT"), "old\r\na\r\nb\r\na\r\nc\r\n");
}

TEST_F(SplitLines, theSourceMayBeItsOwnTarget) {
    folder.write("sub/a.TXT", "a b");
    fields.texts[BatchField::Folder] = folder / "sub/a.TXT";
    runBatchOperation(static_cast<int>(BatchOperation::SplitLinesIntoFiles), {fields, {}, {}});
    EXPECT_EQ(target("a.TXT"), "a ba\r\nb\r\n");
}

TEST_F(SplitLines, namesOutsideGbkAreWritten) {
    const Text emoji = fromQt(QString::fromUtf8("\xF0\x9F\x98\x80"));
    split(emoji + " x");
    EXPECT_EQ(target(emoji + ".TXT"), emoji + "\r\nx\r\n");
}

TEST_F(SplitLines, noLineWritesOutsideTheSourceFolder) {
    const std::string outside = "/tmp/quorvell-escape-" + std::to_string(::getpid());
    folder.makeFolder(fromQt(QString(QChar(0xFFFD))));
    split("../x y\r\n" + outside +
          " y\r\n.. y\r\n. y\r\na/b y\r\na\\b y\r\na:b y\r\n"
          "\x81/x y\r\n\x81:x y\r\n y leading space\r\n\r\nok z");
    EXPECT_EQ(folder.names(), (Names{"sub", fromQt(QString(QChar(0xFFFD)))}));
    EXPECT_NE(::access((outside + ".TXT").c_str(), F_OK), 0);
    EXPECT_EQ(folder.read(fromQt(QString(QChar(0xFFFD))) + "/x.TXT"), std::nullopt);
    EXPECT_EQ(TestFolder::namesIn(folder / "sub"), (Names{"ok.TXT", "source.txt"}));
    EXPECT_EQ(progress.back(), 1000);
}

TEST_F(SplitLines, missingOrEmptySourceWritesNothing) {
    fields.texts[BatchField::Folder] = folder / "sub/missing.txt";
    fields.texts[BatchField::Type] = "jpg";
    runBatchOperation(static_cast<int>(BatchOperation::SplitLinesIntoFiles), {fields, {}, {}});
    EXPECT_EQ(fields.texts[BatchField::Type], "txt");
    split("");
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(TestFolder::namesIn(folder / "sub"), Names{"source.txt"});
}

TEST_F(SplitLines, binarySourceStaysInsideItsFolder) {
    std::mt19937 random(7);
    // Random bytes, with spaces and line breaks often enough to give short first words.
    std::string bytes;
    for (int i = 0; i < 256 * 1024; ++i) {
        bytes += i % 50 == 0   ? "\r\n"
                 : i % 16 == 0 ? " "
                               : std::string(1, char(random() % 255 + 1));
    }
    bytes[200000] = '\0';
    split(bytes);
    EXPECT_EQ(folder.names(), Names{"sub"});
    EXPECT_GT(TestFolder::namesIn(folder / "sub").size(), 1u);
    EXPECT_EQ(progress.back(), 1000);
}

// The words a literal reading gives: for every word, read the target, append the word and
// CR LF, write it back; skipping the lines the program skips.
void splitLiterally(const Text& text, const Text& folder) {
    for (const Text& line : splitText(text, "\r\n")) {
        const std::vector<Text> words = splitText(line, " ");
        if (words.empty() || words[0].empty() || words[0] == "." || words[0] == "..") {
            continue;
        }
        if (toQt(words[0]).contains(QRegularExpression("[?/\\\\<>*|:\"]"))) {
            continue;
        }
        const Text target = folder + "/" + words[0] + ".TXT";
        for (const Text& word : words) {
            QFile file(toQt(target));
            QByteArray bytes;
            if (file.open(QIODevice::ReadOnly)) {
                bytes = file.readAll();
                file.close();
            }
            bytes.append(word.data(), static_cast<qsizetype>(word.size())).append("\r\n");
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(bytes);
        }
    }
}

std::map<Text, std::string> contentsOf(const TestFolder& folder) {
    std::map<Text, std::string> contents;
    for (const Text& name : folder.names()) {
        contents[name] = *folder.read(name);
    }
    return contents;
}

TEST(SplitLinesIntoFiles, givesTheFilesOfTheLiteralReading) {
    const std::vector<std::string> pieces = {"a",  "b", "c", " ",    " ", "\r\n",     "\r\n", "\r",
                                             "\n", ".", "/", "\x81", ":", "\xB0\xA1", "\xFF", "%"};
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        Text text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            text += pieces[random() % pieces.size()];
        }
        TestFolder fast;
        TestFolder literal;
        fast.write("a.TXT", "old\r\n");
        literal.write("a.TXT", "old\r\n");
        splitLinesIntoFiles(text, fast.path() + "/", {});
        splitLiterally(text, literal.path() + "/");
        ASSERT_EQ(contentsOf(fast), contentsOf(literal)) << "source: " << text;
    }
}

} // namespace
