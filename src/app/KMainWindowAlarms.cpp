// Alarms of the axis card, jogging and moves, the laser keys, the speeds and
// the operations that need an axis card to move the machine.
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/SpeedStep.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuReturn.h"
#include "pages/KMenuStep.h"
#include "pages/KMenuZZ.h"
#include "pages/KMorepoint.h"
#include "program/KLibSimu.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"
#include "library/KLibFrame.h"
#include "library/KLibSimuFrame.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KLine.h"
#include "status/KMorepointFrame.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"
#include "thc/KTHC.h"

#include <QCheckBox>
#include <QTimer>

namespace {

// The display's position in mm back to the card's 0.01 mm, as whole
// hundredths: multiplying the mm value would lose one for some positions.
point_t displayedPoint(const KXY *xy)
{
    point_t p;
    p.x = xy->x;
    p.y = xy->y;
    return p;
}

} // namespace

void KMainWindow::limitAlarm(const char *trace, unsigned char mask, int code)
{
    if (limitMask != 0) {
        qDebug("xw err");
        limitMask = 99;
        code = 799;
    } else {
        qDebug("%s", trace);
        limitMask = mask;
    }
    alarm = true;
    textFrame->message->updateText(code);
    xw();
}

void KMainWindow::driveAlarm(const char *trace, int code)
{
    qDebug("%s", trace);
    textFrame->message->updateText(code);
    alarm = true;
    xw();
}

void KMainWindow::xw_XPOS()
{
    limitAlarm("xw xpos", 1, 701);
}

void KMainWindow::xw_XNEG()
{
    limitAlarm("xw xneg", 2, 702);
}

void KMainWindow::xw_YPOS()
{
    limitAlarm("xw ypos", 4, 703);
}

void KMainWindow::xw_YNEG()
{
    limitAlarm("xw yneg", 8, 704);
}

void KMainWindow::dx1_ERR()
{
    driveAlarm("dx1 err", 705);
}

void KMainWindow::dx2_ERR()
{
    driveAlarm("dx2 err", 706);
}

void KMainWindow::dy_ERR()
{
    driveAlarm("dy err", 707);
}

void KMainWindow::XWResume()
{
    qDebug("xw resume");
    limitMask = 0;
    alarm = false;
    textFrame->message->updateText(700);
    directFrame->motionEnable();
    for (KButton *b : {menuStep->backButton, menuZZ->backButton, menuMovement->backButton, menuMovement->moveOutButton,
                       startButton()})
        b->setEnabled(true);
}

// The stop after an alarm.
void KMainWindow::xw()
{
    KSpeed *speed = speedFrame->speed;
    if (running) {
        cutStopall();
        if (piercing)
            ck3End();
    } else if (speed->stepRunning || returnZeroPending || jumpPending) {
        stepStop();
    }
    startButton()->setEnabled(false);
}

void KMainWindow::SGNotReady()
{
    textFrame->message->updateText(10);
    thc->resetTHC();
    xw();
    menuCutting->setEnabled(false);
}

void KMainWindow::SGReady()
{
    textFrame->message->clearText();
    menuCutting->setEnabled(true);
    rewire(startButton(), SLOT(DLZDWStart()));
}

void KMainWindow::setRunFalse()
{
    startButton()->setEnabled(false);
}

void KMainWindow::repeatJogStep()
{
    switch (jogDirection) {
    case 1:
        writeDevice->writeStepNW();
        break;
    case 2:
        writeDevice->writeStepN();
        break;
    case 3:
        writeDevice->writeStepNE();
        break;
    case 4:
        writeDevice->writeStepE();
        break;
    case 5:
        writeDevice->writeStepSE();
        break;
    case 6:
        writeDevice->writeStepS();
        break;
    case 7:
        writeDevice->writeStepSW();
        break;
    case 8:
        writeDevice->writeStepW();
        break;
    default:
        break;
    }
}

void KMainWindow::stepSW()
{
    // Without a card nothing would end the jog and re-enable the key.
    if (!writeDevice->cardPresent()) {
        messagebox();
        return;
    }
    KSpeed *speed = speedFrame->speed;
    readIntThread->dlzHeightOn = true;
    if (method != 3)
        directFrame->motionKeys[KDirectFrame::End]->setEnabled(false);
    for (KButton *b : {menuStep->backButton, menuStep->speedUpButton, menuStep->speedDownButton, menuZZ->speedUpButton,
                       menuZZ->speedDownButton})
        b->setEnabled(false);
    stopButton()->setEnabled(true);
    if (speed->stepRunning) {
        stepStop();
    } else if (mode == 2 && method == 4) {
        jogDirection = 7;
        DLZYHStart();
    } else {
        speed->stepRunning = true;
        writeDevice->writeStepSW();
    }
    if (movementOpen) {
        readIntThread->dlzHeightOn = false;
        simuFrame->simu->moveTrail = true;
        KMenuMovement *page = menuMovement;
        for (KButton *b : {page->backButton, page->moveOutButton, page->slowModeButton, page->fastModeButton,
                           page->inchModeButton, page->moveBackButton, page->cutBackButton})
            b->setEnabled(false);
    }
}

void KMainWindow::stepN()
{
    messagebox();
}

void KMainWindow::stepS()
{
    messagebox();
}

void KMainWindow::stepW()
{
    messagebox();
}

void KMainWindow::stepE()
{
    messagebox();
}

void KMainWindow::stepNW()
{
    messagebox();
}

void KMainWindow::stepNE()
{
    messagebox();
}

void KMainWindow::stepSE()
{
    messagebox();
}

void KMainWindow::set00()
{
    writeDevice->toStep();
    menuStep->speedUpButton->setEnabled(false);
    menuStep->speedDownButton->setEnabled(false);
}

void KMainWindow::stepBackTo00()
{
    messagebox();
}

void KMainWindow::zzBackTo00()
{
    messagebox();
}

void KMainWindow::moveToPoint(int x, int y)
{
    // Without an axis card no report would ever end the move and enable the
    // page again.
    if (!writeDevice->cardPresent()) {
        messagebox();
        return;
    }
    speedFrame->speed->stepRunning = true;
    simuFrame->simu->moveTrail = true;
    KMenuMovement *page = menuMovement;
    for (KButton *b : {page->backButton, page->moveOutButton, page->slowModeButton, page->fastModeButton,
                       page->inchModeButton, page->moveBackButton, page->cutBackButton})
        b->setEnabled(false);
    directFrame->motionDisable();
    writeDevice->writeMovePoint(x, y);
}

void KMainWindow::moveback()
{
    messagebox();
}

void KMainWindow::cutback()
{
    messagebox();
}

void KMainWindow::cutTurnback()
{
    messagebox();
}

void KMainWindow::cutReturnStart()
{
    messagebox();
}

void KMainWindow::cutReturnZero()
{
    speedFrame->speed->moveRunning = true;
    simuFrame->simu->moveTrail = true;
    markAbsoluteMove();
    atZero = true;
    rewire(stopButton(), SLOT(stepStop()), SIGNAL(pressed()));
    const point_t p = displayedPoint(xyFrame->xy);
    writeDevice->writeXYPoint(p.x, p.y);
    writeDevice->returnZero();
    returnZeroPending = true;
    KMenuCutting *page = menuCutting;
    for (KButton *b : {page->backButton, page->fastButton, page->slowButton, page->cutSpeedButton, page->topSpeedButton,
                       page->segButton, page->turnbackButton, page->backwardButton, page->forwardButton,
                       page->movementButton, page->jumpButton, page->returnButton, page->startButton,
                       menuReturn->backButton, menuReturn->startButton, menuReturn->zeroButton})
        b->setEnabled(false);
    writeDevice->toPF();
}

void KMainWindow::jumpToStartPoint()
{
    speedFrame->speed->moveRunning = true;
    simuFrame->simu->moveTrail = true;
    markAbsoluteMove();
    codeNum->codeFrame->timer->stop();
    writeDevice->toFile();
    jumpPending = true;
    jumpStartPending = true;
    for (KButton *b : {menuJump->backButton, menuJump->findButton, menuJump->moveButton})
        b->setEnabled(false);
    rewire(stopButton(), SLOT(stepStop()), SIGNAL(pressed()));
    directFrame->setNull();
}

// The machine heads for a point of its own coordinates: the reader shows the
// card's position unshifted and watches the torch-touch input afresh.
void KMainWindow::markAbsoluteMove()
{
    readIntThread->absoluteView = true;
    readIntThread->dlzHeightOn = true;
}

void KMainWindow::fileMoveToStartPoint()
{
    messagebox();
}

void KMainWindow::backward(bool)
{
    messagebox();
    menuCutting->creepRefused();
}

void KMainWindow::forward(bool)
{
    messagebox();
    menuCutting->creepRefused();
}

void KMainWindow::LaserDW()
{
    messagebox();
}

void KMainWindow::LaserEnable()
{
    if (!menuZZ->laserBox->isChecked())
        menuZZ->laserBox->setChecked(true);
}

void KMainWindow::LaserDisable()
{
    if (menuZZ->laserBox->isChecked())
        menuZZ->laserBox->setChecked(false);
}

void KMainWindow::beamXZ()
{
    messagebox();
}

// Every press reaches the card, changed or not, so a held key repeats the
// speed record at the key's rate.
void KMainWindow::speedKey(bool faster)
{
    const bool currentRapid = SegmentTable::typeAt(cutSegments, para.startNum) == SegType::Rapid;
    const SpeedStep::Field field = SpeedStep::field(running, jogging, method, mode, currentRapid);
    if (field != SpeedStep::NoField) {
        qint32 &v = field == SpeedStep::Cut ? para.cutSpeed : para.topSpeed;
        v = faster ? SpeedStep::faster(v, running) : SpeedStep::slower(v);
        if (!running)
            para.method = SpeedStep::methodFor(field);
    }
    writeDevice->writePara(para);
    writeDevice->writeEnt();
}

void KMainWindow::fast()
{
    speedKey(true);
}

void KMainWindow::slow()
{
    speedKey(false);
}

void KMainWindow::returnSpeed(bool cut)
{
    KInfo *info = infoFrame->info;
    KLine *edit = cut ? info->cutEdit : info->topEdit;
    const int typed = edit->text().toInt();
    const int v = SpeedStep::typed(typed);
    if (v != typed) {
        if (cut)
            info->setCutSpeed(v);
        else
            info->setTopSpeed(v);
    }
    if (cut)
        setCutspeed(v);
    else
        setTopspeed(v);
    menuCutting->setFocus();
}

void KMainWindow::returnCutspeed()
{
    returnSpeed(true);
}

void KMainWindow::returnTopspeed()
{
    returnSpeed(false);
}

void KMainWindow::addMorepoint()
{
    const point_t p = displayedPoint(xyFrame->xy);
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    libSimu->addPoint(p);
    morepointFrame->morepoint->addPoint(p.x, p.y);
    libSimu->drawMorePlatte();
}
