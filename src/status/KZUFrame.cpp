#include "status/KZUFrame.h"

#include "status/KZU.h"

KZUFrame::KZUFrame(QWidget *parent)
    : KHolderFrame(parent)
    , zu(new KZU(this))
{
    hold(zu);
}
