#pragma once
// Page 1 "批量操作": batch file operations over one folder, with a progress bar.

#include "common/Text.h"

#include <QWidget>
#include <memory>

class DropTarget;
class EditBoxFields;
class FormTimer;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
struct Services;

class BatchPage : public QWidget {
    Q_OBJECT
public:
    BatchPage(Services& services, QWidget* parent);
    ~BatchPage() override;

    // Duties of the main window's creation: files dropped anywhere on `pageControl` arrive
    // here; the progress display starts hidden.
    void registerDropTarget(QWidget* pageControl);
    void resetProgressDisplay();

    QComboBox* 组合框1 = nullptr;
    QLabel* 标签1 = nullptr;
    QLineEdit* 编辑框1 = nullptr;
    QLabel* 标签2 = nullptr;
    QLineEdit* 编辑框2 = nullptr;
    QLabel* 标签3 = nullptr;
    QLineEdit* 编辑框3 = nullptr;
    QLabel* 标签4 = nullptr;
    QLineEdit* 编辑框4 = nullptr;
    QPushButton* 按钮8 = nullptr;
    QLabel* 标签进度条 = nullptr;
    QProgressBar* 进度条1 = nullptr;
    DropTarget* 拖放对象1 = nullptr;

    FormTimer* 时钟5 = nullptr; // relabels the page
    FormTimer* 时钟8 = nullptr; // hides the progress bar after a run

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void relabel();
    void chooseFolderByDialog();
    void fillFolderFromDrop(const QStringList& paths);
    void runChosenOperation();
    void hideProgressDisplay();

private:
    Services& services_;
    std::unique_ptr<EditBoxFields> fields_;
    // 通用对话框1 opens on the file chosen last time.
    Text dialogFileName_;
    // Runs in progress: a run's listing lets events run, another click among them.
    int runsInProgress_ = 0;
};
