#include "app/base/KeyOrder.h"

#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

// The toolkit's own way of handing a key to a window as if it had been typed
// there (what its test library uses): the shortcut check, the keyboard grab,
// an open completion list and modal blocking all apply as to a typed key.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow *window, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString &text = QString(), bool autorep = false, ushort count = 1);

namespace {

// How long a held key waits for a box or dialog to take the keyboard before
// it goes wherever the keyboard is.
constexpr qint64 kMoveWaitMs = 1000;

} // namespace

KeyOrder::KeyOrder(QObject *parent)
    : QObject(parent)
{
    drainTimer.setSingleShot(true);
    drainTimer.setInterval(0);
    connect(&drainTimer, &QTimer::timeout, this, &KeyOrder::drain);
}

KeyOrder *KeyOrder::instance()
{
    static QPointer<KeyOrder> order;
    if (!order && QCoreApplication::instance())
        order = new KeyOrder(QCoreApplication::instance());
    return order;
}

void KeyOrder::install()
{
    static QPointer<QCoreApplication> installedOn;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || installedOn == app)
        return;
    installedOn = app;
    app->installEventFilter(instance());
}

bool KeyOrder::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (event->spontaneous())
            return filterKey(watched, static_cast<QKeyEvent *>(event));
        return false;
    case QEvent::Hide:
        if (watched->isWidgetType() && !event->spontaneous())
            KeyFocus::windowHidden(static_cast<QWidget *>(watched));
        return false;
    default:
        return false;
    }
}

bool KeyOrder::filterKey(QObject *watched, QKeyEvent *key)
{
    const bool release = key->type() == QEvent::KeyRelease;
    if (handing && handing->key == key->key() && handing->release == release) {
        if (!release) {
            lastKey = key->key();
            lastHeld = false;
        }
        return false;
    }
    switch (key->type()) {
    case QEvent::ShortcutOverride:
        // Every typed press starts with its shortcut check.
        break;
    case QEvent::KeyPress:
        if (key->key() == lastKey)
            return lastHeld;
        break;
    default:
        // A release follows its press: held while keys are held.
        if (held.isEmpty())
            return false;
        hold(watched, key);
        return true;
    }
    lastKey = key->key();
    // A key held down repeats into its own pending click and only keeps the
    // button down, as it always did: a jog goes on while the key is held.
    const bool repeat = key->isAutoRepeat() && held.isEmpty();
    lastHeld = !held.isEmpty() || (KButton::clickPending() && !repeat);
    if (lastHeld) {
        hold(watched, key);
        // The press is taken here: no shortcut runs for it now.
        if (key->type() == QEvent::ShortcutOverride)
            key->accept();
    }
    return lastHeld;
}

void KeyOrder::hold(QObject *watched, QKeyEvent *key)
{
    QWindow *window = qobject_cast<QWindow *>(watched);
    if (!window && watched->isWidgetType())
        window = static_cast<QWidget *>(watched)->window()->windowHandle();
    const QEvent::Type type = key->type() == QEvent::KeyRelease ? QEvent::KeyRelease : QEvent::KeyPress;
    held.append(Key{type, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                    static_cast<ushort>(key->count()), window});
    drainTimer.start(0);
}

bool KeyOrder::keyboardMoving()
{
    // A box or dialog is shown but the window system has not yet given it
    // the keyboard, or the window that had it has just closed.
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && !modal->isActiveWindow())
        return true;
    const QWindow *focus = QGuiApplication::focusWindow();
    return !focus || !focus->isVisible();
}

void KeyOrder::drain()
{
    while (!held.isEmpty()) {
        if (KButton::clickPending()) {
            // A box the click opens runs its own loop: the keys typed after
            // the click must reach it from there.
            drainTimer.start(0);
            KButton::completePendingClick();
            continue;
        }
        if (keyboardMoving()) {
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            if (movingSince < 0)
                movingSince = now;
            if (now - movingSince < kMoveWaitMs) {
                drainTimer.start(5);
                return;
            }
        }
        movingSince = -1;
        handOn(held.takeFirst());
    }
}

void KeyOrder::handOn(const Key &key)
{
    QWindow *target = QGuiApplication::focusWindow();
    if (!target || !target->isVisible())
        target = key.window;
    if (!target || !target->isVisible())
        return;
    Handing now{key.key, key.type == QEvent::KeyRelease};
    Handing *outer = handing;
    handing = &now;
    qt_handleKeyEvent(target, key.type, key.key, key.modifiers, key.text, key.autoRepeat, key.count);
    handing = outer;
}
