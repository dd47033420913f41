// The plasma chain: positioning, arc start, pierce delay, arc voltage and the
// lift after arc off, with the card's answers, corners and collisions.
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/PhaseMark.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "pages/KMenuCutting.h"
#include "program/SegmentTable.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "thc/KTHC.h"

namespace {

constexpr int kPlasmaMode = 2;

} // namespace

void KMainWindow::DLZDWStart()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    dlz->dwOn = true;
    dlz->update();
    if (mode == 0) {
        cutRun();
        return;
    }
    qDebug("DLZ dw start...");
    KMenuCutting *page = menuCutting;
    for (KButton *b : {page->backButton, page->turnbackButton, page->backwardButton, page->forwardButton,
                       page->movementButton, page->jumpButton, page->returnButton, page->startButton})
        b->setEnabled(false);
    stopButton()->setEnabled(false);
    DLZTorchDown();
}

void KMainWindow::DLZTorchDown()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    const bool capacitive = dwMode == 1;
    sendStep(capacitive ? ProcessImage::DLZTorchDownCapacitive : ProcessImage::DLZTorchDownCollision);
    if (capacitive) {
        PhaseMark::start(dlzDwDownTimer);
        dlz->autoHeightOn = true;
        dlz->update();
    }
    qDebug("DLZ Torch Down..");
    readIntThread->dlzHeightOn = true;
    readIntThread->dlzPositioned = false;
    if (!capacitive)
        readIntThread->dlzDownAsked = true;
    startButton()->setEnabled(true);
    rewire(startButton(), SLOT(DLZDWUpEnd()));
}

void KMainWindow::DLZTorchUp()
{
    if (!readIntThread->dlzDownAsked)
        return;
    sendStep(ProcessImage::DLZTorchUp);
    readIntThread->dlzDownAsked = false;
    qDebug("DLZ Torch Up..");
    readIntThread->dlzUpAsked = true;
}

void KMainWindow::DLZDWUpStart()
{
    if (!readIntThread->dlzUpAsked)
        return;
    sendStep(ProcessImage::DLZDWUpStart);
    PhaseMark::start(dwUpTimer);
    readIntThread->dlzUpAsked = false;
    dwUpRunning = true;
    qDebug("DLZ DW up...");
    rewire(startButton(), SLOT(DLZDWUpEnd()));
}

void KMainWindow::DLZDWUpEnd()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    dwUpTimer->stop();
    dlzDwDownTimer->stop();
    sendStep(ProcessImage::DLZDWUpEnd);
    dlz->autoHeightOn = false;
    PhaseMark::end(nullptr, dlz, &KStatusDLZ::setDWUp, &KStatusDLZ::getDWUp, dlz->dwUpActive);
    PhaseMark::end(nullptr, dlz, &KStatusDLZ::setDWDown, &KStatusDLZ::getDWDown, dlz->dwDownActive);
    dwUpRunning = false;
    DLZDWSuccess();
}

void KMainWindow::DLZDWSuccess()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    sendStep(ProcessImage::DLZDWSuccess);
    dlz->dwOn = false;
    dlz->update();
    qDebug("DLZ dw success...");
    arcOffLifted = false;
    readIntThread->dlzDownAsked = false;
    readIntThread->dlzUpAsked = false;
    readIntThread->dlzPositioned = true;
    dwDone = true;
    DLZYHStart();
}

void KMainWindow::DLZYHStart()
{
    // After the lift of an arc off the torch must find the plate again.
    if (arcOffLifted) {
        DLZDWStart();
        return;
    }
    KStatusDLZ *dlz = status->statusFrame->dlz;
    sendStep(ProcessImage::DLZYHStart);
    PhaseMark::start(yhTimer);
    dlz->yhOn = true;
    dlz->update();
    qDebug("DLZ YH start...");
    readIntThread->dlzArcAsked = true;
    arcStarting = true;
    startButton()->setEnabled(false);
    stopButton()->setEnabled(true);
    rewire(stopButton(), SLOT(DLZYHEnd()));
    KMenuCutting *page = menuCutting;
    for (KButton *b : {page->turnbackButton, page->backwardButton, page->forwardButton, page->movementButton,
                       page->jumpButton, page->returnButton})
        b->setEnabled(false);
}

void KMainWindow::DLZYHSuccess()
{
    if (!readIntThread->dlzArcAsked)
        return;
    KStatusDLZ *dlz = status->statusFrame->dlz;
    PhaseMark::end(yhTimer, dlz, &KStatusDLZ::setYH, &KStatusDLZ::getYH, dlz->yhActive);
    PhaseMark::start(dlzDelayTimer);
    dlz->yhSuccess = true;
    dlz->update();
    readIntThread->dlzArcAsked = false;
    readIntThread->dlzArcOn = true;
    qDebug("DLZ YH success..");
    arcAnswered = true;
    startButton()->setEnabled(true);
    rewire(startButton(), SLOT(DLZDelayEnd()));
    rewire(stopButton(), SLOT(DLZStopDelay()), SIGNAL(pressed()));
}

void KMainWindow::DLZStopDelay()
{
    dlzDelayTimer->stop();
    stopButton()->setEnabled(false);
    rewire(startButton(), SLOT(DLZResumeDelay()));
}

void KMainWindow::DLZResumeDelay()
{
    PhaseMark::start(dlzDelayTimer);
    stopButton()->setEnabled(true);
    rewire(startButton(), SLOT(DLZDelayEnd()));
}

void KMainWindow::DLZDelayEnd()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    PhaseMark::end(dlzDelayTimer, dlz, &KStatusDLZ::setDelay, &KStatusDLZ::getDelay, dlz->delayActive);
    arcAnswered = false;
    if (readIntThread->dlzArcOn)
        DLZHYOn();
}

void KMainWindow::DLZHYOn()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    sendStep(ProcessImage::DLZHYOn);
    dlz->hyOn = true;
    dlz->update();
    qDebug("DLZ HY on..");
    dwDone = false;
    wireStopForMotion();
    if (!jogging) {
        cutRun();
        return;
    }
    speedFrame->speed->stepRunning = true;
    readIntThread->dlzHeightOn = true;
    sendStep(ProcessImage::DLZHYOnJogging);
    dlz->autoHeightOn = true;
    dlz->update();
    repeatJogStep();
}

// No answer to the arc start in time, or Stop while it was awaited: Start
// tries again.
void KMainWindow::DLZYHEnd()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    qDebug("DLZ YH  end..");
    arcStarting = false;
    readIntThread->dlzArcAsked = false;
    PhaseMark::end(yhTimer, dlz, &KStatusDLZ::setYH, &KStatusDLZ::getYH, dlz->yhActive);
    sendStep(ProcessImage::DLZYHEnd);
    dlz->yhOn = false;
    dlz->update();
    if (jogging)
        stepStopped();
    startButton()->setEnabled(true);
    rewire(startButton(), SLOT(DLZYHStart()));
    stopButton()->setEnabled(true);
    rewire(stopButton(), SLOT(DLZOff()));
}

void KMainWindow::DLZOff()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    sendStep(jogging ? ProcessImage::DLZOffJogging : ProcessImage::DLZOff);
    if (!jogging)
        PhaseMark::start(arcOffUpTimer);
    dlz->yhOn = false;
    dlz->hyOn = false;
    if (jogging)
        dlz->autoHeightOn = false;
    dlz->update();
    qDebug("DLZ off...");
    startButton()->setEnabled(jogging);
    wireStopForMotion();
    stopButton()->setEnabled(false);
}

void KMainWindow::DLZOffEnd()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    PhaseMark::end(arcOffUpTimer, dlz, &KStatusDLZ::setArcOffUp, &KStatusDLZ::getArcOffUp, dlz->arcOffUpActive);
    sendStep(ProcessImage::DLZOffEnd);
    arcOffLifted = true;
    if (atZero)
        return;
    menuCutting->forwardButton->setEnabled(true);
    if (!alarm && !knocked)
        startButton()->setEnabled(true);
    const qint32 next = SegmentTable::typeAt(cutSegments, para.startNum + 1);
    const bool cutFollows = next != SegType::Rapid && next != SegType::MarkBack && next != SegType::MarkOut;
    if (!cutFollows && stopSegPassive && !stopSegActive && !stopAll && !dwDone)
        cutRun();
    dwDone = false;
    menuCutting->backButton->setEnabled(true);
}

void KMainWindow::DLZStop()
{
    if (readIntThread->dlzArcAsked)
        return;
    KStatusDLZ *dlz = status->statusFrame->dlz;
    readIntThread->dlzArcOn = false;
    dlz->yhSuccess = false;
    dlz->update();
    if (arcAnswered) {
        DLZDelayEnd();
        DLZYHEnd();
    } else if (running) {
        cutStopall();
    } else if (jogging) {
        stepStop();
    }
}

void KMainWindow::DLZConer(char c)
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    if (c == 1) {
        sendStep(ProcessImage::DLZConerOff);
        dlz->autoHeightOn = false;
        dlz->update();
    } else if (c == 0) {
        const qint32 type = SegmentTable::typeAt(cutSegments, para.startNum);
        if (!isCut(type) || !dlz->hyOn)
            return;
        sendStep(ProcessImage::DLZConerOn);
        dlz->autoHeightOn = true;
        dlz->update();
    }
}

// A collision: the torch comes off the plate at once, the machine stops and
// Start stays blocked until the card reports the torch free.
void KMainWindow::DLZKnock()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    qDebug("DLZ knock!");
    textFrame->message->updateText(7);
    // Sent now: outside plasma mode nothing else would lift the torch.
    sendStep(ProcessImage::DLZKnock);
    dlz->dwOn = false;
    dlz->update();
    if (arcAnswered) {
        qDebug("DLZ knock! in delay");
        readIntThread->dlzArcOn = false;
        dlz->yhSuccess = false;
        dlz->update();
        DLZDelayEnd();
    }
    knocked = true;
    xw();
    if (mode == kPlasmaMode)
        DLZOff();
}

void KMainWindow::DLZKnockResume()
{
    qDebug("knock resume");
    knocked = false;
    textFrame->message->updateText(710);
    startButton()->setEnabled(true);
}

void KMainWindow::dlzEnd()
{
    KStatusDLZ *dlz = status->statusFrame->dlz;
    if (!dlz->hyOn)
        return;
    sendStep(ProcessImage::DlzEnd);
    dlz->yhOn = false;
    dlz->hyOn = false;
    dlz->yhSuccess = false;
    dlz->autoHeightOn = false;
    dlz->update();
}

void KMainWindow::DLZDWActiveStop()
{
    thc->stopActive();
}
