#include "notes/NotesPage.h"
#include "WidgetTest.h"
#include "app/MainWindow.h"
#include "common/Codec.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <random>

namespace {

Text g(const char* utf8) {
    return gbkFromUtf8(utf8);
}

NoteRow row(const char* number, const char* title, const char* content, const char* remark) {
    return {g(number), g(title), g(content), g(remark)};
}

class NotesPageTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        page = std::make_unique<NotesPage>(services, nullptr);
        page->resize(440, 280);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }

    void TearDown() override {
        page.reset();
        WidgetTest::TearDown();
    }

    QString notesFileName() const { return documentsDir() + "/test.txt"; }

    void putNotesFile(const std::string& bytes) const {
        QFile file(notesFileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string notesFileBytes() const {
        QFile file(notesFileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }

    // Puts rows into the list through the file and the operation "读取".
    void showRows(const std::vector<NoteRow>& rows) {
        std::string text = "[x]\r\n";
        for (const NoteRow& r : rows) {
            text += r[0] + "=" + r[1] + g("，") + r[2] + g("，") + r[3] + "\r\n";
        }
        putNotesFile(text);
        page->readNotes();
    }

    std::vector<NoteRow> numberedRows(int count) {
        std::vector<NoteRow> rows;
        for (int i = 0; i < count; ++i) {
            rows.push_back({decimal(i), g("标题") + decimal(i), g("内容") + decimal(i),
                            g("备注") + decimal(i)});
        }
        return rows;
    }

    QTreeWidget& list() { return *page->超级列表框1; }
    QLineEdit& editor() { return *page->编辑框6; }
    QWidget& viewport() { return *list().viewport(); }

    QPoint cellPoint(int row, int column) {
        return list().visualRect(list().model()->index(row, column)).center();
    }

    void doubleClickCell(int row, int column) {
        QTest::mouseDClick(&viewport(), Qt::LeftButton, {}, cellPoint(row, column));
    }

    Text cell(int row, int column) { return fromQt(list().topLevelItem(row)->text(column)); }

    std::unique_ptr<NotesPage> page;
};

// --- The popup menu and its operations ---

TEST_F(NotesPageTest, RightClickInTheListOpensTheNotesMenu) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 30),
                            viewport().mapToGlobal(QPoint(20, 30)));
    QApplication::sendEvent(&viewport(), &click);
    EXPECT_TRUE(page->笔记->isVisible());
    EXPECT_EQ(page->笔记->title(), QString::fromUtf8("笔记"));
    QStringList items;
    for (QAction* action : page->笔记->actions()) {
        items << action->text();
    }
    EXPECT_EQ(items, QString::fromUtf8("加一条 删一条 保存 清空 读取").split(' '));
    page->笔记->close();
}

TEST_F(NotesPageTest, AddedRowsAreNumberedByTheRowsBeforeThem) {
    for (int i = 0; i < 3; ++i) {
        page->加一条->trigger();
    }
    EXPECT_EQ(page->rows(),
              (std::vector<NoteRow>{{"0", "", "", ""}, {"1", "", "", ""}, {"2", "", "", ""}}));
    page->删一条->trigger();
    page->加一条->trigger();
    EXPECT_EQ(page->rows().back(), (NoteRow{"2", "", "", ""}));
    EXPECT_EQ(page->rows().size(), 3u);
}

TEST_F(NotesPageTest, DeleteRemovesTheLastRowWhateverIsSelected) {
    showRows(numberedRows(3));
    list().setCurrentItem(list().topLevelItem(0));
    page->删一条->trigger();
    EXPECT_EQ(page->rows(), numberedRows(2));
}

TEST_F(NotesPageTest, DeleteOnAnEmptyListChangesNothingAndShowsNothing) {
    page->删一条->trigger();
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(NotesPageTest, ClearRemovesAllRowsAndLeavesTheFile) {
    showRows(numberedRows(2));
    const std::string before = notesFileBytes();
    page->清空->trigger();
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_EQ(notesFileBytes(), before);
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(NotesPageTest, SaveThenReadGivesBackEveryCellAndReportsSuccess) {
    const std::vector<NoteRow> rows{row("1", "买菜", "白菜，萝卜", "周六前"), row("", "", "", "")};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        page->加一条->trigger();
        for (int c = 0; c < 4; ++c) {
            list()
                .topLevelItem(static_cast<int>(r))
                ->setText(c, toQt(rows[r][static_cast<std::size_t>(c)]));
        }
    }
    page->保存->trigger();
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].text, g("保存成功"));
    EXPECT_EQ(dialogs.boxes()[0].title, g("提示信息："));
    EXPECT_EQ(dialogs.boxes()[0].style, MessageStyle::Ok | MessageStyle::IconInformation);
    EXPECT_EQ(notesFileBytes(), g("[自定义名称]\r\n1=买菜，白菜，萝卜，周六前\r\n=，，\r\n"));

    page->清空->trigger();
    page->读取->trigger();
    EXPECT_EQ(page->rows(), rows);
    // Reading starts from an empty list: a second reading does not double the rows.
    page->读取->trigger();
    EXPECT_EQ(page->rows(), rows);
    EXPECT_EQ(dialogs.boxes().size(), 1u);
}

TEST_F(NotesPageTest, FailedSaveIsReportedAndKeepsTheListUsable) {
    showRows(numberedRows(2));
    QFile::remove(notesFileName());
    QDir(documentsDir()).removeRecursively();
    QFile blocker(documentsDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    page->保存->trigger();
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].text, g("保存失败"));
    EXPECT_EQ(dialogs.boxes()[0].title, g("提示信息："));
    EXPECT_EQ(dialogs.boxes()[0].style, MessageStyle::Ok | MessageStyle::IconWarning);
    EXPECT_EQ(page->rows(), numberedRows(2));
    page->加一条->trigger();
    EXPECT_EQ(page->rows().size(), 3u);
}

TEST_F(NotesPageTest, MissingFileReadsAsAnEmptyListWithoutAMessage) {
    showRows(numberedRows(2));
    QFile::remove(notesFileName());
    page->读取->trigger();
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(NotesPageTest, GarbageFileReadsAndSavesWithoutHarm) {
    std::mt19937 random(5);
    std::string garbage(2 << 20, '\0');
    for (char& byte : garbage) {
        byte = static_cast<char>(random());
    }
    // Plenty of line ends and separators, and lead bytes right before them.
    for (std::size_t i = 0; i + 4 < garbage.size(); i += 997) {
        garbage.replace(i, 4, "\xB0\r\n=");
    }
    putNotesFile(garbage);
    page->读取->trigger();
    EXPECT_GT(list().topLevelItemCount(), 100);
    page->保存->trigger();
    EXPECT_EQ(dialogs.boxes().back().text, g("保存成功"));
}

TEST_F(NotesPageTest, TheMainWindowShowsTheSavedNotesAtStart) {
    putNotesFile(g("[自定义名称]\r\n0=标题，内容，\r\n"));
    MainWindow window(services);
    EXPECT_EQ(window.notesPage->rows(), (std::vector<NoteRow>{row("0", "标题", "内容", "")}));
}

// --- Pressing and double-clicking cells ---

TEST_F(NotesPageTest, PressFillsTheHitRecordAndSelectsThePressedRow) {
    showRows(numberedRows(3));
    list().setCurrentItem(list().topLevelItem(0));
    QTest::mouseClick(&viewport(), Qt::LeftButton, {}, cellPoint(2, 1));
    const CellHitInfo& hit = state.cellHitInfo;
    EXPECT_EQ(hit.row, 2);
    EXPECT_EQ(hit.column, 1);
    EXPECT_EQ(QPoint(hit.x, hit.y), cellPoint(2, 1));
    EXPECT_EQ(list().selectedItems(), QList<QTreeWidgetItem*>{list().topLevelItem(2)});

    const QRect cellRect = list().visualRect(list().model()->index(2, 1));
    EXPECT_EQ(state.pressedCellRectangle.left, cellRect.left());
    EXPECT_EQ(state.pressedCellRectangle.top, cellRect.top());
    EXPECT_EQ(state.pressedCellRectangle.right, cellRect.left() + 80 - 2);
    EXPECT_EQ(state.pressedCellRectangle.bottom, cellRect.bottom());
}

// The frame follows the last pressed cell and leaves the cell pressed before.
TEST_F(NotesPageTest, PressedCellIsFramedInBlack) {
    showRows(numberedRows(3));
    auto frameAt = [this](int row, int column) {
        const QRect cellRect = list().visualRect(list().model()->index(row, column));
        const QImage image = viewport().grab().toImage();
        return image.pixelColor(cellRect.left(), cellRect.center().y()) == QColor(Qt::black);
    };
    QTest::mouseClick(&viewport(), Qt::LeftButton, {}, cellPoint(1, 1));
    EXPECT_TRUE(frameAt(1, 1));
    QTest::mouseClick(&viewport(), Qt::LeftButton, {}, cellPoint(2, 2));
    EXPECT_FALSE(frameAt(1, 1));
    EXPECT_TRUE(frameAt(2, 2));
}

TEST_F(NotesPageTest, DoubleClickBelowTheLastRowOpensNothing) {
    showRows(numberedRows(2));
    list().setCurrentItem(list().topLevelItem(1));
    const QRect lastRow = list().visualRect(list().model()->index(1, 0));
    QTest::mouseDClick(&viewport(), Qt::LeftButton, {}, QPoint(20, lastRow.bottom() + 40));
    EXPECT_EQ(state.cellHitInfo.row, -1);
    EXPECT_TRUE(list().selectedItems().isEmpty());
    EXPECT_EQ(editor().width(), 0);
    EXPECT_FALSE(editor().hasFocus());
    EXPECT_TRUE(list().updatesEnabled());
}

struct PlaceCase {
    const char* name;
    int column;
    int columnStart; // pixels from the row's left edge
    int columnWidth;
};

class EditorPlace : public NotesPageTest, public ::testing::WithParamInterface<PlaceCase> {};

// The list scrolled sideways and down: the editor still lands on the double-clicked cell.
TEST_P(EditorPlace, EditorLiesOverTheCellOfTheScrolledList) {
    showRows(numberedRows(40));
    list().scrollToItem(list().topLevelItem(25), QAbstractItemView::PositionAtTop);
    list().horizontalScrollBar()->setValue(30);
    ASSERT_EQ(list().horizontalScrollBar()->value(), 30);
    const int topRow = list().indexAt(QPoint(1, 1)).row();
    ASSERT_GT(topRow, 0);
    const int row = topRow + 3;
    const int rowHeight = list().visualRect(list().model()->index(row, 0)).height();

    doubleClickCell(row, GetParam().column);

    const QPoint listCorner = list().pos() + viewport().pos();
    EXPECT_EQ(editor().x(), listCorner.x() - 30 + GetParam().columnStart);
    EXPECT_EQ(editor().y(), listCorner.y() + 3 * rowHeight + 1);
    EXPECT_EQ(editor().width(), GetParam().columnWidth);
    EXPECT_EQ(editor().height(), 24);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_EQ(fromQt(editor().text()), cell(row, GetParam().column));
}

INSTANTIATE_TEST_SUITE_P(NotesPage, EditorPlace,
                         ::testing::Values(PlaceCase{"number_cell", 0, 0, 45},
                                           PlaceCase{"remark_cell", 3, 375, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NotesPageTest, EditorOpensFocusedWithTheWholeTextSelectedAndTheListHeld) {
    showRows(numberedRows(3));
    doubleClickCell(1, 2);
    EXPECT_TRUE(editor().hasFocus());
    EXPECT_EQ(editor().selectedText(), editor().text());
    EXPECT_EQ(fromQt(editor().text()), g("内容1"));
    EXPECT_EQ(page->noteEditRow, 1);
    EXPECT_EQ(page->noteEditColumn, 2);
    EXPECT_TRUE(list().selectedItems().isEmpty());
    EXPECT_FALSE(list().updatesEnabled());
    EXPECT_FALSE(viewport().updatesEnabled());
}

TEST_F(NotesPageTest, EnterWritesTheTypedTextOnceAndEndsTheEdit) {
    showRows(numberedRows(3));
    QSignalSpy writes(&list(), &QTreeWidget::itemChanged);
    doubleClickCell(1, 3);
    QTest::keyClicks(&editor(), "new");
    QTest::keyClick(&editor(), Qt::Key_Return);

    EXPECT_EQ(cell(1, 3), "new");
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(list().hasFocus());
    EXPECT_TRUE(list().updatesEnabled());
    // The later loss of focus writes the same text again, which nobody sees.
    EXPECT_EQ(writes.count(), 1);
    page->保存->trigger();
    EXPECT_NE(notesFileBytes().find(g("=标题1，内容1，new\r\n")), std::string::npos);
}

TEST_F(NotesPageTest, LeavingTheEditorWritesItsTextEvenWithoutEnter) {
    showRows(numberedRows(3));
    doubleClickCell(2, 0);
    QTest::keyClick(&editor(), Qt::Key_Backspace);
    list().setFocus(Qt::MouseFocusReason);

    EXPECT_EQ(cell(2, 0), "");
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(list().updatesEnabled());
}

TEST_F(NotesPageTest, TheEditorsOwnContextMenuDoesNotEndTheEdit) {
    showRows(numberedRows(1));
    doubleClickCell(0, 1);
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(&editor(), &popupOut);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_FALSE(list().updatesEnabled());
}

TEST_F(NotesPageTest, DoubleClickDuringAnEditEndsItAndOpensTheNewCell) {
    showRows(numberedRows(3));
    doubleClickCell(0, 1);
    QTest::keyClicks(&editor(), "first");
    doubleClickCell(2, 2);

    EXPECT_EQ(cell(0, 1), "first");
    EXPECT_EQ(page->noteEditRow, 2);
    EXPECT_EQ(page->noteEditColumn, 2);
    EXPECT_EQ(fromQt(editor().text()), g("内容2"));
    EXPECT_TRUE(editor().hasFocus());
}

TEST_F(NotesPageTest, WritingToARowThatNoLongerExistsDoesNothing) {
    showRows(numberedRows(3));
    doubleClickCell(2, 1);
    page->deleteNote();
    page->deleteNote();
    page->editorLostFocus();
    EXPECT_EQ(page->rows(), numberedRows(1));
    EXPECT_TRUE(list().updatesEnabled());
}

TEST_F(NotesPageTest, ALongCellSurvivesOpeningAndLeavingTheEditor) {
    const std::string longText(40000, 'x');
    showRows({{"0", longText, "", ""}});
    doubleClickCell(0, 1);
    list().setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(cell(0, 1), longText);
}

// In the main window, a dialog, Enter would otherwise also press the window's default button.
TEST_F(NotesPageTest, EnterInTheEditorOfTheMainWindowOnlyEndsTheEdit) {
    putNotesFile(g("[自定义名称]\r\n0=标题，内容，\r\n"));
    MainWindow window(services);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.showPage(2);
    auto* defaultButton = new QPushButton(&window);
    defaultButton->setDefault(true);
    defaultButton->show();
    QSignalSpy defaultClicks(defaultButton, &QPushButton::clicked);
    QTreeWidget& notesList = *window.notesPage->超级列表框1;
    QTest::mouseDClick(notesList.viewport(), Qt::LeftButton, {},
                       notesList.visualRect(notesList.model()->index(0, 1)).center());
    ASSERT_TRUE(window.notesPage->编辑框6->hasFocus());
    QTest::keyClicks(window.notesPage->编辑框6, "x");
    QTest::keyClick(window.notesPage->编辑框6, Qt::Key_Return);

    EXPECT_EQ(defaultClicks.count(), 0);
    EXPECT_EQ(window.选择夹2->currentIndex(), 2);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(fromQt(notesList.topLevelItem(0)->text(1)), "x");
    EXPECT_TRUE(dialogs.boxes().empty());
    EXPECT_EQ(endProgramCalls, 0);
}

// The unseen editor is not a stop of the Tab key, so tabbing around writes into no cell.
TEST_F(NotesPageTest, TabbingAroundNeverWritesIntoACell) {
    showRows(numberedRows(2));
    list().setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_FALSE(editor().hasFocus());
    EXPECT_EQ(page->rows(), numberedRows(2));
}

} // namespace
