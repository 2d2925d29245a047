#include "batch/BatchPage.h"

#include "batch/BatchOperations.h"
#include "batch/BatchPageRules.h"
#include "batch/DropTarget.h"
#include "batch/EditBoxFields.h"
#include "batch/PumpThrottle.h"
#include "common/Codec.h"
#include "common/Dialogs.h"
#include "common/FormLayout.h"
#include "common/FormTimer.h"
#include "common/Services.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

QLabel* label(QWidget* parent, const char* name, int left, int top, const char* caption) {
    return placeControl(new QLabel(QString::fromUtf8(caption), parent), name, left, top, 56, 24);
}

QLineEdit* editBox(QWidget* parent, const char* name, int left, int top) {
    return placeControl(new QLineEdit(parent), name, left, top, 328, 24);
}

// Counts a run for as long as it works, however it ends.
class RunInProgress {
public:
    explicit RunInProgress(int& runs) : runs_(runs) { ++runs_; }
    ~RunInProgress() { --runs_; }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

private:
    int& runs_;
};

} // namespace

BatchPage::BatchPage(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("批量操作");
    组合框1 = placeControl(new QComboBox(this), "组合框1", 12, 16, 416, 20);
    for (const char* item :
         {"批量更改文件名", "批量更改扩展名", "批量生成文件", "批量删除文件", "txt合并（汇总.txt）",
          "每行拆分新TXT（1空格换行，第一行为文档标题）"}) {
        组合框1->addItem(QString::fromUtf8(item));
    }
    组合框1->setCurrentIndex(0);
    标签1 = label(this, "标签1", 30, 55, "文件目录：");
    编辑框1 = editBox(this, "编辑框1", 90, 56);
    标签2 = label(this, "标签2", 30, 90, "文件类型：");
    编辑框2 = editBox(this, "编辑框2", 90, 88);
    编辑框2->setText("txt");
    标签3 = label(this, "标签3", 30, 120, "取前缀名：");
    编辑框3 = editBox(this, "编辑框3", 90, 120);
    标签4 = label(this, "标签4", 30, 150, "生成内容：");
    编辑框4 = editBox(this, "编辑框4", 90, 152);
    按钮8 =
        placeControl(new QPushButton(QString::fromUtf8("确认"), this), "按钮8", 340, 200, 72, 24);
    标签进度条 = placeControl(new QLabel(QString::fromUtf8("处理进度："), this), "标签进度条", 28,
                              232, 56, 16);
    进度条1 = placeControl(new QProgressBar(this), "进度条1", 92, 232, 328, 20);
    进度条1->setRange(0, 1000);
    进度条1->setValue(0);
    进度条1->setTextVisible(false);

    // Each caption names its box for a screen reader, whatever the caption reads now.
    标签1->setBuddy(编辑框1);
    标签2->setBuddy(编辑框2);
    标签3->setBuddy(编辑框3);
    标签4->setBuddy(编辑框4);
    标签进度条->setBuddy(进度条1);

    拖放对象1 = new DropTarget(this);
    拖放对象1->setObjectName("拖放对象1");
    fields_ = std::make_unique<EditBoxFields>(编辑框1, 编辑框2, 编辑框3, 编辑框4);

    时钟5 = new FormTimer("时钟5", 1000, this);
    时钟8 = new FormTimer("时钟8", 0, this);

    connect(时钟5, &FormTimer::tick, this, &BatchPage::relabel);
    connect(时钟8, &FormTimer::tick, this, &BatchPage::hideProgressDisplay);
    connect(按钮8, &QPushButton::clicked, this, &BatchPage::runChosenOperation);
    connect(拖放对象1, &DropTarget::filesDropped, this, &BatchPage::fillFolderFromDrop);
    编辑框1->installEventFilter(this);
}

BatchPage::~BatchPage() = default;

void BatchPage::registerDropTarget(QWidget* pageControl) {
    拖放对象1->attach(pageControl);
}

void BatchPage::resetProgressDisplay() {
    时钟8->setPeriod(0);
    进度条1->setValue(0);
    进度条1->hide();
    标签进度条->hide();
}

bool BatchPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 编辑框1 && event->type() == QEvent::MouseButtonDblClick) {
        chooseFolderByDialog();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BatchPage::relabel() {
    const BatchPageLabels labels = batchPageLabelsFor(组合框1->currentIndex());
    if (labels.folderCaption) {
        标签1->setText(toQt(*labels.folderCaption));
    }
    if (labels.parameterCaption) {
        标签3->setText(toQt(*labels.parameterCaption));
    }
    标签3->setVisible(labels.parameterRowVisible);
    编辑框3->setVisible(labels.parameterRowVisible);
    标签4->setVisible(labels.contentRowVisible);
    编辑框4->setVisible(labels.contentRowVisible);
}

void BatchPage::chooseFolderByDialog() {
    // Whichever button closes the dialog, its file name is the one chosen now or last time.
    dialogFileName_ = services_.dialogs.openFileDialog(dialogFileName_);
    fields_->write(BatchField::Folder, folderTextFor(组合框1->currentIndex(), dialogFileName_));
}

void BatchPage::fillFolderFromDrop(const QStringList& paths) {
    std::vector<Text> dropped;
    dropped.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        dropped.push_back(fromQt(path));
    }
    fields_->write(BatchField::Folder,
                   folderTextFor(组合框1->currentIndex(), droppedPathsText(dropped)));
}

void BatchPage::runChosenOperation() {
    进度条1->show();
    标签进度条->show();
    时钟8->setPeriod(1000);
    // The operation chosen at the click is the one run, even if the choice changes while a
    // listing lets events through: one click never starts a second operation.
    const int operation = 组合框1->currentIndex();
    const RunInProgress running(runsInProgress_);
    PumpThrottle pump(services_.clock, [this] { services_.dialogs.pumpPendingMessages(); });
    runBatchOperation(operation, {*fields_, [this](int position) { 进度条1->setValue(position); },
                                  [&pump] { pump(); }});
}

void BatchPage::hideProgressDisplay() {
    // A tick that comes while a run still works (through a listing) leaves the bar up; the
    // next tick after the run hides it.
    if (runsInProgress_ > 0) {
        return;
    }
    进度条1->hide();
    标签进度条->hide();
    时钟8->setPeriod(0);
}
