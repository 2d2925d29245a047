#include "TestFolder.h"

#include "batch/NativeName.h"
#include "common/Codec.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString qtPath(const Text& path) {
    return QFile::decodeName(QByteArray::fromStdString(*nativeName(path)));
}

} // namespace

TestFolder::TestFolder() : path_(fromQt(dir_.path())) {
    EXPECT_TRUE(dir_.isValid());
}

void TestFolder::write(const Text& name, const std::string& bytes) const {
    QFile file(qtPath(*this / name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void TestFolder::makeFolder(const Text& name) const {
    ASSERT_TRUE(QDir().mkpath(qtPath(*this / name)));
}

std::optional<std::string> TestFolder::read(const Text& name) const {
    QFile file(qtPath(*this / name));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

bool TestFolder::exists(const Text& name) const {
    return QFileInfo::exists(qtPath(*this / name)) || QFileInfo(qtPath(*this / name)).isSymLink();
}

std::vector<Text> TestFolder::names() const {
    return namesIn(path_);
}

std::vector<Text> TestFolder::namesIn(const Text& folder) {
    std::vector<Text> result;
    const QStringList entries =
        QDir(qtPath(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        result.push_back(fromQt(entry));
    }
    std::sort(result.begin(), result.end());
    return result;
}
