#pragma once
// The pictures and the icon the program carries inside itself.

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The bytes of an embedded asset file, e.g. "background.png"; empty when there is none.
QByteArray assetBytes(const QString& name);

// An embedded PNG picture; a null pixmap when it is missing or damaged.
QPixmap assetPicture(const QString& name);

// The program's icon with every image of its icon file.
QIcon programIcon();
