#include "app/base/HeldPress.h"

#include "app/base/KeyFocus.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDial>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

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

Hold &hold()
{
    static Hold h;
    return h;
}

// Buttons whose press was dropped behind a box: their release goes too.
Qt::MouseButtons &droppedPresses()
{
    static Qt::MouseButtons buttons;
    return buttons;
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
    if (auto *dial = qobject_cast<QDial *>(target)) {
        // A dial takes its value from where the release falls.
        dial->setSliderDown(false);
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

void startHold(QWidget *pressed, const QMouseEvent *press)
{
    Hold &h = hold();
    // The same press passed on to a parent of the widget it reached, which
    // did not take it.
    if (h.active && !h.ended && press->button() == h.button && press->timestamp() == h.stamp && h.target
        && (pressed == h.target || pressed->isAncestorOf(h.target))) {
        h.target = pressed;
        return;
    }
    // A second button pressed during a hold goes, as the toolkit sends it,
    // to the widget the first one holds.
    if (press->buttons() != press->button())
        return;
    // Only a press on what the operator can reach can be taken from him; a
    // press sent by the program to a widget not shown is left as it is.
    h = Hold{pressed, press->button(), press->timestamp(), press->globalPos(), !takenAway(pressed), false};
}

} // namespace

bool HeldPress::filter(QObject *watched, QEvent *event)
{
    if (endingNow())
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    Hold &h = hold();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (KeyFocus::behindBox(watched)) {
            droppedPresses() |= mouse->button();
            return true;
        }
        droppedPresses() &= ~mouse->button();
        if (event->spontaneous() && watched->isWidgetType())
            startHold(static_cast<QWidget *>(watched), mouse);
        return false;
    case QEvent::MouseButtonRelease:
        if (droppedPresses() & mouse->button()) {
            droppedPresses() &= ~mouse->button();
            return true;
        }
        // Decided at the widget: the window must still learn of the release,
        // which ends its own record of the press.
        if (!watched->isWidgetType() || !h.active || mouse->button() != h.button)
            return false;
        if (!h.ended && takenAway(h.target))
            end(h);
        h.active = false;
        return h.ended;
    case QEvent::MouseMove:
        if (!watched->isWidgetType() || mouse->buttons() == Qt::NoButton)
            return false;
        // A drag that began before a box opened moves nothing behind it.
        if (KeyFocus::behindBox(watched))
            return true;
        if (h.active && !h.ended && (mouse->buttons() & h.button) && takenAway(h.target))
            end(h);
        return h.active && h.ended && (mouse->buttons() & h.button);
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return KeyFocus::behindBox(watched);
    default:
        return false;
    }
}

void HeldPress::check(QObject *watched, QEvent *event)
{
    Hold &h = hold();
    if (!h.active || h.ended)
        return;
    if (!h.target) {
        end(h);
        return;
    }
    const bool blocked = event->type() == QEvent::WindowBlocked && windowOf(watched, h.target) == h.target->window();
    const bool covered =
        (event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange) && coveredBy(watched, h);
    if (blocked || covered || takenAway(h.target))
        end(h);
}

bool HeldPress::holds(const QWidget *widget)
{
    const Hold &h = hold();
    return widget && h.active && !h.ended && h.target == widget && h.button == Qt::LeftButton
           && (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

bool HeldPress::ending()
{
    return endingNow();
}
