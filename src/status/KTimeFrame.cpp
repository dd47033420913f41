#include "status/KTimeFrame.h"

#include "status/KTime.h"

KTimeFrame::KTimeFrame(QWidget *parent)
    : KHolderFrame(parent)
    , time(new KTime(this))
{
    hold(time);
}
