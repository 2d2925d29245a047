#pragma once
// Page 2 "备忘笔记": the notes list, its popup menu, and in-place cell editing.

#include "notes/NoteRow.h"

#include <QWidget>

#include <vector>

class PressedCellDelegate;
class QAction;
class QLineEdit;
class QMenu;
class QTreeWidget;
struct Services;

class NotesPage : public QWidget {
    Q_OBJECT
public:
    NotesPage(Services& services, QWidget* parent);

    // The five operations of the popup menu "笔记". "读取" also runs once when the main
    // window is created.
    void addNote();    // "加一条"
    void deleteNote(); // "删一条"
    void saveNotes();  // "保存"
    void clearNotes(); // "清空"
    void readNotes();  // "读取"

    // The list's rows, top to bottom, as the notes file stores them.
    std::vector<NoteRow> rows() const;

    // The list's mouse handlers, at a point in the coordinates of the list's viewport.
    void pressInList(const QPoint& point);
    void openCellEditor(const QPoint& point);
    // The editor's handlers.
    void editorGotFocus();
    void editorEnterReleased();
    void editorLostFocus();

    QTreeWidget* 超级列表框1 = nullptr;
    QLineEdit* 编辑框6 = nullptr;
    QMenu* 笔记 = nullptr;
    QAction* 加一条 = nullptr;
    QAction* 删一条 = nullptr;
    QAction* 保存 = nullptr;
    QAction* 清空 = nullptr;
    QAction* 读取 = nullptr;

    // The cell the editor writes back to, fixed each time the editor receives the focus.
    int noteEditRow = 0;
    int noteEditColumn = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void showNotesMenu(const QPoint& point);
    void hitTest(const QPoint& point);
    void writeEditorText();
    std::vector<int> columnWidths() const;

    Services& services_;
    PressedCellDelegate* pressedCellFrame_ = nullptr;
};
