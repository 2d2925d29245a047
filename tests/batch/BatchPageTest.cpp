#include "batch/BatchPage.h"

#include "TestFolder.h"
#include "WidgetTest.h"
#include "batch/BatchOperations.h"
#include "batch/DropTarget.h"
#include "common/Codec.h"
#include "common/FormTimer.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

namespace {

// The batch page as the main window holds it: one page of the page control, beside a page
// of another subsystem.
class BatchPageTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        pageControl = new QTabWidget;
        page = new BatchPage(services, pageControl);
        otherPage = new QWidget;
        otherEditBox = new QLineEdit(otherPage);
        pageControl->addTab(otherPage, "other");
        pageControl->addTab(page, "batch");
        page->registerDropTarget(pageControl);
        page->resetProgressDisplay();
    }

    void TearDown() override {
        delete pageControl;
        WidgetTest::TearDown();
    }

    void choose(BatchOperation operation) {
        page->组合框1->setCurrentIndex(static_cast<int>(operation));
    }

    Text folderBox() const { return fromQt(page->编辑框1->text()); }

    void doubleClickFolderBox() { QTest::mouseDClick(page->编辑框1, Qt::LeftButton); }

    // Sends a drag carrying `paths` over `target` and drops it; true when it was claimed.
    static bool drop(QWidget* target, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        data.setUrls(urls);
        return dropData(target, data);
    }

    static bool dropData(QWidget* target, QMimeData& data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }

    bool progressShown() const {
        return !page->进度条1->isHidden() && !page->标签进度条->isHidden();
    }

    void click() { page->按钮8->click(); }

    QTabWidget* pageControl = nullptr;
    BatchPage* page = nullptr;
    QWidget* otherPage = nullptr;
    QLineEdit* otherEditBox = nullptr;
    TestFolder folder;
};

struct RelabelCase {
    const char* name;
    BatchOperation operation;
    const char* folderCaption;
    const char* parameterCaption;
    bool parameterRow;
    bool contentRow;
};

class Relabelling : public BatchPageTest, public ::testing::WithParamInterface<RelabelCase> {};

INSTANTIATE_TEST_SUITE_P(Items, Relabelling,
                         ::testing::Values(RelabelCase{"rename", BatchOperation::RenameToSeries,
                                                       "文件目录", "取前缀名", true, false},
                                           RelabelCase{"extension", BatchOperation::ChangeExtension,
                                                       "文件目录", "新扩展名", true, false},
                                           RelabelCase{"generate", BatchOperation::GenerateFiles,
                                                       "文件目录：", "生成数量", true, true},
                                           RelabelCase{"delete", BatchOperation::DeleteFiles,
                                                       "文件目录：", "取前缀名：", false, false},
                                           RelabelCase{"merge", BatchOperation::MergeIntoSummary,
                                                       "文件目录：", "取前缀名：", false, false},
                                           RelabelCase{"split", BatchOperation::SplitLinesIntoFiles,
                                                       "文件目录：", "取前缀名：", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// From the laid-out captions, the first tick after the choice relabels the page.
TEST_P(Relabelling, firstTickFollowsTheChoice) {
    choose(GetParam().operation);
    EXPECT_EQ(page->标签3->text(), QString::fromUtf8("取前缀名："));
    page->时钟5->fire();
    EXPECT_EQ(page->标签1->text(), QString::fromUtf8(GetParam().folderCaption));
    EXPECT_EQ(page->标签3->text(), QString::fromUtf8(GetParam().parameterCaption));
    EXPECT_EQ(!page->标签3->isHidden(), GetParam().parameterRow);
    EXPECT_EQ(!page->编辑框3->isHidden(), GetParam().parameterRow);
    EXPECT_EQ(!page->标签4->isHidden(), GetParam().contentRow);
    EXPECT_EQ(!page->编辑框4->isHidden(), GetParam().contentRow);
    EXPECT_FALSE(page->编辑框1->isHidden());
    EXPECT_FALSE(page->编辑框2->isHidden());
    EXPECT_FALSE(page->按钮8->isHidden());
}

TEST_F(BatchPageTest, laterChoicesKeepCaptionsTheyDoNotSet) {
    choose(BatchOperation::ChangeExtension);
    page->时钟5->fire();
    choose(BatchOperation::DeleteFiles);
    page->时钟5->fire();
    EXPECT_EQ(page->标签3->text(), QString::fromUtf8("新扩展名"));
    EXPECT_TRUE(page->编辑框3->isHidden());
    choose(BatchOperation::GenerateFiles);
    page->时钟5->fire();
    EXPECT_EQ(page->标签1->text(), QString::fromUtf8("文件目录"));
    EXPECT_EQ(page->标签3->text(), QString::fromUtf8("生成数量"));
    EXPECT_FALSE(page->编辑框4->isHidden());
}

TEST_F(BatchPageTest, cancellingTheDialogBeforeAnyChoiceEmptiesTheFolderBox) {
    page->编辑框1->setText("/typed/");
    dialogs.openFileAnswers.push_back(std::nullopt);
    doubleClickFolderBox();
    EXPECT_EQ(folderBox(), "");
    ASSERT_EQ(dialogs.callsOf(DialogCall::OpenFile).size(), 1u);
    EXPECT_EQ(dialogs.callsOf(DialogCall::OpenFile)[0].text, "");
}

TEST_F(BatchPageTest, theDialogGivesTheChosenFilesFolderAndCancellingPutsItBack) {
    dialogs.openFileAnswers.push_back(gbkFromUtf8("/数据/a.txt"));
    doubleClickFolderBox();
    EXPECT_EQ(folderBox(), gbkFromUtf8("/数据/"));
    page->编辑框1->setText("/typed/");
    dialogs.openFileAnswers.push_back(std::nullopt);
    doubleClickFolderBox();
    EXPECT_EQ(folderBox(), gbkFromUtf8("/数据/"));
    // The dialog opens on the file chosen last time.
    EXPECT_EQ(dialogs.callsOf(DialogCall::OpenFile).back().text, gbkFromUtf8("/数据/a.txt"));
}

TEST_F(BatchPageTest, forSplittingTheDialogGivesTheFileItself) {
    choose(BatchOperation::SplitLinesIntoFiles);
    dialogs.openFileAnswers.push_back("/a.txt");
    doubleClickFolderBox();
    EXPECT_EQ(folderBox(), "/a.txt");
    choose(BatchOperation::RenameToSeries);
    dialogs.openFileAnswers.push_back(std::nullopt);
    doubleClickFolderBox();
    EXPECT_EQ(folderBox(), "/");
}

struct DropCase {
    const char* name;
    BatchOperation operation;
    std::vector<const char*> dropped; // under the test folder
    Text expected;                    // with "<f>" for the test folder
};

class Dropping : public BatchPageTest, public ::testing::WithParamInterface<DropCase> {};

INSTANTIATE_TEST_SUITE_P(
    Drops, Dropping,
    ::testing::Values(
        DropCase{"one_file", BatchOperation::RenameToSeries, {"a.txt"}, "<f>/"},
        DropCase{"two_files",
                 BatchOperation::RenameToSeries,
                 {"a.txt", "sub/b.txt"},
                 "<f>/a.txt\r\n<f>/sub/"},
        DropCase{"folder", BatchOperation::RenameToSeries, {"sub"}, "<f>/"},
        DropCase{"one_file_split", BatchOperation::SplitLinesIntoFiles, {"a.txt"}, "<f>/a.txt"},
        DropCase{"two_files_split",
                 BatchOperation::SplitLinesIntoFiles,
                 {"a.txt", "sub/b.txt"},
                 "<f>/a.txt\r\n<f>/sub/b.txt\r\n"},
        DropCase{"folder_split", BatchOperation::SplitLinesIntoFiles, {"sub"}, "<f>/sub"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Dropping, fillsTheFolderBoxFromWhereverItLands) {
    folder.write("a.txt", "A");
    folder.makeFolder("sub");
    folder.write("sub/b.txt", "B");
    QStringList paths;
    for (const char* name : GetParam().dropped) {
        paths.append(toQt(folder / name));
    }
    const Text expected = replaceAll(GetParam().expected, "<f>", folder.path());
    choose(GetParam().operation);
    const std::vector<QWidget*> targets = {page->编辑框3, page->进度条1, otherEditBox, pageControl};
    for (QWidget* target : targets) {
        page->编辑框1->clear();
        EXPECT_TRUE(drop(target, paths)) << target->objectName().toStdString();
        EXPECT_EQ(folderBox(), expected) << target->objectName().toStdString();
    }
}

TEST_F(BatchPageTest, dropsReachControlsAddedLater) {
    auto* later = new QLineEdit(new QWidget(otherPage));
    EXPECT_TRUE(drop(later, {"/srv/x/a.txt"}));
    EXPECT_EQ(folderBox(), "/srv/x/");
}

TEST_F(BatchPageTest, plainTextDragsAreLeftToTheEditBoxes) {
    page->编辑框1->setText("/kept/");
    QMimeData text;
    text.setText("plain");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QSignalSpy dropped(page->拖放对象1, &DropTarget::filesDropped);
    QApplication::sendEvent(page->编辑框3, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page->编辑框3, &drop);
    EXPECT_EQ(dropped.count(), 0);
    EXPECT_EQ(page->编辑框1->text(), "/kept/");
    QMimeData web;
    web.setUrls({QUrl("https://example.org/a.txt")});
    EXPECT_FALSE(dropData(page->编辑框3, web));
}

TEST_F(BatchPageTest, aDroppedNameOutsideGbkSurvivesIntoTheRun) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    folder.makeFolder(fromQt(emoji));
    folder.write(fromQt(emoji) + "/a.txt", "A");
    EXPECT_TRUE(drop(page->编辑框1, {toQt(folder / fromQt(emoji)) + "/a.txt"}));
    page->编辑框3->setText(emoji);
    click();
    EXPECT_EQ(folder.read(fromQt(emoji) + "/" + fromQt(emoji) + "1.txt"), "A");
}

TEST_F(BatchPageTest, theClickShowsTheProgressAndTheFirstTickHidesIt) {
    EXPECT_FALSE(progressShown());
    page->进度条1->setValue(300);
    page->编辑框1->setText(toQt(folder.path()));
    click();
    // A run that finds nothing leaves the bar where it was.
    EXPECT_TRUE(progressShown());
    EXPECT_EQ(page->进度条1->value(), 300);
    EXPECT_EQ(page->时钟8->period(), 1000);
    page->时钟8->fire();
    EXPECT_FALSE(progressShown());
    EXPECT_EQ(page->时钟8->period(), 0);
}

TEST_F(BatchPageTest, aTickDuringTheListingLeavesTheBarUpUntilTheRunEnds) {
    folder.write("a.txt", "A");
    page->编辑框1->setText(toQt(folder.path()));
    page->编辑框3->setText("x");
    bool shownDuringRun = false;
    dialogs.duringCall = [&](const DialogCall& call) {
        if (call.kind == DialogCall::Pump) {
            page->时钟8->fire();
            shownDuringRun = progressShown();
            // The choice changes in the middle of the run.
            choose(BatchOperation::DeleteFiles);
        }
    };
    click();
    EXPECT_TRUE(shownDuringRun);
    EXPECT_TRUE(progressShown());
    EXPECT_EQ(page->进度条1->value(), 1000);
    // Only the operation chosen at the click ran.
    EXPECT_EQ(folder.names(), std::vector<Text>{"x1.txt"});
    page->时钟8->fire();
    EXPECT_FALSE(progressShown());
}

TEST_F(BatchPageTest, mergeWritesFileBytesUntouchedAndEmptiesTheContentBox) {
    folder.write("a.txt", "\xE4\xB9\x99 utf-8\r\n");
    folder.write("b.txt", "\xFF\xFE\x81");
    page->编辑框1->setText(toQt(folder.path()));
    page->编辑框4->setText(QString::fromUtf8("前言"));
    choose(BatchOperation::MergeIntoSummary);
    click();
    EXPECT_EQ(folder.read(summaryFileName()),
              gbkFromUtf8("前言") + "\xE4\xB9\x99 utf-8\r\n\xFF\xFE\x81");
    EXPECT_EQ(page->编辑框4->text(), "");
}

TEST_F(BatchPageTest, generateWritesTheTypedContentAndAFullWidthCount) {
    page->编辑框1->setText(toQt(folder.path()));
    page->编辑框3->setText(QString::fromUtf8("２"));
    page->编辑框4->setText(QString::fromUtf8("内容\xF0\x9F\x98\x80"));
    choose(BatchOperation::GenerateFiles);
    click();
    EXPECT_EQ(folder.names(), (std::vector<Text>{"1.txt", "2.txt"}));
    EXPECT_EQ(folder.read("2.txt"), fromQt(QString::fromUtf8("内容\xF0\x9F\x98\x80")));
    EXPECT_EQ(page->编辑框4->text(), QString::fromUtf8("内容\xF0\x9F\x98\x80"));
    page->编辑框3->setText("-2");
    page->编辑框2->setText("md");
    click();
    EXPECT_EQ(folder.names(), (std::vector<Text>{"1.txt", "2.txt"}));
}

TEST_F(BatchPageTest, splittingSetsTheTypeBoxAndFillsTheFolder) {
    folder.write("source.txt", "a b\r\nc");
    page->编辑框1->setText(toQt(folder / "source.txt"));
    page->编辑框2->setText("jpg");
    choose(BatchOperation::SplitLinesIntoFiles);
    click();
    EXPECT_EQ(page->编辑框2->text(), "txt");
    EXPECT_EQ(folder.read("a.TXT"), "a\r\nb\r\n");
    EXPECT_EQ(folder.read("c.TXT"), "c\r\n");
    EXPECT_EQ(page->进度条1->value(), 1000);
}

} // namespace
