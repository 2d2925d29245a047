#pragma once
// The owner of an auto-closing notice: the first visible top-level window of a process.

#include <QtGlobal>

class Clock;
class Dialogs;
class QWidget;

// Returns the first visible top-level window of the process `processId` (only this program's
// own windows can be seen), waiting with events running while it has none, for at most
// 31,536,000 ms by the clock's uptime; then none. Menus and tool tips are not owners.
QWidget* findProcessWindow(qint64 processId, Dialogs& dialogs, const Clock& clock);
