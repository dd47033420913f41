#include "status/KXYFrame.h"

#include "status/KXY.h"

KXYFrame::KXYFrame(QWidget *parent)
    : KHolderFrame(parent)
    , xy(new KXY(this))
{
    hold(xy);
}
