#include "app/base/KButton.h"

#include "app/base/HeldPress.h"
#include "app/base/KeyStamp.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>

bool clickLock = false;

namespace {

struct LastClick {
    // The input stamp of the last accepted click; 0 when it had none.
    unsigned long stamp = 0;
    // kclicked() receivers running: a click made meanwhile is dropped.
    int receiving = 0;
};

LastClick &last()
{
    static LastClick l;
    return l;
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
    pressedLook.setSingleShot(true);
    pressedLook.setInterval(kLockMs);
    connect(&pressedLook, &QTimer::timeout, this, [this] { setDown(false); });
}

bool KButton::lockRefuses(unsigned long stamp)
{
    const LastClick &l = last();
    if (l.receiving > 0)
        return true;
    // Stamps of one clock that run forward decide. A click without one (made
    // by the program), or one whose stamp is not comparable, goes by the
    // flag, which a busy program frees late.
    if (stamp && l.stamp) {
        const qint64 since = qint64(stamp) - qint64(l.stamp);
        if (since >= 0)
            return since < lockRelease()->interval();
    }
    return clickLock;
}

void KButton::myclick()
{
    if (lockRefuses(clickStamp))
        return;
    LastClick &l = last();
    l.stamp = clickStamp;
    clickLock = true;
    ++l.receiving;
    emit kclicked();
    --l.receiving;
    // The release must not die with the button: a receiver may close or delete
    // the page that owns it, and a lost release would lock every key for good.
    lockRelease()->start();
}

void KButton::cancelLock()
{
    clickLock = false;
    last().stamp = 0;
}

bool KButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (!shortcut->isAmbiguous() && shortcut->key() == this->shortcut()) {
            keyClick();
            return true;
        }
    }
    return QPushButton::event(event);
}

void KButton::keyClick()
{
    unsigned long stamp = 0;
    bool autoRepeat = false;
    KeyStamp::takePress(&stamp, &autoRepeat);
    if (!isEnabled())
        return;
    // A key held down clicks once: its repeats only keep the button down.
    if (!autoRepeat) {
        QPointer<KButton> self(this);
        const unsigned long outer = clickStamp;
        clickStamp = stamp;
        click();
        if (!self)
            return;
        clickStamp = outer;
    }
    if (isVisible() && isEnabled()) {
        setDown(true);
        // A key the mouse holds stays down until its release, which clicks.
        if (!HeldPress::holds(this))
            pressedLook.start();
    }
}

void KButton::mousePressEvent(QMouseEvent *event)
{
    // The mouse owns the pressed state from here.
    pressedLook.stop();
    QPushButton::mousePressEvent(event);
}

void KButton::mouseReleaseEvent(QMouseEvent *event)
{
    // A press taken from the operator before its release (HeldPress) never
    // gets here: what reaches the key is the operator's own release.
    QPointer<KButton> self(this);
    const unsigned long outer = clickStamp;
    clickStamp = event->timestamp();
    QPushButton::mouseReleaseEvent(event);
    if (self)
        clickStamp = outer;
}
