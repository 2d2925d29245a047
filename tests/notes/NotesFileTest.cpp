#include "notes/NotesFile.h"
#include "FakeDialogs.h"
#include "common/Codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Test texts are written in UTF-8 and converted to GBK, as the program's literals are.
Text g(const char* utf8) {
    return gbkFromUtf8(utf8);
}

// A byte string that may hold NUL bytes.
template <std::size_t N> std::string bytes(const char (&literal)[N]) {
    return {literal, N - 1};
}

NoteRow row(const char* number, const char* title, const char* content, const char* remark) {
    return {g(number), g(title), g(content), g(remark)};
}

// "[自定义名称]" and CR LF, spelled out byte by byte.
const std::string kHeaderBytes = "[\xD7\xD4\xB6\xA8\xD2\xE5\xC3\xFB\xB3\xC6]\r\n";

class NotesFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString fileName() const { return folder.path() + "/Documents/test.txt"; }
    Text path() const { return fromQt(fileName()); }

    void putFile(const QString& name, const std::string& bytes) {
        QDir().mkpath(QFileInfo(name).absolutePath());
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    static std::string bytesOf(const QString& name) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            return "<missing>";
        }
        return file.readAll().toStdString();
    }

    QStringList entriesOfFolder() const {
        return QDir(folder.path() + "/Documents")
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    QTemporaryDir folder;
};

// --- The bytes a save writes ---

TEST_F(NotesFolder, EmptyListIsTheHeaderLineAloneFourteenBytes) {
    ASSERT_TRUE(writeNotesFile(path(), {}));
    EXPECT_EQ(bytesOf(fileName()), kHeaderBytes);
    EXPECT_EQ(bytesOf(fileName()).size(), 14u);
}

TEST_F(NotesFolder, RowsAreWrittenAsGbkWithSeparatorsAndCrLf) {
    ASSERT_TRUE(writeNotesFile(path(), {row("1", "标题", "内容", "备注"), row("", "", "", "")}));
    EXPECT_EQ(bytesOf(fileName()), kHeaderBytes +
                                       "1=\xB1\xEA\xCC\xE2\xA3\xAC\xC4\xDA\xC8\xDD\xA3\xAC"
                                       "\xB1\xB8\xD7\xA2\r\n"
                                       "=\xA3\xAC\xA3\xAC\r\n");
}

TEST_F(NotesFolder, CellsAreWrittenWithoutEscaping) {
    const Text awkward = bytes("a=b\xA3\xAC"
                               "c\\n%\0d");
    ASSERT_TRUE(writeNotesFile(path(), {{awkward, awkward, awkward, awkward}}));
    EXPECT_EQ(bytesOf(fileName()), kHeaderBytes + awkward + "=" + awkward + "\xA3\xAC" + awkward +
                                       "\xA3\xAC" + awkward + "\r\n");
}

TEST_F(NotesFolder, MissingDocumentsFolderIsCreatedOnSave) {
    const QString deeper = folder.path() + "/not/yet/there/test.txt";
    ASSERT_TRUE(writeNotesFile(fromQt(deeper), {row("0", "t", "c", "r")}));
    EXPECT_EQ(bytesOf(deeper), kHeaderBytes + "0=t\xA3\xAC"
                                              "c\xA3\xAC"
                                              "r\r\n");
}

// --- Save, then read ---

struct RoundTripCase {
    const char* name;
    std::vector<NoteRow> rows;
};

class RoundTrip : public NotesFolder, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, ReadingGivesBackTheSavedCells) {
    ASSERT_TRUE(writeNotesFile(path(), GetParam().rows));
    EXPECT_EQ(readNotesFile(path()), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    NotesFile, RoundTrip,
    ::testing::Values(
        RoundTripCase{"no_rows", {}},
        RoundTripCase{"chinese_cells_with_remark",
                      {row("1", "买菜", "白菜两颗", "周六"), row("2", "会议", "三点", "")}},
        RoundTripCase{"all_cells_empty", {row("", "", "", ""), row("", "", "", "")}},
        RoundTripCase{"only_remark", {row("", "", "", "只有备注")}},
        RoundTripCase{"content_holding_commas", {row("3", "清单", "一，二，，三", "")}},
        RoundTripCase{"content_ending_in_comma", {row("4", "题", "内容，", "")}},
        RoundTripCase{"equals_behind_the_number", {row("5", "a=b", "x==y", "=")}},
        RoundTripCase{"nul_and_control_bytes", {{"6", bytes("t\0t"), "\t\x01", "\r"}}},
        RoundTripCase{"characters_outside_gbk", {row("7", "𠀀", "😀", "€")}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Reading a file's bytes ---

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<NoteRow> rows;
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, GivesTheseRows) {
    EXPECT_EQ(parseNotesText(GetParam().text), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    NotesFile, Parse,
    ::testing::Values(
        ParseCase{"empty_file", "", {}}, ParseCase{"header_only", kHeaderBytes, {}},
        ParseCase{"header_without_line_end", "[x]", {}},
        ParseCase{"last_line_without_line_end",
                  kHeaderBytes + "1=a\xA3\xAC"
                                 "b\xA3\xAC"
                                 "c",
                  {row("1", "a", "b", "c")}},
        // The first line is skipped whatever it holds, so a file without the header loses its
        // first note.
        ParseCase{"no_header_loses_first_line",
                  "1=a\xA3\xAC"
                  "b\xA3\xAC\r\n2=c\xA3\xAC"
                  "d\xA3\xAC\r\n",
                  {row("2", "c", "d", "")}},
        ParseCase{"two_pieces_are_title_and_content",
                  "h\r\n1=a\xA3\xAC"
                  "b\r\n",
                  {row("1", "a", "b", "")}},
        ParseCase{"one_piece_is_the_title", "h\r\n1=a\r\n", {row("1", "a", "", "")}},
        ParseCase{"nothing_after_equals", "h\r\n9=\r\n", {row("9", "", "", "")}},
        ParseCase{"second_equals_stays_in_the_title",
                  "h\r\n1=a=b\xA3\xAC"
                  "c\xA3\xAC\r\n",
                  {row("1", "a=b", "c", "")}},
        ParseCase{"empty_number",
                  "h\r\n=a\xA3\xAC"
                  "b\xA3\xAC\r\n",
                  {row("", "a", "b", "")}},
        // Lines that a save never writes still give their row, keep their text, and do not stop
        // the lines after them.
        ParseCase{"line_without_equals_keeps_its_text",
                  "h\r\nfree text\r\n2=t\xA3\xAC"
                  "c\xA3\xAC"
                  "r\r\n",
                  {row("free text", "", "", ""), row("2", "t", "c", "r")}},
        ParseCase{"empty_line_between_notes",
                  "h\r\n1=a\xA3\xAC\xA3\xAC\r\n\r\n2=b\xA3\xAC\xA3\xAC\r\n",
                  {row("1", "a", "", ""), row("", "", "", ""), row("2", "b", "", "")}},
        ParseCase{"nul_in_the_middle",
                  bytes("h\r\n1=a\0z\xA3\xAC\xA3\xAC\r\n2=b\xA3\xAC\xA3\xAC\r\n"),
                  {{"1", bytes("a\0z"), "", ""}, row("2", "b", "", "")}},
        ParseCase{"lone_line_breaks_stay_in_the_cell",
                  "h\r\n1=a\nb\xA3\xAC\r\xA3\xAC\r\n",
                  {{"1", "a\nb", "\r", ""}}},
        // "=" never matches the second byte of a double-byte character, "，" never across two.
        ParseCase{"separators_only_on_character_boundaries",
                  "h\r\n\x81==\xB0\xA3\xAC\xA3\xAC\xA3\r\n",
                  {{"\x81=", "\xB0\xA3\xAC\xA3\xAC\xA3", "", ""}}},
        ParseCase{"lone_lead_byte_at_the_end", "h\r\n1=\xB0", {{"1", "\xB0", "", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NotesFolder, MissingFileOrFolderInPlaceOfTheFileReadsAsNoRows) {
    EXPECT_TRUE(readNotesFile(path()).empty());
    QDir().mkpath(fileName());
    EXPECT_TRUE(readNotesFile(path()).empty());
    EXPECT_TRUE(readNotesFile({}).empty());
}

// --- A save that cannot write keeps the earlier file ---

class FailedSave : public NotesFolder {
protected:
    void SetUp() override {
        NotesFolder::SetUp();
        putFile(fileName(), earlier);
    }

    // Saves through the operation the user runs and returns the box it showed.
    DialogCall save(const Text& target) {
        FakeDialogs dialogs;
        saveNotesAndReport(target, {row("1", "新的", "内容", "")}, dialogs);
        EXPECT_EQ(dialogs.boxes().size(), 1u);
        return dialogs.boxes().empty() ? DialogCall{} : dialogs.boxes().front();
    }

    static void expectFailureBox(const DialogCall& box) {
        EXPECT_EQ(box.kind, DialogCall::Message);
        EXPECT_EQ(box.text, g("保存失败"));
        EXPECT_EQ(box.title, g("提示信息："));
        EXPECT_EQ(box.style, MessageStyle::Ok | MessageStyle::IconWarning);
    }

    const std::string earlier = kHeaderBytes + "0=\xBE\xC9\xA3\xAC\xA3\xAC\r\n";
};

TEST_F(FailedSave, SuccessIsReportedWithTheInformationIcon) {
    const DialogCall box = save(path());
    EXPECT_EQ(box.text, g("保存成功"));
    EXPECT_EQ(box.title, g("提示信息："));
    EXPECT_EQ(box.style, MessageStyle::Ok | MessageStyle::IconInformation);
    EXPECT_EQ(bytesOf(fileName()), kHeaderBytes + g("1=新的，内容，") + "\r\n");
}

TEST_F(FailedSave, FileInPlaceOfTheFolderIsReportedAndLeftAlone) {
    const QString blocker = folder.path() + "/blocker";
    putFile(blocker, "not a folder");
    expectFailureBox(save(fromQt(blocker + "/test.txt")));
    EXPECT_EQ(bytesOf(blocker), "not a folder");
}

TEST_F(FailedSave, ReadOnlyFolderKeepsTheEarlierFile) {
    const QString documents = folder.path() + "/Documents";
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    QFile::setPermissions(documents, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                         QFileDevice::ReadOther | QFileDevice::ExeOther);
    if (geteuid() != 0) {
        expectFailureBox(save(path()));
    } else {
        // The superuser writes into read-only folders, so the save runs as an ordinary user
        // in a child process, which answers with its exit code.
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) {
                _exit(2);
            }
            FakeDialogs dialogs;
            saveNotesAndReport(path(), {row("1", "新的", "内容", "")}, dialogs);
            const bool failureShown =
                dialogs.boxes().size() == 1 && dialogs.boxes().front().text == g("保存失败") &&
                dialogs.boxes().front().style == (MessageStyle::Ok | MessageStyle::IconWarning);
            _exit(failureShown ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no failure box, 2: could not become a user";
    }
    QFile::setPermissions(documents,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(bytesOf(fileName()), earlier);
    EXPECT_EQ(entriesOfFolder(), QStringList{"test.txt"});
}

// A full disk: the file-size limit makes every write beyond a few bytes fail, for the
// superuser too.
TEST_F(FailedSave, FullDiskKeepsTheEarlierFileWholeAndLeavesNoTemporaryFile) {
    std::vector<NoteRow> many(2000, row("12", "很长的标题", "很长的内容很长的内容", "备注"));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    FakeDialogs dialogs;
    saveNotesAndReport(path(), many, dialogs);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(dialogs.boxes().size(), 1u);
    expectFailureBox(dialogs.boxes().front());
    EXPECT_EQ(bytesOf(fileName()), earlier);
    EXPECT_EQ(entriesOfFolder(), QStringList{"test.txt"});
}

TEST_F(FailedSave, UnknownDocumentsFolderIsReportedAsFailure) {
    expectFailureBox(save(notesFilePath({})));
}

} // namespace
