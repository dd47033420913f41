#ifndef KEYORDER_H
#define KEYORDER_H

#include <QElapsedTimer>
#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QKeyEvent;
class QWindow;

// Keys are handled in the order they are typed, whatever the pace, and none
// is lost while a box or dialog takes the keyboard. Without a window manager
// a window that is shown gets the keyboard only a moment later; a key typed
// in between goes to the window behind it, where the toolkit throws it away
// when the new window is modal, or acts on the page the operator meant to
// leave. Such a key is held while the keyboard is on its way (KeyFocus says
// where), then handed on to the window that must have it; so is a key sent
// to a window that has just closed. Keys that follow a held key are held
// behind it, so none overtakes another. A window the operator
// left with the mouse is not waited for; a box pressed behind takes the
// keyboard straight back. The 1 s limit is a last resort for a window system
// that never answers. Every press it lets through is noted with its own time
// stamp (KeyStamp) for the click lock. Mouse events, and every hide, show,
// raise, enabled change and blocked window, go to HeldPress first, which
// ends a mouse press whose target was taken from the operator.
class KeyOrder : public QObject
{
    Q_OBJECT
public:
    // Watches the application's keys; installed by the application once.
    static void install();
    static KeyOrder *instance();

    // Keys typed but not yet handed on.
    int heldKeys() const { return held.size(); }
    // How often held keys waited the whole limit for the keyboard.
    int limitReached() const { return limitsReached; }
    // How long held keys wait for a box or dialog to take the keyboard
    // before they go to the window that must have it (1 s); tests change it
    // to tell an arrival from the limit.
    void setWaitLimit(int ms) { waitLimitMs = ms; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Key {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool autoRepeat;
        ushort count;
        unsigned long timestamp;
        QPointer<QWindow> window;
    };
    // The key being handed on. Its events come back through the filter and
    // are let through; `event` is the one of them being delivered, which
    // tells them from a key typed while a box the handed key opened runs its
    // loop (that key's events live deeper in the stack).
    struct Handing {
        const Key *key;
        const QKeyEvent *event = nullptr;
        QEvent::Type type = QEvent::None;
        unsigned long stamp = 0;
    };

    explicit KeyOrder(QObject *parent);
    bool filterKey(QObject *watched, QKeyEvent *key);
    bool handedOn(const QKeyEvent *key);
    void hold(QObject *watched, const QKeyEvent *key);
    void wake();
    void drain();
    void handOn(const Key &key);
    void reportLimit();
    // A box or dialog is shown but the keyboard has not reached it yet.
    static bool keyboardMoving();

    QList<Key> held;
    // Drains from whichever event loop runs next, a box's own included.
    QTimer drainTimer;
    // Ends a wait for a window that never takes the keyboard.
    QTimer waitLimit;
    QElapsedTimer waiting;
    Handing *handing = nullptr;
    // What became of the press being delivered: its shortcut check and its
    // key press (and that press passed on to parents) share the decision.
    int lastKey = 0;
    unsigned long lastStamp = 0;
    // The shortcut check decided last (only compared, never read) and the
    // object it reached last.
    const QKeyEvent *lastCheck = nullptr;
    QPointer<QObject> lastReceiver;
    bool lastHeld = false;
    int limitsReached = 0;
    qint64 waitLimitMs = 1000;
};

#endif
