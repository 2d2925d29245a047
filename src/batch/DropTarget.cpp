#include "batch/DropTarget.h"

#include <QChildEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

DropTarget::DropTarget(QObject* parent) : QObject(parent) {}

void DropTarget::attach(QWidget* area) {
    // Widgets that take no drops of their own pass a drag on to the area.
    area->setAcceptDrops(true);
    watch(area);
}

void DropTarget::watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        watch(child);
    }
}

QStringList DropTarget::localPathsOf(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            continue;
        }
        QString path = url.toLocalFile();
        while (path.size() > 1 && path.endsWith('/')) {
            path.chop(1);
        }
        if (!path.isEmpty()) {
            paths.append(path);
        }
    }
    return paths;
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            watch(static_cast<QWidget*>(child));
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!localPathsOf(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = localPathsOf(drop->mimeData());
        if (!paths.isEmpty()) {
            drop->acceptProposedAction();
            emit filesDropped(paths);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
