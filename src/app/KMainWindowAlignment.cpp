// Plate alignment from two points on a plate edge, the beam angle from the
// beam sensors, and the card's segment-end flag.
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/ProcessMath.h"
#include "config/KConfigBase.h"
#include "config/KMenuConfig.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "pages/KBeam.h"
#include "pages/KMenuZZ.h"
#include "pages/KPlatte.h"
#include "program/KSimu.h"
#include "program/Parser.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KSimuFrame.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"

#include <QLineEdit>

void KMainWindow::setFirst()
{
    writeDevice->toStep();
    // The first point is the origin the jog starts from.
    firstX = 0.0;
    firstY = 0.0;
    simuFrame->platte->setFirstPoint(firstX, firstY);
    menuZZ->backFirstButton->setEnabled(false);
    menuZZ->secondButton->setEnabled(true);
}

void KMainWindow::setSecond()
{
    KXY *xy = xyFrame->xy;
    secondX = xy->getX();
    secondY = xy->getY();
    simuFrame->platte->setSecondPoint(secondX, secondY);
    menuZZ->angleButton->setEnabled(true);
}

void KMainWindow::setAngel()
{
    const double a = ProcessMath::plateAngle(firstX, firstY, secondX, secondY);
    // The program turns by the plate angle plus the figure rotation; the
    // views show the plate angle alone.
    const double rotation = menuConfig->baseDialog->rotateEdit->text().toDouble();
    KSimu *simu = simuFrame->simu;
    simu->parser->setAngel(a + rotation);
    simu->setAngel(a);
    infoFrame->info->setAngel(a);
    simuFrame->platte->setAngle(a);
    menuConfig->baseDialog->angelEdit->setText(QString::number(a, 'g', 6));
    menuConfig->writeConfig();
    readIntThread->alignmentValues = true;
}

// Shown, the jog ended, stored and, where the card needs it, sent.
void KMainWindow::beamAngle(double angle, bool send)
{
    stepStop();
    menuConfig->saveBeamAngel(angle);
    if (send)
        writeDevice->writeBeam(angle);
}

void KMainWindow::bothTouch()
{
    simuFrame->beam->bothTouch();
    beamAngle(0.0, true);
}

void KMainWindow::bothNoTouch()
{
    simuFrame->beam->bothNoTouch();
    stepStop();
}

void KMainWindow::onlyLeftTouch()
{
    const double b = ProcessMath::onlyLeftAngle();
    simuFrame->beam->onlyLeftTouch(b);
    beamAngle(b, false);
}

void KMainWindow::onlyRightTouch()
{
    const double b = ProcessMath::onlyRightAngle();
    simuFrame->beam->onlyRightTouch(b);
    beamAngle(b, false);
}

void KMainWindow::leftRightTouch(int d)
{
    const double b = ProcessMath::leftRightAngle(d);
    simuFrame->beam->leftRightTouch(b);
    beamAngle(b, true);
}

void KMainWindow::rightLeftTouch(int d)
{
    const double b = ProcessMath::rightLeftAngle(d);
    simuFrame->beam->rightLeftTouch(b);
    beamAngle(b, true);
}

void KMainWindow::setSegEndFlag(int f)
{
    segEndFlag = f;
}
