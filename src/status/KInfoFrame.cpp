#include "status/KInfoFrame.h"

#include "status/KInfo.h"

KInfoFrame::KInfoFrame(QWidget *parent)
    : QFrame(parent)
    , info(new KInfo(this))
{
}

void KInfoFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    info->setGeometry(rect());
}
