#include "status/KMorepointFrame.h"

#include "pages/KMorepoint.h"

KMorepointFrame::KMorepointFrame(QWidget *parent)
    : KHolderFrame(parent)
    , morepoint(new KMorepoint(this))
{
    hold(morepoint);
}
