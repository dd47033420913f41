#include "status/KStatusFrame.h"

#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusPF.h"

KStatusFrame::KStatusFrame(QWidget *parent)
    : KHolderFrame(parent, 5)
    , fire(new KStatusFire(this))
    , pf(new KStatusPF(this))
    , dlz(new KStatusDLZ(this))
{
    hold(dlz);
    hold(pf);
    hold(fire);
    hideAll();
}

void KStatusFrame::hideAll()
{
    showOnly({fire, pf, dlz}, nullptr);
}

void KStatusFrame::showFire()
{
    showOnly({fire, pf, dlz}, fire);
}

void KStatusFrame::showPF()
{
    showOnly({fire, pf, dlz}, pf);
}

void KStatusFrame::showDLZ()
{
    showOnly({fire, pf, dlz}, dlz);
}
