#pragma once
// Receives files and folders dropped anywhere on an area: the area itself and every widget
// inside it, also those added later. Only drags that carry local files are claimed; a drag of
// plain text still reaches the edit box under it.

#include <QObject>
#include <QStringList>

class QDropEvent;
class QMimeData;
class QWidget;

class DropTarget : public QObject {
    Q_OBJECT
public:
    explicit DropTarget(QObject* parent);

    void attach(QWidget* area);

    // The local paths a drag carries, in the order given; a folder without its trailing
    // separator. Empty when it carries none.
    static QStringList localPathsOf(const QMimeData* data);

signals:
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
};
