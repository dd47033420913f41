#include "status/KSimuFrame.h"

#include "pages/KBeam.h"
#include "pages/KPlatte.h"
#include "program/KSimu.h"

KSimuFrame::KSimuFrame(QWidget *parent)
    : KHolderFrame(parent, 3)
{
    beam = new KBeam(this);
    platte = new KPlatte(this);
    simu = new KSimu(this);
    hold(beam);
    hold(platte);
    hold(simu);
    showOnly({simu, platte, beam}, nullptr);
}

void KSimuFrame::showSimu()
{
    showOnly({simu, platte, beam}, simu);
}

void KSimuFrame::showPlatte()
{
    showOnly({simu, platte, beam}, platte);
}

void KSimuFrame::showBeam()
{
    showOnly({simu, platte, beam}, beam);
}
