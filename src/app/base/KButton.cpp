#include "app/base/KButton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>
#include <QPointer>
#include <QTimer>

bool clickLock = false;

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

bool KButton::event(QEvent *event)
{
    const bool done = QPushButton::event(event);
    if (event->type() == QEvent::Shortcut && isDown())
        shortcutClick = true;
    return done;
}

namespace {

// Another window took the keyboard from the button's window: a dialog that an
// earlier key opened, or a box that blocks the window.
bool keyboardLeft(const QWidget *own)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != own)
        return true;
    const QWidget *active = QApplication::activeWindow();
    return active && active != own;
}

} // namespace

void KButton::timerEvent(QTimerEvent *event)
{
    if (shortcutClick && isDown()) {
        shortcutClick = false;
        // Keys typed quickly: the click of a key pressed on a page lands after
        // a later key opened a dialog. It belongs to a page that no longer has
        // the keyboard and is dropped; the release still goes out, so what the
        // press started (a jog) stops.
        if (keyboardLeft(window())) {
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
