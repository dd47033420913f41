// Stops and the card's reports: the end of a cut or a move, segment stops,
// the start record and begin point, the current record and the time left.
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/ProcessMath.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "files/KMenuFile.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuReturn.h"
#include "pages/KMenuStep.h"
#include "pages/KMenuTop.h"
#include "pages/KMenuZZ.h"
#include "pages/KReloadDialog.h"
#include "config/KMenuConfig.h"
#include "library/KMenuLib.h"
#include "program/KJBSimu.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KTime.h"
#include "status/KTimeFrame.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"

namespace {

// A rapid, or the marking tool's offset move: no process runs along it.
bool noProcess(qint32 type)
{
    return type == SegType::Rapid || type == SegType::MarkBack || type == SegType::MarkOut;
}

bool markingOffset(qint32 type)
{
    return type == SegType::MarkBack || type == SegType::MarkOut;
}

constexpr qint32 kReturnZero = 28;

} // namespace

const char *KMainWindow::processStartSlot(bool demoToPlasma) const
{
    switch (mode) {
    case 1:
    case 3:
        return SLOT(dwDown());
    case 2:
        return SLOT(DLZDWStart());
    default:
        return demoToPlasma ? SLOT(DLZDWStart()) : SLOT(cutRun());
    }
}

bool KMainWindow::wireStartForRecord(qint32 type, const char *processStart)
{
    if (noProcess(type))
        rewire(startButton(), SLOT(cutRun()));
    else if (isCut(type))
        rewire(startButton(), processStart);
    else
        return false;
    return true;
}

void KMainWindow::unwire(KButton *button)
{
    FunctionKey::rerole(button, nullptr, nullptr);
    targets.remove(button);
}

bool KMainWindow::closeProcess()
{
    switch (mode) {
    case 1:
    case 3:
        oxygenOff();
        return true;
    case 2:
        DLZOff();
        return true;
    default:
        return false;
    }
}

void KMainWindow::enableCuttingKeys()
{
    KMenuCutting *page = menuCutting;
    for (KButton *b :
         {page->startButton, page->turnbackButton, page->backwardButton, page->forwardButton, page->movementButton,
          page->jumpButton, page->returnButton, menuReturn->startButton, menuReturn->zeroButton})
        b->setEnabled(true);
}

void KMainWindow::cutStopped()
{
    if (mode == 1)
        fireEnd();
    else if (mode == 2)
        dlzEnd();

    KSpeed *speed = speedFrame->speed;
    KSimu *simu = simuFrame->simu;
    running = false;
    speed->cutRunning = false;
    speed->segEndSilent = false;
    if (!knocked)
        message(402);
    qDebug("cut stopped..");
    simu->cutTrail = false;
    simu->draw();

    KMenuCutting *page = menuCutting;
    page->fastButton->hide();
    page->slowButton->hide();
    page->cutSpeedButton->show();
    page->topSpeedButton->show();
    page->segButton->hide();
    page->segButton->setEnabled(false);
    page->turnbackButton->show();
    stopButton()->setEnabled(false);
    for (KButton *b :
         {menuFile->openButton, menuFile->reloadButton, menuFile->newFileButton, menuConfig->torchButton,
          menuTop->fileButton, menuTop->libButton, menuTop->configButton, menuTop->modeButton, menuLib->saveButton})
        b->setEnabled(true);

    const int current = para.startNum;
    const qint32 type = SegmentTable::typeAt(cutSegments, current);
    if (type == SegType::End) {
        if (SegmentTable::typeAt(cutSegments, current - 1) == SegType::Rapid) {
            for (KButton *b : {page->movementButton, page->jumpButton, page->returnButton, menuReturn->startButton,
                               menuReturn->zeroButton})
                b->setEnabled(true);
        } else if (!closeProcess()) {
            page->movementButton->setEnabled(true);
        }
        startButton()->setEnabled(false);
        speed->setVcur(0);
        return;
    }

    const bool byCard = !stopAll || segEndFlag == 1;
    bool segmentStop = false;
    if (stopSegActive && byCard) {
        segmentStop = true;
        writeDevice->cmosNumNext();
        if (isCut(type) && mode != 0)
            closeProcess();
        else if (noProcess(type) || isCut(type))
            enableCuttingKeys();
        if (SegmentTable::typeAt(cutSegments, para.startNum + 1) == SegType::MCode)
            ++para.startNum;
        const qint32 next = SegmentTable::typeAt(cutSegments, para.startNum + 1);
        wireStartForRecord(next, processStartSlot(true));
        if (next == SegType::End) {
            page->forwardButton->setEnabled(false);
            startButton()->setEnabled(false);
            message(407);
            runModal(reloadDialog);
        } else if (next == kReturnZero) {
            cutReturnZero();
        }
    } else if (stopSegPassive && !stopSegActive && byCard) {
        segmentStop = true;
        writeDevice->cmosNumNext();
        const qint32 next = SegmentTable::typeAt(cutSegments, current + 1);
        if (noProcess(next)) {
            if (!closeProcess())
                cutRun();
        } else if (isCut(next)) {
            if (mode == 2)
                DLZDWStart();
            else if (mode == 0)
                cutRun();
            else
                dwDown();
        }
        if (stopSegPassive && stopAll && segEndFlag == 1)
            wireStartForRecord(next, processStartSlot(true));
        simu->change();
    }

    if (!segmentStop && stopAll) {
        if (noProcess(type)) {
            enableCuttingKeys();
            rewire(startButton(), SLOT(cutRun()));
        } else if (isCut(type)) {
            if (!closeProcess())
                enableCuttingKeys();
            rewire(startButton(), processStartSlot());
        }
        if (beginOffsetSet && isArc(type)) {
            page->backwardButton->setEnabled(false);
            page->turnbackButton->setEnabled(false);
        }
    }
    if (alarm || knocked)
        startButton()->setEnabled(false);
}

void KMainWindow::stepStopped()
{
    KSpeed *speed = speedFrame->speed;
    if (!alarm) {
        directFrame->motionEnable();
        for (KButton *b :
             {menuStep->backButton, menuZZ->backButton, menuMovement->backButton, menuMovement->moveOutButton})
            b->setEnabled(true);
    } else {
        menuMovement->backButton->setEnabled(false);
        menuMovement->moveOutButton->setEnabled(false);
        limitHandling(menuStep->backButton, menuZZ->backButton);
    }

    speed->stepRunning = false;
    speed->stepStopPending = false;
    simuFrame->simu->moveTrail = false;
    qDebug("step stopped..");
    stopButton()->setEnabled(false);
    for (KButton *b :
         {menuStep->speedUpButton, menuStep->speedDownButton, menuZZ->speedUpButton, menuZZ->speedDownButton})
        b->setEnabled(true);
    if (movementOpen)
        enableMovementKeys();

    KMenuFile *file = menuFile;
    for (KButton *b : {file->escButton, file->openButton, file->reloadButton, file->newFileButton})
        b->setEnabled(true);
    file->startPointButton->setEnabled(start.beginX != 0 || start.beginY != 0);
    FunctionKey::relabel(file->newFileButton, tr("切换新文件"));
    FunctionKey::rerole(file->newFileButton, this, SLOT(toNewFile()));

    if (returnZeroPending) {
        returnZeroPending = false;
        if (speed->getoFlag() == 1) {
            speed->setoFlag(0);
            speed->moveRunning = false;
            rewire(stopButton(), SLOT(cutStopall()), SIGNAL(pressed()));
            menuCutting->movementButton->setEnabled(true);
            menuCutting->backButton->setEnabled(true);
            menuReturn->backButton->setEnabled(true);
            atZero = false;
            beginRequestedByStep = true;
            reload();
        } else {
            menuReturn->backButton->setEnabled(true);
            menuReturn->zeroButton->setEnabled(true);
            menuCutting->backButton->setEnabled(true);
            menuCutting->returnButton->setEnabled(true);
        }
    }

    if (jumpPending) {
        jumpPending = false;
        for (KButton *b : {menuJump->backButton, menuJump->findButton, menuJump->moveButton, codeNum->codeButton})
            b->setEnabled(true);
        speed->moveRunning = false;
        stopButton()->setEnabled(false);
        rewire(stopButton(), SLOT(cutStopall()), SIGNAL(pressed()));
        const bool there = jumpX == start.beginX && jumpY == start.beginY;
        if (there || speed->getoFlag() == 1) {
            speed->setoFlag(0);
            menuJump->moveButton->setEnabled(false);
            menuJump->findButton->setEnabled(true);
            directFrame->setSimuGraph();
            reload();
        }
    }

    if (mode == 2 && method == 4) {
        DLZOff();
        if (SegmentTable::typeAt(cutSegments, para.startNum) == SegType::Rapid)
            rewire(startButton(), SLOT(cutRun()));
        else
            rewire(startButton(), SLOT(DLZDWStart()));
    }
}

void KMainWindow::setStartNum(int n)
{
    start.startNum = n;
    para.startNum = n;
    startNum = n;
    if (!beginRequested && !beginRequestedByStep) {
        machineX = 0;
        machineY = 0;
    }
    simuFrame->simu->setStartPos(n, machineX, machineY);
}

void KMainWindow::setBeginPoint(int bx, int by)
{
    KXY *xy = xyFrame->xy;
    if (!beginRequested && !beginRequestedByStep) {
        beginOffsetSet = false;
        start.offsetX = 0;
        start.offsetY = 0;
        xy->setStartPoint(bx, by);
    } else {
        beginRequested = false;
        beginRequestedByStep = false;
        const int x = machineX;
        const int y = machineY;
        beginOffsetSet = x != 0 || y != 0;
        start.offsetX = x - bx;
        start.offsetY = y - by;
        xy->setStartPoint(x, y);
        const SegmentRecord *record = SegmentTable::at(cutSegments, start.startNum);
        if (record && start.offsetX == record->x && start.offsetY == record->y) {
            if (start.startNum == recordCount)
                startButton()->setEnabled(false);
            return;
        }
    }
    start.beginX = bx;
    start.beginY = by;
    writeDevice->writeStart(start);

    menuFile->startPointButton->setEnabled(bx != 0 || by != 0);
    if (jumpStartPending) {
        menuFile->startPointButton->setEnabled(false);
        menuFile->mergeButton->setEnabled(false);
        jumpStartPending = false;
    }
    readIntThread->setBeginPoint(bx, by);
    speedFrame->jbsimu->moveTorch(bx, by);
}

void KMainWindow::setCurrentNum(int n)
{
    // The card's record number indexes the cutting table.
    if (!SegmentTable::inRange(n))
        return;
    KCode *code = codeNum->codeFrame->code;
    code->setCurrentRow(n);
    simuFrame->simu->setCurrentNum(n);
    para.startNum = n;
    if (SegmentTable::typeAt(cutSegments, n) == SegType::End)
        cutStopped();

    // A reported record means a cut runs.
    speedFrame->speed->cutRunning = true;
    writeDevice->cmosNum();

    if (!currentFile.isEmpty()) {
        startButton()->setEnabled(!alarm && !knocked);
        unwire(startButton());
        if (SegmentTable::typeAt(cutSegments, para.startNum) == SegType::MCode) {
            ++para.startNum;
            code->numDown();
        }
        wireStartForRecord(SegmentTable::typeAt(cutSegments, para.startNum), processStartSlot());
        setStartNum(para.startNum);
        status->timeFrame->time->resetTime();
        calRemainTime();
        if (markingOffset(SegmentTable::typeAt(cutSegments, para.startNum - 1)))
            setStartNum(para.startNum + 1);
    } else {
        const qint32 next = SegmentTable::typeAt(cutSegments, para.startNum + 1);
        if (para.startNum == recordCount - 1 || next == SegType::MCode || next == kReturnZero) {
            menuCutting->segButton->setEnabled(false);
            cutStopsegActive();
        }
        beginOffsetSet = false;
    }
    const SegmentRecord *record = SegmentTable::at(cutSegments, para.startNum);
    if (record && record->flags[3] == 1)
        cutStopsegPassiv();
    else
        cutStopsegPassivCancel();

    const qint32 type = SegmentTable::typeAt(cutSegments, para.startNum);
    if (mode != 0) {
        if (type == SegType::MarkOut)
            setPFMode(true);
        else if (type == SegType::MarkBack)
            setFireMode(true);
    }
    if (type == SegType::Rapid && running && !alarm)
        message(405);
}

void KMainWindow::calRemainTime()
{
    KSimu *simu = simuFrame->simu;
    simu->calDist();
    const int minutes =
        ProcessMath::remainMinutes(simu->getCKNum(), status->statusFrame->fire->getTotalTime(), simu->getMoveLength(),
                                   simu->getCutLength(), para.topSpeed, para.cutSpeed);
    status->timeFrame->time->setRemain(minutes);
}

void KMainWindow::cutStopall()
{
    stopAll = true;
    stopButton()->setEnabled(false);
    writeDevice->stopall();
    speedFrame->speed->stopAllPending = true;
    if (!knocked)
        message(401);
}

void KMainWindow::forbackStopall()
{
    simuFrame->simu->holdCurrent = false;
    cutStopall();
}

void KMainWindow::stepStop()
{
    stopButton()->setEnabled(false);
    speedFrame->speed->stepStopPending = true;
    if (method == 3) {
        menuStep->speedUpButton->setEnabled(true);
        menuStep->speedDownButton->setEnabled(true);
    }
    writeDevice->stopstepall();
}

void KMainWindow::cutStopsegActive()
{
    stopSegActive = true;
    writeDevice->stopseg();
    speedFrame->speed->stopSegActive = true;
}

void KMainWindow::cutStopsegActiveCancel()
{
    stopSegActive = false;
    if (!stopSegPassive)
        writeDevice->stopsegCancel();
    speedFrame->speed->stopSegActive = false;
}

void KMainWindow::cutStopsegPassiv()
{
    stopSegPassive = true;
    speedFrame->speed->stopSegPassive = true;
}

void KMainWindow::cutStopsegPassivCancel()
{
    stopSegPassive = false;
    speedFrame->speed->stopSegPassive = false;
}

void KMainWindow::toNewFile()
{
    newFileRequested = true;
    file2preview();
}

void KMainWindow::toOldFile()
{
    messagebox();
}

void KMainWindow::setTorch(unsigned char) {}
