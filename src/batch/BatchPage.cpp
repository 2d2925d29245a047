#include "batch/BatchPage.h"

#include "common/Codec.h"
#include "common/FormLayout.h"
#include "common/FormTimer.h"
#include "common/Services.h"

#include <QComboBox>
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

} // namespace

BatchPage::BatchPage(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("批量操作");
    组合框1 = placeControl(new QComboBox(this), "组合框1", 12, 16, 416, 20);
    for (const char* item : {"批量更改文件名", "批量更改扩展名", "批量生成文件", "批量删除文件",
                             "txt合并（汇总.txt）",
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
    按钮8 = placeControl(new QPushButton(QString::fromUtf8("确认"), this), "按钮8", 340, 200, 72,
                         24);
    标签进度条 = placeControl(new QLabel(QString::fromUtf8("处理进度："), this), "标签进度条", 28,
                              232, 56, 16);
    进度条1 = placeControl(new QProgressBar(this), "进度条1", 92, 232, 328, 20);
    进度条1->setRange(0, 1000);
    进度条1->setValue(0);
    进度条1->setTextVisible(false);

    时钟5 = new FormTimer("时钟5", 1000, this);
    时钟8 = new FormTimer("时钟8", 0, this);
}

void BatchPage::registerDropTarget(QWidget* pageControl) { (void)pageControl; }

void BatchPage::resetProgressDisplay() {
    时钟8->setPeriod(0);
    进度条1->setValue(0);
    进度条1->hide();
    标签进度条->hide();
}
