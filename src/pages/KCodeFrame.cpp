#include "pages/KCodeFrame.h"

#include "pages/KCode.h"

#include <QTimer>

KCodeFrame::KCodeFrame(QWidget *parent)
    : QFrame(parent)
{
    code = new KCode(this);
    code->setGeometry(0, 0, 256, 259);
    timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, SIGNAL(timeout()), this, SLOT(timerOver()));
}

void KCodeFrame::timerOver()
{
    code->numStop();
}

void KCodeFrame::codeMethod(int method)
{
    if (method == 2)
        code->locateCK();
}
