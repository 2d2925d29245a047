#include "app/Fonts.h"

#include <QApplication>
#include <QFont>

void installProgramFonts() {
    QFont::insertSubstitutions(
        QString::fromUtf8("微软雅黑"),
        {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback", "AR PL UMing CN"});
    QFont::insertSubstitutions(
        QString::fromUtf8("楷体"),
        {"AR PL UKai CN", "AR PL UKai TW", "AR PL KaitiM GB", "WenQuanYi Micro Hei"});
    QFont programFont(QString::fromUtf8("微软雅黑"));
    programFont.setPixelSize(12);
    QApplication::setFont(programFont);
}
