#include "status/KTextFrame.h"

#include "status/KText.h"

KTextFrame::KTextFrame(QWidget *parent)
    : KHolderFrame(parent)
    , message(new KText(this))
{
    hold(message);
}
