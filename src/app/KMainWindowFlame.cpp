// The flame chain from the torch's descent to the lift after the cut, and the
// powder branches of the slots both processes share.
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/PhaseMark.h"
#include "config/KConfigFire.h"
#include "config/KMenuConfig.h"
#include "device/KWriteDevice.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuMovement.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KStatusPF.h"

#include <QLineEdit>

namespace {

constexpr int kPowderMode = 3;

bool followsWithoutCut(qint32 type)
{
    return type == SegType::Rapid || type == SegType::MarkBack || type == SegType::MarkOut;
}

} // namespace

void KMainWindow::sendStep(ProcessImage::Step step)
{
    sys = ProcessImage::apply(sys, step);
    writeDevice->writeSys(sys);
}

KButton *KMainWindow::activeStartButton() const
{
    return movementOpen ? menuMovement->cutBackButton : startButton();
}

void KMainWindow::enableStart(bool on)
{
    startButton()->setEnabled(on);
    menuMovement->cutBackButton->setEnabled(on);
}

void KMainWindow::wireStopForMotion()
{
    rewire(stopButton(), jogging ? SLOT(stepStop()) : SLOT(cutStopall()), SIGNAL(pressed()));
}

void KMainWindow::enableSegmentStop()
{
    const int start = para.startNum;
    const bool last = start == recordCount - 1;
    if (!last && SegmentTable::typeAt(cutSegments, start + 1) != SegType::MCode)
        menuCutting->segButton->setEnabled(true);
}

// With an alarm pending the pierce does not go on: the machine stops and
// the oxygen closes.
void KMainWindow::stopForAlarm()
{
    if (jogging)
        stepStop();
    else
        cutStopall();
    oxygenOff();
}

void KMainWindow::cutRun()
{
    messagebox();
}

void KMainWindow::dwDown()
{
    messagebox();
}

void KMainWindow::dwDownEnd()
{
    KStatusFrame *panels = status->statusFrame;
    if (mode == kPowderMode) {
        PhaseMark::end(dwDownTimer, panels->pf, &KStatusPF::setDwDown, &KStatusPF::getDwDown, panels->pf->dwDownActive);
        sendStep(ProcessImage::DwDownEnd);
        df();
        return;
    }
    KStatusFire *fire = panels->fire;
    PhaseMark::end(dwDownTimer, fire, &KStatusFire::setDwDown, &KStatusFire::getDwDown, fire->dwDownActive);
    sendStep(ProcessImage::DwDownEnd);
    lifted = false;
    df();
}

void KMainWindow::df()
{
    KStatusFrame *panels = status->statusFrame;
    if (mode == kPowderMode) {
        KStatusPF *pf = panels->pf;
        sendStep(ProcessImage::PowderDf);
        pf->powderPreheatOn = true;
        pf->update();
        if (pf->getDF() == 0)
            dfEnd();
        else
            PhaseMark::start(dfTimer);
        return;
    }
    KStatusFire *fire = panels->fire;
    sendStep(ProcessImage::Df);
    PhaseMark::start(dfTimer);
    fire->preheatOxygenOn = true;
    fire->update();
    message(201);
    enableStart(false);
    stopButton()->setEnabled(false);
}

void KMainWindow::dfEnd()
{
    KStatusFrame *panels = status->statusFrame;
    if (mode == kPowderMode) {
        PhaseMark::end(dfTimer, panels->pf, &KStatusPF::setDF, &KStatusPF::getDF, panels->pf->dfActive);
        sendStep(ProcessImage::DfEnd);
        oxygenOn();
        if (!jogging) {
            cutRun();
        } else {
            speedFrame->speed->stepRunning = true;
            repeatJogStep();
        }
        return;
    }
    KStatusFire *fire = panels->fire;
    PhaseMark::end(dfTimer, fire, &KStatusFire::setDF, &KStatusFire::getDF, fire->dfActive);
    sendStep(ProcessImage::DfEnd);
    enableStart(true);
    preheatOn();
}

void KMainWindow::preheatOn()
{
    sendStep(ProcessImage::PreheatOn);
    PhaseMark::start(realDelayTimer);
    PhaseMark::start(delayTimer);
    preheating = true;
    rewire(activeStartButton(), SLOT(delayEnd()));
    stopButton()->setEnabled(true);
    rewire(stopButton(), SLOT(stopDelay()));
}

void KMainWindow::stopDelay()
{
    // The real preheat time counts on through the pause.
    delayTimer->stop();
    menuCutting->movementButton->setEnabled(true);
    rewire(activeStartButton(), SLOT(resumeDelay()));
    rewire(stopButton(), SLOT(preheatOff()));
}

void KMainWindow::resumeDelay()
{
    if (!lifted)
        PhaseMark::start(delayTimer);
    rewire(activeStartButton(), SLOT(delayEnd()));
    stopButton()->setEnabled(true);
    rewire(stopButton(), SLOT(stopDelay()));
    if (lifted) {
        if (jogging)
            cutback();
        else
            dwDown();
    }
}

// The preheat the operator ended becomes the configured preheat.
void KMainWindow::delayEnd()
{
    KStatusFire *fire = status->statusFrame->fire;
    delayTimer->stop();
    realDelayTimer->stop();
    fire->setDelay(fire->getRealDelay());
    fire->delayActive = false;
    fire->clearRealDelay();
    menuConfig->fireDialog->delayEdit->setText(QString::number(fire->getDelay(), 'g', 6));
    menuConfig->writeConfig();
    ckUp();
}

void KMainWindow::ckUp()
{
    KStatusFire *fire = status->statusFrame->fire;
    const bool lift = fire->getCKUp() != 0;
    sendStep(lift ? ProcessImage::CkUpLift : ProcessImage::CkUp);
    fire->autoHeightOn = false;
    fire->update();
    enableStart(false);
    stopButton()->setEnabled(false);
    if (lift)
        PhaseMark::start(ckUpTimer);
    else
        ckUpEnd();
}

void KMainWindow::ckUpEnd()
{
    KStatusFire *fire = status->statusFrame->fire;
    PhaseMark::end(ckUpTimer, fire, &KStatusFire::setCKUp, &KStatusFire::getCKUp, fire->ckUpActive);
    sendStep(ProcessImage::CkUpEnd);
    if (ck3)
        doCK1();
    else
        doCK();
}

void KMainWindow::doCK()
{
    if (!alarm)
        PhaseMark::start(ckTimer);
    writeDevice->writeCK(true);
    piercing = true;
    speedFrame->speed->moveRunning = true;
    cutRun();
    if (alarm) {
        stopForAlarm();
        return;
    }
    oxygenOn();
    enableStart(false);
    stopButton()->setEnabled(false);
    menuCutting->segButton->setEnabled(false);
}

void KMainWindow::ckEnd()
{
    KStatusFire *fire = status->statusFrame->fire;
    PhaseMark::end(ckTimer, fire, &KStatusFire::setCK, &KStatusFire::getCK, fire->ckActive);
    qDebug("ck end...");
    writeDevice->writeCK(false);
    piercing = false;
    if (!alarm)
        ckDown();
    stopButton()->setEnabled(true);
    wireStopForMotion();
    enableSegmentStop();
}

void KMainWindow::doCK1()
{
    KStatusFire *fire = status->statusFrame->fire;
    sendStep(ProcessImage::DoCK1);
    PhaseMark::start(ckTimer);
    fire->ck1On = true;
    fire->update();
    speedFrame->speed->moveRunning = true;
    cutRun();
    piercing = true;
    enableStart(false);
    stopButton()->setEnabled(false);
    menuCutting->segButton->setEnabled(false);
    message(203);
}

void KMainWindow::doCK2()
{
    KStatusFire *fire = status->statusFrame->fire;
    sendStep(ProcessImage::DoCK2);
    fire->ck2On = true;
    fire->update();
}

void KMainWindow::doCK3()
{
    KStatusFire *fire = status->statusFrame->fire;
    sendStep(ProcessImage::DoCK3);
    fire->ck3On = true;
    fire->update();
}

void KMainWindow::ck3End()
{
    KStatusFire *fire = status->statusFrame->fire;
    PhaseMark::end(ckTimer, fire, &KStatusFire::setCK, &KStatusFire::getCK, fire->ckActive);
    // The panel remembers the stages it signalled; the next pierce needs
    // them again.
    fire->ck1Done = false;
    fire->ck2Done = false;
    fire->ck1On = false;
    fire->ck2On = false;
    fire->ck3On = false;
    fire->update();
    sendStep(ProcessImage::Ck3End);
    piercing = false;
    if (alarm) {
        stopForAlarm();
        return;
    }
    oxygenOn();
    ckDown();
}

void KMainWindow::oxygenOn()
{
    KStatusFrame *panels = status->statusFrame;
    sendStep(ProcessImage::OxygenOn);
    if (mode == kPowderMode) {
        panels->pf->powderFastOxygenOn = true;
        panels->pf->update();
    } else {
        panels->fire->cutOxygenOn = true;
        panels->fire->update();
    }
    preheating = false;
    message(202);
    if (ck3 || mode == kPowderMode) {
        stopButton()->setEnabled(true);
        enableSegmentStop();
        wireStopForMotion();
    }
}

void KMainWindow::ckDown()
{
    KStatusFire *fire = status->statusFrame->fire;
    const bool lower = fire->getCKDown() != 0;
    sendStep(lower ? ProcessImage::CkDownLower : ProcessImage::CkDown);
    fire->autoHeightOn = true;
    fire->update();
    if (lower)
        PhaseMark::start(ckDownTimer);
    else
        ckDownEnd();
}

void KMainWindow::ckDownEnd()
{
    KStatusFire *fire = status->statusFrame->fire;
    PhaseMark::end(ckDownTimer, fire, &KStatusFire::setCKDown, &KStatusFire::getCKDown, fire->ckDownActive);
    sendStep(ProcessImage::CkDownEnd);
}

void KMainWindow::oxygenOff()
{
    KStatusFrame *panels = status->statusFrame;
    if (mode == kPowderMode) {
        // The powder preheat stays on for the next mark.
        sendStep(ProcessImage::PowderOxygenOff);
        panels->pf->powderPreheatOn = false;
        panels->pf->powderFastOxygenOn = false;
        panels->pf->update();
        OxoffUp();
        return;
    }
    sendStep(ProcessImage::OxygenOff);
    panels->fire->cutOxygenOn = false;
    panels->fire->update();
    preheatOff();
}

void KMainWindow::preheatOff()
{
    KStatusFire *fire = status->statusFrame->fire;
    sendStep(ProcessImage::PreheatOff);
    realDelayTimer->stop();
    fire->clearRealDelay();
    fire->preheatOxygenOn = false;
    PhaseMark::end(delayTimer, fire, &KStatusFire::setDelay, &KStatusFire::getDelay, fire->delayActive);
    stopButton()->setEnabled(false);
    wireStopForMotion();
    OxoffUp();
}

void KMainWindow::OxoffUp()
{
    KStatusFrame *panels = status->statusFrame;
    const bool powder = mode == kPowderMode;
    const double time = powder ? panels->pf->getOxoffUp() : panels->fire->getOxoffUp();
    sendStep(time != 0 ? ProcessImage::OxoffUpLift : ProcessImage::OxoffUp);
    if (powder) {
        panels->pf->autoHeightOn = false;
        panels->pf->update();
    } else {
        panels->fire->autoHeightOn = false;
        panels->fire->update();
    }
    enableStart(false);
    menuCutting->movementButton->setEnabled(false);
    if (time != 0)
        PhaseMark::start(oxoffUpTimer);
    else
        OxoffUpEnd();
}

void KMainWindow::OxoffUpEnd()
{
    KStatusFrame *panels = status->statusFrame;
    if (mode == kPowderMode)
        PhaseMark::end(oxoffUpTimer, panels->pf, &KStatusPF::setOxoffUp, &KStatusPF::getOxoffUp,
                       panels->pf->oxoffUpActive);
    else
        PhaseMark::end(oxoffUpTimer, panels->fire, &KStatusFire::setOxoffUp, &KStatusFire::getOxoffUp,
                       panels->fire->oxoffUpActive);
    sendStep(ProcessImage::OxoffUpEnd);
    message(204);
    lifted = true;

    const qint32 next = SegmentTable::typeAt(cutSegments, para.startNum + 1);
    if (!atZero) {
        menuCutting->forwardButton->setEnabled(true);
        if (!alarm && !knocked)
            startButton()->setEnabled(true);
        if (followsWithoutCut(next) && stopSegPassive && !stopSegActive && !stopAll && !preheating && !movementOpen)
            cutRun();
    }
    preheating = false;
    menuCutting->backButton->setEnabled(true);
    if (movementOpen) {
        enableMovementKeys();
        simuFrame->simu->cutTrail = false;
        simuFrame->simu->moveTrail = false;
        directFrame->motionEnable();
    }
    rewire(menuMovement->cutBackButton, SLOT(cutback()));
}

// The movement page after a lift or a move: its keys back, and F9 only where
// a flame cut can resume.
void KMainWindow::enableMovementKeys()
{
    KMenuMovement *page = menuMovement;
    for (KButton *b : {page->backButton, page->moveOutButton, page->slowModeButton, page->fastModeButton,
                       page->inchModeButton, page->moveBackButton})
        b->setEnabled(true);
    const qint32 start = SegmentTable::typeAt(cutSegments, para.startNum);
    const qint32 next = SegmentTable::typeAt(cutSegments, para.startNum + 1);
    if (start != SegType::Rapid && mode == 1 && !(next == SegType::Rapid && stopSegActive))
        page->cutBackButton->setEnabled(true);
}

void KMainWindow::fireEnd()
{
    KStatusFire *fire = status->statusFrame->fire;
    if (!(fire->preheatOxygenOn && fire->cutOxygenOn))
        return;
    sendStep(ProcessImage::FireEnd);
    fire->preheatOxygenOn = false;
    fire->cutOxygenOn = false;
    fire->autoHeightOn = false;
    fire->update();
}
