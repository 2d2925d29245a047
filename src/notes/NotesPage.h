#pragma once
// Page 2 "备忘笔记": the notes list, its popup menu, and in-place cell editing.

#include <QWidget>

class QLineEdit;
class QTreeWidget;
struct Services;

class NotesPage : public QWidget {
    Q_OBJECT
public:
    NotesPage(Services& services, QWidget* parent);

    // The notes operation "读取", run once when the main window is created.
    void readNotes();

    QTreeWidget* 超级列表框1 = nullptr;
    QLineEdit* 编辑框6 = nullptr;

private:
    Services& services_;
};
