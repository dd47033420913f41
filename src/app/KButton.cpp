#include "app/KButton.h"

#include <QCoreApplication>
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
