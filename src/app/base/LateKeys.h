#ifndef LATEKEYS_H
#define LATEKEYS_H

#include <QAbstractNativeEventFilter>

class QCoreApplication;

// The window system sends a key to the window that had the keyboard when it
// was typed. A box closed by a click a moment before is hidden, or gone, by
// the time a key typed right after the click arrives, and the toolkit drops
// a key for a window it no longer knows, or one that goes while the key
// waits in its queue. A click on a window that a modal box blocks gives that
// window the keyboard for a moment, and the toolkit drops the keys it gets.
// Such a key is readdressed, before the toolkit sees it, to the window that
// must have the keyboard (KeyFocus::owner), so it is handled as typed there,
// in its turn.
//
// The event is rewritten in place and passed on: this relies on the xcb
// platform plugin reading the event's window from the same buffer after its
// native filters have run. A plugin that read it first would keep the key
// addressed to the window it was sent to, where the toolkit drops it (a
// window gone) or KeyOrder holds it (a window hidden).
class LateKeys : public QAbstractNativeEventFilter
{
public:
    // Installed on the application with KeyOrder.
    static void install(QCoreApplication *application);
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;
};

#endif
