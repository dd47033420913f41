#include "app/base/KeyOrder.h"

#include "app/base/HeldPress.h"
#include "app/base/KeyFocus.h"
#include "app/base/KeyStamp.h"
#include "app/base/LateKeys.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

// The toolkit's own way of handing a key to a window as if it had been typed
// there; not public, but its test library declares it and uses it the same
// way. The shortcut check, the keyboard grab, an open completion list and
// modal blocking all apply as to a typed key.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow *window, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString &text = QString(), bool autorep = false, ushort count = 1);

namespace {

// Where a held key goes: to the window that must have the keyboard, whether
// or not the window system has given it the keyboard yet (it has, unless the
// wait reached its limit); else to the one it was typed at. An open
// completion list or menu still takes it first, as a typed key.
QWindow *keyTarget(QWindow *typedAt)
{
    if (QWidget *owner = KeyFocus::owner()) {
        if (owner->windowHandle())
            return owner->windowHandle();
    }
    return typedAt && typedAt->isVisible() ? typedAt : nullptr;
}

// The window an input for `receiver` was sent to has closed: the window
// system still sends keys to a window for a moment after the program has
// hidden it, and there they would reach no widget.
bool sentToClosedWindow(QObject *receiver)
{
    if (auto *window = qobject_cast<QWindow *>(receiver))
        return !window->isVisible();
    return receiver->isWidgetType() && !static_cast<QWidget *>(receiver)->window()->isVisible();
}

// The toolkit passes an event from the window to a widget (the focus widget,
// or the open list's), then from a widget to its parents; a new event starts
// at a window, or at a widget none of whose children the last one reached.
bool passedOn(const QObject *from, const QObject *to)
{
    if (!from || !to->isWidgetType())
        return false;
    if (from->isWindowType())
        return true;
    return from->isWidgetType() && static_cast<const QWidget *>(to)->isAncestorOf(static_cast<const QWidget *>(from));
}

} // namespace

KeyOrder::KeyOrder(QObject *parent)
    : QObject(parent)
{
    drainTimer.setSingleShot(true);
    drainTimer.setInterval(0);
    connect(&drainTimer, &QTimer::timeout, this, &KeyOrder::drain);
    waitLimit.setSingleShot(true);
    connect(&waitLimit, &QTimer::timeout, this, &KeyOrder::drain);
    if (auto *application = qobject_cast<QGuiApplication *>(parent)) {
        connect(application, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
            KeyFocus::focusChanged(focus);
            wake();
        });
    }
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
    LateKeys::install(app);
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
        HeldPress::check(watched, event);
        wake();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (HeldPress::filter(watched, event))
            return true;
        if (event->spontaneous() && event->type() == QEvent::MouseButtonPress) {
            KeyFocus::pressed(watched);
            wake(); // keys held for a window the operator left go now
        }
        return false;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return HeldPress::filter(watched, event);
    case QEvent::ContextMenu:
        // No page has a menu of its own. The toolkit's (a scroll bar's, a
        // text field's), opened by a right click, would take the keyboard
        // and leave the F keys dead until an Esc closed it.
        return true;
    case QEvent::EnabledChange:
    case QEvent::ZOrderChange:
        HeldPress::check(watched, event);
        return false;
    case QEvent::Show:
    case QEvent::WindowBlocked:
        // A box shown, of ours or of the toolkit's, may stand over the held
        // press.
        HeldPress::check(watched, event);
        [[fallthrough]];
    case QEvent::WindowUnblocked:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        // The keyboard may have arrived where held keys wait for it.
        wake();
        return false;
    default:
        return false;
    }
}

bool KeyOrder::handedOn(const QKeyEvent *key)
{
    if (!handing)
        return false;
    // The same event passed from the window to the widget and its parents.
    if (key == handing->event)
        return true;
    const bool release = key->type() == QEvent::KeyRelease;
    if (handing->key->key != key->key() || (handing->key->type == QEvent::KeyRelease) != release)
        return false;
    // A press is checked for shortcuts, then, when none took it, delivered
    // as a key press with the same stamp; any other event is a new key typed
    // while a box the handed key opened runs its loop.
    const bool next = !handing->event
                      || (handing->type == QEvent::ShortcutOverride && key->type() == QEvent::KeyPress
                          && key->timestamp() == handing->stamp);
    if (!next)
        return false;
    // Only compared, never read: the shortcut check is gone once the key
    // press comes.
    handing->event = key;
    handing->type = key->type();
    handing->stamp = key->timestamp();
    return true;
}

bool KeyOrder::filterKey(QObject *watched, QKeyEvent *key)
{
    if (handedOn(key)) {
        if (key->type() == QEvent::ShortcutOverride)
            KeyStamp::notePress(handing->key->timestamp, handing->key->autoRepeat);
        else if (key->type() == QEvent::KeyPress)
            KeyStamp::clear();
        return false;
    }
    switch (key->type()) {
    case QEvent::KeyRelease:
        // A release follows its press: held while keys are held.
        if (held.isEmpty())
            return false;
        hold(watched, key);
        return true;
    case QEvent::KeyPress:
        if (key->key() == lastKey && key->timestamp() == lastStamp) {
            if (!lastHeld)
                KeyStamp::clear(); // no shortcut took it
            return lastHeld;
        }
        break;
    default:
        // Every typed press starts with its shortcut check, passed from the
        // window to the widget and on to its parents as one event: a list
        // that the check closes (Escape, Return in a drop-down list) leaves
        // its parents hidden, and the key is not one for a closed window.
        if (key == lastCheck && key->key() == lastKey && key->timestamp() == lastStamp
            && passedOn(lastReceiver, watched)) {
            lastReceiver = watched;
            return lastHeld;
        }
        lastCheck = key;
        lastReceiver = watched;
        break;
    }
    lastKey = key->key();
    lastStamp = key->timestamp();
    lastHeld = !held.isEmpty() || keyboardMoving() || KeyFocus::keptFrom(watched) || sentToClosedWindow(watched);
    if (lastHeld) {
        hold(watched, key);
        // The press is taken here: no shortcut runs for it now.
        if (key->type() == QEvent::ShortcutOverride)
            key->accept();
        return true;
    }
    if (key->type() == QEvent::ShortcutOverride)
        KeyStamp::notePress(key->timestamp(), key->isAutoRepeat());
    else
        KeyStamp::clear();
    return false;
}

void KeyOrder::hold(QObject *watched, const QKeyEvent *key)
{
    QWindow *window = qobject_cast<QWindow *>(watched);
    if (!window && watched->isWidgetType())
        window = static_cast<QWidget *>(watched)->window()->windowHandle();
    const QEvent::Type type = key->type() == QEvent::KeyRelease ? QEvent::KeyRelease : QEvent::KeyPress;
    held.append(Key{type, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                    static_cast<ushort>(key->count()), key->timestamp(), window});
    drainTimer.start();
}

void KeyOrder::wake()
{
    if (!held.isEmpty())
        drainTimer.start();
}

bool KeyOrder::keyboardMoving()
{
    return KeyFocus::awaited() != nullptr;
}

void KeyOrder::drain()
{
    while (!held.isEmpty()) {
        if (keyboardMoving()) {
            if (!waiting.isValid())
                waiting.start();
            const qint64 left = waitLimitMs - waiting.elapsed();
            if (left > 0) {
                // Woken when the keyboard arrives (an activation, a shown or
                // hidden window), or at the limit.
                waitLimit.start(int(left));
                return;
            }
            reportLimit();
            // The window system never gave the owner the keyboard: the
            // program makes it the active window itself, and the keys go
            // there, not to the window that still has the keyboard (a page
            // behind a box, or a dialog the operator left).
            if (QWidget *owner = KeyFocus::owner())
                QApplication::setActiveWindow(owner);
        }
        waiting.invalidate();
        waitLimit.stop();
        const Key key = held.takeFirst();
        // A box this key opens runs its own loop: the keys behind it must
        // reach the box from there.
        if (!held.isEmpty())
            drainTimer.start();
        handOn(key);
    }
}

void KeyOrder::reportLimit()
{
    ++limitsReached;
    // Only a window system that never answers lets a key reach the limit;
    // the key tests ask to see each time it happens.
    static const bool report = qEnvironmentVariableIsSet("TOVREL_KEY_LIMIT_REPORT");
    if (report)
        qWarning("key held to the limit: the keyboard did not arrive");
}

void KeyOrder::handOn(const Key &key)
{
    QWindow *target = keyTarget(key.window);
    if (!target)
        return;
    Handing now{&key};
    Handing *outer = handing;
    handing = &now;
    qt_handleKeyEvent(target, key.type, key.key, key.modifiers, key.text, key.autoRepeat, key.count);
    handing = outer;
}
