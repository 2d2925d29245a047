#include "notes/NotesPage.h"

#include "common/FormLayout.h"
#include "common/Services.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

NotesPage::NotesPage(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("备忘笔记");
    超级列表框1 = placeControl(new QTreeWidget(this), "超级列表框1", 0, 10, 430, 254);
    超级列表框1->setRootIsDecorated(false);
    超级列表框1->setColumnCount(4);
    超级列表框1->setHeaderLabels({QString::fromUtf8("序号"), QString::fromUtf8("标题"),
                                  QString::fromUtf8("内容"), QString::fromUtf8("备注")});
    const int widths[] = {45, 80, 250, 100};
    for (int column = 0; column < 4; ++column) {
        超级列表框1->setColumnWidth(column, widths[column]);
    }
    超级列表框1->header()->setStretchLastSection(false);
    超级列表框1->header()->setSectionsClickable(false);
    编辑框6 = placeControl(new QLineEdit(this), "编辑框6", 132, 72, 0, 24);
}

void NotesPage::readNotes() {}
