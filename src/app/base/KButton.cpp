#include "app/base/KButton.h"

#include "app/base/KeyOrder.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QSignalBlocker>
#include <QTimer>

bool clickLock = false;

namespace {

// Buttons whose shortcut click is still to come, oldest first.
QList<QPointer<KButton>> &pendingClicks()
{
    static QList<QPointer<KButton>> list;
    return list;
}

QSet<int> timersOf(QObject *object)
{
    QSet<int> ids;
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(object->thread())) {
        const auto timers = dispatcher->registeredTimers(object);
        for (const auto &timer : timers)
            ids.insert(timer.timerId);
    }
    return ids;
}

// Another window took the keyboard from the button's window: a box that
// blocks the window, or a dialog that has the keyboard.
bool keyboardLeft(const QWidget *own)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != own)
        return true;
    const QWidget *active = QApplication::activeWindow();
    return active && active != own;
}

} // namespace

const char *KButton::styleSheetText()
{
    return "QPushButton{background-color: palegoldenrod;border-width:2px;border-color: darkkhaki;"
           "border-style: solid;border-radius: 8;} "
           "QPushButton:pressed{padding-left:2px;padding-top:2px;background-color:#d0d67c;}";
}

QTimer *KButton::lockRelease()
{
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(kLockMs);
        QObject::connect(timer, &QTimer::timeout, [] { clickLock = false; });
    }
    return timer;
}

void KButton::setLockInterval(int ms)
{
    lockRelease()->setInterval(ms);
}

KButton::KButton(QWidget *parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QString::fromLatin1(styleSheetText()));
    connect(this, SIGNAL(clicked()), this, SLOT(myclick()));
    KeyOrder::install();
}

void KButton::myclick()
{
    if (clickLock)
        return;
    // Taken before the signal goes out: a click made while a receiver runs is dropped.
    clickLock = true;
    emit kclicked();
    // The release must not die with the button: a receiver may close or delete
    // the page that owns it, and a lost release would lock every key for good.
    lockRelease()->start();
}

void KButton::cancelLock()
{
    clickLock = false;
}

bool KButton::clickPending()
{
    auto &list = pendingClicks();
    while (!list.isEmpty() && (!list.first() || !list.first()->shortcutTimer))
        list.removeFirst();
    return !list.isEmpty();
}

bool KButton::completePendingClick()
{
    if (!clickPending())
        return false;
    KButton *button = pendingClicks().takeFirst();
    QTimerEvent due(button->shortcutTimer);
    QCoreApplication::sendEvent(button, &due);
    return true;
}

bool KButton::event(QEvent *event)
{
    if (event->type() != QEvent::Shortcut)
        return QPushButton::event(event);
    const QSet<int> before = timersOf(this);
    const bool done = QPushButton::event(event);
    if (isDown()) {
        const QSet<int> started = timersOf(this) - before;
        if (!started.isEmpty()) {
            shortcutTimer = *started.begin();
            pendingClicks().removeAll(this);
            pendingClicks().append(this);
        }
    }
    return done;
}

void KButton::timerEvent(QTimerEvent *event)
{
    if (shortcutTimer && event->timerId() == shortcutTimer) {
        shortcutTimer = 0;
        pendingClicks().removeAll(this);
        // The click of a key pressed on a page that is gone (a later key or a
        // box took its place) belongs to nobody. The release still goes out,
        // so what the press started (a jog) stops.
        if (isDown() && (!isVisible() || keyboardLeft(window()))) {
            {
                const QSignalBlocker quiet(this);
                QPushButton::timerEvent(event);
            }
            emit released();
            return;
        }
    }
    QPushButton::timerEvent(event);
}
