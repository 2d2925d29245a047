#include "power/TimedNotice.h"

int showTimedNotice(Dialogs& dialogs, const NoticeOwnerFinder& findOwner, const Text& text,
                    const NoticeOptions& options) {
    QWidget* owner = options.owner ? *options.owner : (findOwner ? findOwner() : nullptr);
    return dialogs.timedMessageBox(owner, text, options.title, options.style, options.timeoutMs) -
           1;
}
