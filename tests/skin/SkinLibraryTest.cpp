#include "app/SkinLibrary.h"
#include "ApplicationLookGuard.h"
#include "app/SkinLocation.h"
#include "app/SkinSchemes.h"
#include "assets/Assets.h"
#include "common/Codec.h"
#include "common/ProgramState.h"
#include "skin/SkinAttach.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace {

// ---- where the skin library is found

struct LocateCase {
    const char* name;
    const char* preferred; // with {dir} for the temporary folder
    bool atPreferred, besideProgram, inSystemDirectory;
    const char* expected; // with {dir}
};

std::ostream& operator<<(std::ostream& out, const LocateCase& row) {
    return out << row.name;
}

class LocateSkinLibrary : public ::testing::TestWithParam<LocateCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* folder : {"preferred", "program", "system"}) {
            QDir(dir_.path()).mkpath(folder);
        }
        paths_.programDir = fromQt(dir_.path() + "/program");
        paths_.systemLibraryDir = fromQt(dir_.path() + "/system");
    }
    Text expand(const char* pattern) const {
        return replaceAll(gbkFromUtf8(pattern), "{dir}", fromQt(dir_.path()));
    }
    void place(const QString& folder) const {
        QFile file(dir_.path() + "/" + folder + "/" + kSkinLibraryFileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir_;
    ProgramPaths paths_;
    ProgramState state_;
};

TEST_P(LocateSkinLibrary, SettlesThePathByTheRule) {
    const LocateCase& row = GetParam();
    if (row.atPreferred) {
        place("preferred");
    }
    if (row.besideProgram) {
        place("program");
    }
    if (row.inSystemDirectory) {
        place("system");
    }
    state_.skinLibraryPath = "left over";
    locateSkinLibrary(state_, paths_, expand(row.preferred));
    EXPECT_EQ(state_.skinLibraryPath, expand(row.expected));
}

// "　" is the full-width space, trimmed like the ASCII one.
const LocateCase kLocateCases[] = {
    {"PreferredWithBlanksIsTrimmedAndWins", "  {dir}/preferred/libSkinH_EL.so　 ", true, true, true,
     "{dir}/preferred/libSkinH_EL.so"},
    {"BesideTheProgramOnly", "{dir}/preferred/libSkinH_EL.so", false, true, false,
     "{dir}/program/libSkinH_EL.so"},
    {"SystemDirectoryOnly", "{dir}/preferred/libSkinH_EL.so", false, false, true,
     "{dir}/system/libSkinH_EL.so"},
    {"BothAndTheSystemDirectoryWins", "{dir}/preferred/libSkinH_EL.so", false, true, true,
     "{dir}/system/libSkinH_EL.so"},
    {"NoneKeepsTheTrimmedDefault", "　 {dir}/preferred/libSkinH_EL.so ", false, false, false,
     "{dir}/preferred/libSkinH_EL.so"},
    {"StartUpWithNoneStaysEmpty", "", false, false, false, ""},
    {"StartUpFindsTheCopyBesideTheProgram", "", false, true, false, "{dir}/program/libSkinH_EL.so"},
    {"AFolderAtThePreferredPathIsNoLibrary", "{dir}/preferred", false, true, false,
     "{dir}/program/libSkinH_EL.so"},
};

INSTANTIATE_TEST_SUITE_P(SkinLocation, LocateSkinLibrary, ::testing::ValuesIn(kLocateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SkinLocation, SystemDirectoryGetsOneSeparatorAtItsEnd) {
    ProgramPaths paths;
    paths.systemLibraryDir = "/usr/lib";
    EXPECT_EQ(systemDirectoryWithSlash(paths), "/usr/lib/");
    paths.systemLibraryDir = "/usr/lib/";
    EXPECT_EQ(systemDirectoryWithSlash(paths), "/usr/lib/");
}

// ---- handing a skin to the library

std::string shippedBlob(int radio) {
    const QByteArray bytes = assetBytes(QString::fromUtf8(kSkinSchemes[radio - 1].blobName));
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

struct UnusableCase {
    const char* name;
    void (*make)(const QString& path);
};

std::ostream& operator<<(std::ostream& out, const UnusableCase& row) {
    return out << row.name;
}

class UnusableLibrary : public ::testing::TestWithParam<UnusableCase> {};

TEST_P(UnusableLibrary, ApplySkinReturnsFalseAndChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/" + kSkinLibraryFileName;
    GetParam().make(path);
    const ApplicationLookGuard look;
    SkinLibrary library;
    EXPECT_FALSE(library.skinEntryAvailable(fromQt(path)));
    EXPECT_FALSE(library.applySkin(fromQt(path), shippedBlob(2), nullptr, 0, 0, 0));
    EXPECT_FALSE(library.applySkin(fromQt(path), std::string(), nullptr, 0, 0, 0));
    EXPECT_TRUE(look.unchanged());
}

const UnusableCase kUnusable[] = {
    {"Missing", [](const QString&) {}},
    {"NotALibrary",
     [](const QString& path) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write("not a shared library\n");
     }},
    {"AFolder", [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }},
    {"LacksTheExport",
     [](const QString& path) {
         ASSERT_TRUE(QFile::copy(QString::fromUtf8(QUORVELL_TEST_NO_EXPORT_LIBRARY), path));
     }},
};

INSTANTIATE_TEST_SUITE_P(SkinLibrary, UnusableLibrary, ::testing::ValuesIn(kUnusable),
                         [](const auto& info) { return std::string(info.param.name); });

// The skin library this build made.
class BuiltSkinLibrary : public ::testing::Test {
protected:
    const Text path = fromQt(QString::fromUtf8(QUORVELL_TEST_SKIN_LIBRARY));
    ApplicationLookGuard look;
    SkinLibrary library;
};

TEST_F(BuiltSkinLibrary, RestylesTheApplicationAndTheEmptySkinBringsTheOwnLookBack) {
    ASSERT_TRUE(library.skinEntryAvailable(path));
    EXPECT_TRUE(library.applySkin(path, std::string(), nullptr, 0, 0, 0));
    EXPECT_TRUE(look.unchanged()) << "the empty skin keeps the program's own look";

    ASSERT_TRUE(library.applySkin(path, shippedBlob(2), nullptr, 0, 0, 0));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#1D1D1F"));
    EXPECT_TRUE(qApp->styleSheet().contains("PageButton"));

    EXPECT_TRUE(library.applySkin(path, std::string(), nullptr, 0, 0, 0));
    EXPECT_TRUE(look.unchanged());
}

TEST_F(BuiltSkinLibrary, RefusesMalformedBlobsAndKeepsTheSchemeInForce) {
    ASSERT_TRUE(library.applySkin(path, shippedBlob(5), nullptr, 0, 0, 0));
    const QPalette inForce = QApplication::palette();
    const QString sheetInForce = qApp->styleSheet();

    std::string flipped = shippedBlob(8);
    flipped[flipped.size() / 2] ^= 0x40;
    const std::string malformed[] = {
        shippedBlob(8).substr(0, 100),
        flipped,
        "\x2E\x53\x48\x45 and nothing of a skin after the magic",
    };
    for (const std::string& blob : malformed) {
        EXPECT_FALSE(library.applySkin(path, blob, nullptr, 0, 0, 0));
        EXPECT_EQ(QApplication::palette(), inForce);
        EXPECT_EQ(qApp->styleSheet(), sheetInForce);
    }
}

TEST_F(BuiltSkinLibrary, ExportRefusesBadArgumentsWithANonZeroResult) {
    QLibrary raw(QString::fromUtf8(QUORVELL_TEST_SKIN_LIBRARY));
    const auto attach =
        reinterpret_cast<decltype(&SkinH_AttachRes)>(raw.resolve("SkinH_AttachRes"));
    ASSERT_NE(attach, nullptr);
    const std::string blob = shippedBlob(3);
    const auto* bytes = reinterpret_cast<const unsigned char*>(blob.data());
    const int size = static_cast<int>(blob.size());
    EXPECT_EQ(attach(nullptr, 10, nullptr, 0, 0, 0), kSkinBadArguments);
    EXPECT_EQ(attach(bytes, -1, nullptr, 0, 0, 0), kSkinBadArguments);
    EXPECT_EQ(attach(bytes, size, nullptr, 30, 0, 0), kSkinBadArguments);
    EXPECT_EQ(attach(bytes, size - 1, nullptr, 0, 0, 0), kSkinMalformed);
    EXPECT_TRUE(look.unchanged());
    // A password is accepted and not used.
    EXPECT_EQ(attach(bytes, size, "secret", 0, 0, 0), kSkinAttached);
    EXPECT_FALSE(look.unchanged());
}

} // namespace
