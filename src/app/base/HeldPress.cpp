#include "app/base/HeldPress.h"

#include "app/base/KeyFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtAlgorithms>

#include <array>

namespace {

// What one mouse button holds pressed.
struct Hold {
    // The widget that took the press: the last one the press reached, as
    // the toolkit passes a press a widget ignores on to its parent.
    QPointer<QWidget> target;
    Qt::MouseButton button = Qt::NoButton;
    unsigned long stamp = 0;
    // Where on the screen it was pressed.
    QPoint at;
    // A press is held: its release has not reached a widget yet.
    bool active = false;
    // Taken away: the press has ended, its release and moves reach nothing.
    bool ended = false;
};

// One record a button: each button's press is judged on its own.
std::array<Hold, 32> heldRecords;

std::array<Hold, 32> &records()
{
    return heldRecords;
}

Hold &holdOf(Qt::MouseButton button)
{
    return records()[qCountTrailingZeroBits(quint32(button)) % records().size()];
}

// Buttons whose press was dropped behind a box: their release goes too.
Qt::MouseButtons &droppedPresses()
{
    static Qt::MouseButtons buttons;
    return buttons;
}

// The window the window system sent the press being delivered now to.
QPointer<QWindow> &pressWindow()
{
    static QPointer<QWindow> window;
    return window;
}

bool &endingNow()
{
    static bool now = false;
    return now;
}

// Shown, usable and reachable: no hidden page or closed window around it,
// not disabled, no box over it.
bool takenAway(const QWidget *target)
{
    if (!target || !target->isVisible() || !target->isEnabled())
        return true;
    // A page being hidden tells its own hide before its children learn
    // they are hidden too.
    for (const QWidget *w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->isHidden())
            return true;
    }
    return KeyFocus::keptFrom(const_cast<QWidget *>(target));
}

// A dialog of ours put over the point the operator holds: he sees it there
// now, not what he pressed (without a window manager a key that opens or
// gives the keyboard to a dialog raises it over the others).
bool coveredBy(const QObject *watched, const Hold &h)
{
    if (!watched->isWidgetType())
        return false;
    const auto *window = static_cast<const QWidget *>(watched);
    return window->isWindow() && window->windowType() == Qt::Dialog && window->isVisible()
           && window != h.target->window() && window->frameGeometry().contains(h.at);
}

// The window an event for `watched` is about.
const QWidget *windowOf(const QObject *watched, const QWidget *target)
{
    if (watched->isWidgetType())
        return static_cast<const QWidget *>(watched)->window();
    const QWidget *window = target ? target->window() : nullptr;
    return window && window->windowHandle() == watched ? window : nullptr;
}

// The widget comes up as from a press dragged off it, and acts no more.
void end(Hold &h)
{
    h.ended = true;
    QWidget *target = h.target;
    if (!target)
        return;
    if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        // Its release would click wherever it falls on the button; a button
        // disabled came up by itself.
        if (button->isDown()) {
            button->setDown(false);
            emit button->released();
        }
        return;
    }
    // Any other widget of the toolkit ends a press at a release off itself,
    // as when the pointer was dragged away: a scroll arrow or a spin box
    // stops repeating, a slider lets go. Control keeps an item view from
    // selecting or clearing at that release.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), h.button,
                        QGuiApplication::mouseButtons() & ~h.button, Qt::ControlModifier);
    endingNow() = true;
    QCoreApplication::sendEvent(target, &release);
    endingNow() = false;
}

// An input for `widget` is for a press taken away: the toolkit sends the
// mouse to the widget the first press reached until every button is up.
bool forEnded(const QWidget *widget, Qt::MouseButtons buttons)
{
    for (const Hold &h : records()) {
        if (h.active && h.ended && (buttons & h.button)
            && (!h.target || h.target == widget || h.target->isAncestorOf(widget)))
            return true;
    }
    return false;
}

// The window is what the operator sees at the point: no other window of ours
// stands over it there (the main window lies under them all).
bool seenAt(const QWindow *window, const QPoint &at)
{
    if (!window->isVisible() || !window->geometry().contains(at))
        return false;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows) {
        if (w->isVisible() && w->parentWidget() && w->windowHandle() != window && w->frameGeometry().contains(at))
            return false;
    }
    return true;
}

// A press made while another button is down: the toolkit hands it to the
// widget the first press reached, whatever lies under the pointer now.
// When that widget is taken from the operator, the press goes where a first
// press would go, to what he sees at the point, if that lies in the window
// pressed; else it ends as it begins, and its release with it. True when
// the press is dealt with here: the toolkit's own goes no further.
bool handedToTaken(QWidget *reached, const QMouseEvent *press)
{
    const Qt::MouseButtons others = press->buttons() & ~press->button();
    if (!others || (!takenAway(reached) && !forEnded(reached, others)))
        return false;
    QWindow *window = pressWindow();
    if (window && seenAt(window, press->globalPos())) {
        // The toolkit's widget window (QWidgetWindow) does the rest: it takes
        // a press whose buttons are its own button alone as a first press,
        // and hands a first press to the widget under the point, which then
        // takes the release. The press comes back here as the window
        // system's own and is recorded as any first press.
        const QPointF at = press->screenPos() - window->geometry().topLeft();
        QMouseEvent first(QEvent::MouseButtonPress, at, at, press->screenPos(), press->button(), press->button(),
                          press->modifiers(), press->source());
        first.setTimestamp(press->timestamp());
        QCoreApplication::sendEvent(window, &first);
        return true;
    }
    holdOf(press->button()) = Hold{reached, press->button(), press->timestamp(), press->globalPos(), true, true};
    return true;
}

void startHold(QWidget *pressed, const QMouseEvent *press)
{
    Hold &h = holdOf(press->button());
    // The same press passed on to a parent of the widget it reached, which
    // did not take it.
    if (h.active && !h.ended && press->timestamp() == h.stamp && h.target
        && (pressed == h.target || pressed->isAncestorOf(h.target))) {
        h.target = pressed;
        return;
    }
    // Only a press on what the operator can reach can be taken from him; a
    // press sent by the program to a widget not shown is left as it is.
    h = Hold{pressed, press->button(), press->timestamp(), press->globalPos(), !takenAway(pressed), false};
}

bool pressFilter(QObject *watched, const QMouseEvent *press)
{
    if (KeyFocus::behindBox(watched)) {
        droppedPresses() |= press->button();
        return true;
    }
    droppedPresses() &= ~press->button();
    if (!press->spontaneous())
        return false;
    if (!watched->isWidgetType()) {
        pressWindow() = qobject_cast<QWindow *>(watched);
        return false;
    }
    auto *pressed = static_cast<QWidget *>(watched);
    if (handedToTaken(pressed, press))
        return true;
    startHold(pressed, press);
    return false;
}

bool releaseFilter(QObject *watched, const QMouseEvent *release)
{
    if (droppedPresses() & release->button()) {
        droppedPresses() &= ~release->button();
        return true;
    }
    // Decided at the widget: the window must still learn of the release,
    // which ends its own record of the press.
    if (!watched->isWidgetType())
        return false;
    Hold &h = holdOf(release->button());
    if (!h.active)
        return false;
    if (!h.ended && takenAway(h.target))
        end(h);
    h.active = false;
    return h.ended;
}

bool moveFilter(QObject *watched, const QMouseEvent *move)
{
    if (!watched->isWidgetType() || move->buttons() == Qt::NoButton)
        return false;
    // A drag that began before a box opened moves nothing behind it.
    if (KeyFocus::behindBox(watched))
        return true;
    for (Hold &h : records()) {
        if (h.active && !h.ended && (move->buttons() & h.button) && takenAway(h.target))
            end(h);
    }
    return forEnded(static_cast<QWidget *>(watched), move->buttons());
}

} // namespace

bool HeldPress::filter(QObject *watched, QEvent *event)
{
    if (endingNow())
        return false;
    bool drop = false;
    // Only these are mouse events: a wheel step comes here too.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        drop = pressFilter(watched, static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonRelease:
        drop = releaseFilter(watched, static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseMove:
        drop = moveFilter(watched, static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Wheel:
        return KeyFocus::behindBox(watched);
    default:
        return false;
    }
    noteHeld();
    return drop;
}

void HeldPress::noteHeld()
{
    held_ = false;
    for (const Hold &h : records())
        held_ = held_ || (h.active && !h.ended);
}

void HeldPress::checkHeld(QObject *watched, QEvent *event)
{
    for (Hold &h : records()) {
        if (!h.active || h.ended)
            continue;
        if (!h.target) {
            end(h);
            continue;
        }
        const bool blocked =
            event->type() == QEvent::WindowBlocked && windowOf(watched, h.target) == h.target->window();
        const bool covered =
            (event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange) && coveredBy(watched, h);
        if (blocked || covered || takenAway(h.target))
            end(h);
    }
    noteHeld();
}

bool HeldPress::holds(const QWidget *widget)
{
    const Hold &h = holdOf(Qt::LeftButton);
    return widget && h.active && !h.ended && h.target == widget && (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

bool HeldPress::ending()
{
    return endingNow();
}
