#include "notes/NotesPage.h"

#include "common/Codec.h"
#include "common/FormLayout.h"
#include "common/ProgramState.h"
#include "common/Services.h"
#include "notes/CellGeometry.h"
#include "notes/NotesFile.h"
#include "notes/PressedCellDelegate.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeWidget>

#include <limits>

namespace {

// The upper-left corner of a row in the list's viewport, following the list's scrolling.
QPoint rowCorner(const QTreeWidget& list, int row) {
    return {list.header()->sectionViewportPosition(0),
            list.visualRect(list.model()->index(row, 0)).top()};
}

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

NotesPage::NotesPage(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("备忘笔记");
    超级列表框1 = placeControl(new QTreeWidget(this), "超级列表框1", 0, 10, 430, 254);
    超级列表框1->setRootIsDecorated(false);
    超级列表框1->setUniformRowHeights(true);
    超级列表框1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    超级列表框1->setColumnCount(kNoteColumns);
    超级列表框1->setHeaderLabels({QString::fromUtf8("序号"), QString::fromUtf8("标题"),
                                  QString::fromUtf8("内容"), QString::fromUtf8("备注")});
    const int widths[kNoteColumns] = {45, 80, 250, 100};
    for (int column = 0; column < kNoteColumns; ++column) {
        超级列表框1->setColumnWidth(column, widths[column]);
    }
    超级列表框1->header()->setStretchLastSection(false);
    超级列表框1->header()->setSectionsClickable(false);
    // Columns keep their order: the editor's place and the file's columns both depend on it.
    超级列表框1->header()->setSectionsMovable(false);
    pressedCellFrame_ = new PressedCellDelegate(超级列表框1);
    超级列表框1->setItemDelegate(pressedCellFrame_);
    超级列表框1->viewport()->installEventFilter(this);
    超级列表框1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(超级列表框1, &QWidget::customContextMenuRequested, this, &NotesPage::showNotesMenu);

    编辑框6 = placeControl(new QLineEdit(this), "编辑框6", 132, 72, 0, 24);
    // Only an edit opened by a double click may write into a cell: the unseen editor must not
    // be reached with the Tab key.
    编辑框6->setFocusPolicy(Qt::ClickFocus);
    // A cell is handed to the editor whole, however long, so leaving the editor never cuts it.
    编辑框6->setMaxLength(std::numeric_limits<int>::max());
    编辑框6->installEventFilter(this);
    超级列表框1->setAccessibleName(QString::fromUtf8("笔记"));
    编辑框6->setAccessibleName(QString::fromUtf8("编辑单元格"));

    buildMenu();
}

void NotesPage::buildMenu() {
    笔记 = new QMenu(QString::fromUtf8("笔记"), this);
    笔记->setObjectName("笔记");
    加一条 = 笔记->addAction(QString::fromUtf8("加一条"));
    删一条 = 笔记->addAction(QString::fromUtf8("删一条"));
    保存 = 笔记->addAction(QString::fromUtf8("保存"));
    清空 = 笔记->addAction(QString::fromUtf8("清空"));
    读取 = 笔记->addAction(QString::fromUtf8("读取"));
    connect(加一条, &QAction::triggered, this, &NotesPage::addNote);
    connect(删一条, &QAction::triggered, this, &NotesPage::deleteNote);
    connect(保存, &QAction::triggered, this, &NotesPage::saveNotes);
    connect(清空, &QAction::triggered, this, &NotesPage::clearNotes);
    connect(读取, &QAction::triggered, this, &NotesPage::readNotes);
}

void NotesPage::showNotesMenu(const QPoint& point) {
    笔记->popup(超级列表框1->viewport()->mapToGlobal(point));
}

void NotesPage::addNote() {
    const NoteRow row = newNoteRow(static_cast<std::size_t>(超级列表框1->topLevelItemCount()));
    auto* item = new QTreeWidgetItem;
    for (int column = 0; column < kNoteColumns; ++column) {
        item->setText(column, toQt(row[static_cast<std::size_t>(column)]));
    }
    超级列表框1->addTopLevelItem(item);
}

void NotesPage::deleteNote() {
    const int count = 超级列表框1->topLevelItemCount();
    if (count > 0) {
        delete 超级列表框1->takeTopLevelItem(count - 1);
    }
}

void NotesPage::clearNotes() {
    超级列表框1->clear();
}

void NotesPage::saveNotes() {
    saveNotesAndReport(notesFilePath(services_.paths.documentsDir), rows(), services_.dialogs);
}

void NotesPage::readNotes() {
    超级列表框1->clear();
    const std::vector<NoteRow> notes = readNotesFile(notesFilePath(services_.paths.documentsDir));
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(notes.size()));
    for (const NoteRow& row : notes) {
        QStringList cells;
        cells.reserve(kNoteColumns);
        for (const Text& cell : row) {
            cells.append(toQt(cell));
        }
        items.append(new QTreeWidgetItem(cells));
    }
    超级列表框1->addTopLevelItems(items);
}

std::vector<NoteRow> NotesPage::rows() const {
    const int count = 超级列表框1->topLevelItemCount();
    std::vector<NoteRow> result(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = 超级列表框1->topLevelItem(i);
        for (int column = 0; column < kNoteColumns; ++column) {
            result[static_cast<std::size_t>(i)][static_cast<std::size_t>(column)] =
                fromQt(item->text(column));
        }
    }
    return result;
}

std::vector<int> NotesPage::columnWidths() const {
    std::vector<int> widths;
    for (int column = 0; column < kNoteColumns; ++column) {
        widths.push_back(超级列表框1->header()->sectionSize(column));
    }
    return widths;
}

void NotesPage::hitTest(const QPoint& point) {
    CellHitInfo& hit = services_.state.cellHitInfo;
    hit.x = point.x();
    hit.y = point.y();
    const QModelIndex cell = 超级列表框1->indexAt(point);
    hit.flags = cell.isValid() ? CellHit::OnItemLabel : CellHit::Nowhere;
    hit.row = cell.isValid() ? cell.row() : -1;
    hit.column = cell.isValid() ? cell.column() : -1;
}

void NotesPage::pressInList(const QPoint& point) {
    hitTest(point);
    超级列表框1->clearSelection();
    const CellHitInfo& hit = services_.state.cellHitInfo;
    if (hit.row < 0) {
        pressedCellFrame_->setPressedCell({});
        return;
    }
    const QPoint corner = rowCorner(*超级列表框1, hit.row);
    const QModelIndex cell = 超级列表框1->model()->index(hit.row, hit.column);
    services_.state.pressedCellRectangle = cellFrameRectangle(
        corner.x(), corner.y(), columnWidths(), hit.column, 超级列表框1->visualRect(cell).height());
    pressedCellFrame_->setPressedCell(cell);
}

void NotesPage::openCellEditor(const QPoint& point) {
    // A double click during an edit first takes the focus to the list, which ends that edit.
    if (编辑框6->hasFocus()) {
        超级列表框1->setFocus(Qt::MouseFocusReason);
    }
    hitTest(point);
    超级列表框1->clearSelection();
    pressedCellFrame_->setPressedCell({});
    const CellHitInfo& hit = services_.state.cellHitInfo;
    if (hit.row < 0) {
        return;
    }
    const QPoint corner = rowCorner(*超级列表框1, hit.row);
    const QPoint viewport = 超级列表框1->viewport()->pos();
    const CellEditorPlace place =
        cellEditorPlace(超级列表框1->x() + viewport.x(), 超级列表框1->y() + viewport.y(),
                        corner.x(), corner.y(), columnWidths(), hit.column);
    编辑框6->setGeometry(place.left, place.top, place.width, 编辑框6->height());
    编辑框6->setText(超级列表框1->topLevelItem(hit.row)->text(hit.column));
    编辑框6->show();
    // The list stays as it is on screen until the editor loses the focus.
    超级列表框1->setUpdatesEnabled(false);
    编辑框6->setFocus(Qt::MouseFocusReason);
    编辑框6->selectAll();
}

void NotesPage::editorGotFocus() {
    noteEditRow = services_.state.cellHitInfo.row;
    noteEditColumn = services_.state.cellHitInfo.column;
}

void NotesPage::editorEnterReleased() {
    // A hidden editor cannot keep the keyboard focus: the list takes it back, which ends the
    // edit as leaving the editor does.
    超级列表框1->setFocus(Qt::OtherFocusReason);
    编辑框6->hide();
    writeEditorText();
    if (!超级列表框1->updatesEnabled()) {
        超级列表框1->setUpdatesEnabled(true);
    }
}

void NotesPage::editorLostFocus() {
    writeEditorText();
    编辑框6->hide();
    超级列表框1->setUpdatesEnabled(true);
}

void NotesPage::writeEditorText() {
    if (noteEditRow < 0 || noteEditRow >= 超级列表框1->topLevelItemCount() || noteEditColumn < 0 ||
        noteEditColumn >= kNoteColumns) {
        return;
    }
    超级列表框1->topLevelItem(noteEditRow)->setText(noteEditColumn, 编辑框6->text());
}

bool NotesPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 超级列表框1->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                               event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            pressInList(mouse->position().toPoint());
            return false;
        }
        openCellEditor(mouse->position().toPoint());
        return true;
    }
    if (watched == 编辑框6) {
        // The editor's own context menu takes the focus for a moment; that is not leaving it.
        switch (event->type()) {
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                editorGotFocus();
            }
            break;
        case QEvent::FocusOut:
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                editorLostFocus();
            }
            break;
        case QEvent::KeyPress:
            // Enter belongs to the edit: passed on, it would reach the main window, a dialog,
            // and press its default button.
            return isEnterKey(static_cast<QKeyEvent*>(event)->key());
        case QEvent::KeyRelease:
            if (isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
                editorEnterReleased();
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
