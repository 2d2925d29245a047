#include "notes/NotesFile.h"

#include "common/Codec.h"
#include "common/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNumberSeparator = "=";

const Text& header() {
    return "[自定义名称]"_gbk;
}
const Text& cellSeparator() {
    return "，"_gbk;
}

// Splits as splitText does, but a text ending in the separator keeps its empty last piece, so
// an empty remark behind the last "，" still counts as a piece.
std::vector<Text> splitKeepingEmptyLast(std::string_view text, std::string_view separator) {
    std::vector<Text> pieces = splitText(text, separator);
    std::size_t covered = pieces.size() * separator.size();
    for (const Text& piece : pieces) {
        covered += piece.size();
    }
    if (!text.empty() && covered == text.size()) {
        pieces.emplace_back();
    }
    return pieces;
}

NoteRow parseNoteLine(std::string_view line) {
    NoteRow row;
    // A line without "=" keeps its whole text in column 0 rather than losing it.
    const int equals = findText(line, kNumberSeparator);
    if (equals < 0) {
        row[NoteColumn::Number] = Text(line);
        return row;
    }
    const std::size_t restStart = static_cast<std::size_t>(equals);
    row[NoteColumn::Number] = Text(line.substr(0, restStart - 1));
    const std::string_view rest = line.substr(restStart);
    std::vector<Text> pieces = splitKeepingEmptyLast(rest, cellSeparator());
    if (pieces.empty()) {
        return row;
    }
    row[NoteColumn::Title] = std::move(pieces.front());
    if (pieces.size() == 2) {
        row[NoteColumn::Content] = std::move(pieces.back());
    } else if (pieces.size() > 2) {
        // Everything between the title and the remark is the content, its own "，" included.
        const std::size_t contentStart = row[NoteColumn::Title].size() + cellSeparator().size();
        const std::size_t contentEnd = rest.size() - pieces.back().size() - cellSeparator().size();
        row[NoteColumn::Content] = Text(rest.substr(contentStart, contentEnd - contentStart));
        row[NoteColumn::Remark] = std::move(pieces.back());
    }
    return row;
}

} // namespace

Text notesFilePath(const Text& documentsDir) {
    if (documentsDir.empty()) {
        return {};
    }
    return documentsDir + "/test.txt";
}

Text notesFileText(const std::vector<NoteRow>& rows) {
    std::size_t size = header().size() + kLineEnd.size();
    for (const NoteRow& row : rows) {
        size += kNumberSeparator.size() + 2 * cellSeparator().size() + kLineEnd.size();
        for (const Text& cell : row) {
            size += cell.size();
        }
    }
    Text text;
    text.reserve(size);
    text += header();
    text += kLineEnd;
    for (const NoteRow& row : rows) {
        for (int column = 0; column < kNoteColumns; ++column) {
            if (column == 1) {
                text += kNumberSeparator;
            } else if (column > 1) {
                text += cellSeparator();
            }
            text += row[static_cast<std::size_t>(column)];
        }
        text += kLineEnd;
    }
    return text;
}

std::vector<NoteRow> parseNotesText(std::string_view text) {
    const std::vector<Text> lines = splitText(text, kLineEnd);
    std::vector<NoteRow> rows;
    if (lines.size() > 1) {
        rows.reserve(lines.size() - 1);
    }
    // The first line is the header, or whatever stands in its place.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        rows.push_back(parseNoteLine(lines[i]));
    }
    return rows;
}

std::vector<NoteRow> readNotesFile(const Text& path) {
    if (path.empty()) {
        return {};
    }
    const QString name = toQt(path);
    // Only a regular file is read: a pipe or device in its place would block or never end.
    if (!QFileInfo(name).isFile()) {
        return {};
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return parseNotesText(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool writeNotesFile(const Text& path, const std::vector<NoteRow>& rows) {
    if (path.empty()) {
        return false;
    }
    const QString name = toQt(path);
    if (!QDir().mkpath(QFileInfo(name).absolutePath())) {
        return false;
    }
    const Text text = notesFileText(rows);
    // The text goes to a temporary file beside the notes file and replaces it only once it is
    // written whole, so a failed save never costs the notes saved before.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const qint64 size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void saveNotesAndReport(const Text& path, const std::vector<NoteRow>& rows, Dialogs& dialogs) {
    if (writeNotesFile(path, rows)) {
        dialogs.messageBox("保存成功"_gbk, "提示信息："_gbk,
                           MessageStyle::Ok | MessageStyle::IconInformation);
    } else {
        dialogs.messageBox("保存失败"_gbk, "提示信息："_gbk,
                           MessageStyle::Ok | MessageStyle::IconWarning);
    }
}
