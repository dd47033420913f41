// The fixed connections made once at start-up, in the order of the window's
// connection table: receivers of one signal run in this order.
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "config/KMenuConfig.h"
#include "config/KXmlHandler.h"
#include "config/KXmlHandlerFile.h"
#include "device/KMenuIO.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "files/KEditor.h"
#include "files/KMenuEditor1.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuFile.h"
#include "files/KPreview.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibSimuFrame.h"
#include "library/KLibTable.h"
#include "library/KMenuLib.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "pages/KMenuJump.h"
#include "pages/KMenuMorepoint.h"
#include "pages/KMenuMovement.h"
#include "pages/KMenuReturn.h"
#include "pages/KMenuStep.h"
#include "pages/KMenuTop.h"
#include "pages/KMenuZZ.h"
#include "pages/KReloadDialog.h"
#include "program/KCKSimu.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KSimu.h"
#include "program/Parser.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KLine.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KStatusPF.h"
#include "status/KTime.h"
#include "status/KTimeFrame.h"
#include "status/KTorch.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCDialog.h"
#include "thc/KTHCSpeedConfig.h"

#include <QLineEdit>
#include <QTimer>

namespace {

struct Link {
    const QObject *sender;
    const char *signal;
    const QObject *receiver;
    const char *slot;
};

// A link that does not connect is reported at once and kept, so a renamed
// slot or signal fails the start-up checks instead of leaving a dead key.
void connectLinks(std::initializer_list<Link> links, QStringList &unconnected)
{
    for (const Link &l : links) {
        if (QObject::connect(l.sender, l.signal, l.receiver, l.slot))
            continue;
        const QString link = QStringLiteral("%1 %2 -> %3 %4")
                                 .arg(l.sender ? l.sender->metaObject()->className() : "null", l.signal + 1,
                                      l.receiver ? l.receiver->metaObject()->className() : "null", l.slot + 1);
        qCritical("unconnected: %s", qPrintable(link));
        unconnected << link;
    }
}

} // namespace

void KMainWindow::createConnections()
{
    const auto connectAll = [this](std::initializer_list<Link> links) { connectLinks(links, unconnectedLinks); };
    const QObject *w = this;
    KSimu *simu = simuFrame->simu;
    Parser *parser = simu->parser;
    KInfo *info = infoFrame->info;
    KStatusFire *fire = status->statusFrame->fire;
    KStatusPF *pf = status->statusFrame->pf;
    KStatusDLZ *dlz = status->statusFrame->dlz;
    KCode *code = codeNum->codeFrame->code;
    KDirectFrame *pad = directFrame;
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    KLibTable *libTable = libFrame->libTable;
    KLibConfig *libConfig = libFrame->config();

    connectAll({
        // Top menu.
        {menuTop->sheetButton, SIGNAL(clicked()), w, SLOT(showSheet())},
        {menuTop->startButton, SIGNAL(kclicked()), w, SLOT(top2cutting())},
        {menuTop->fileButton, SIGNAL(kclicked()), w, SLOT(top2file())},
        {menuTop->configButton, SIGNAL(kclicked()), w, SLOT(top2config())},
        {menuTop->stepButton, SIGNAL(kclicked()), w, SLOT(top2step())},
        {menuTop->zzButton, SIGNAL(kclicked()), w, SLOT(top2zz())},
        {menuTop->libButton, SIGNAL(kclicked()), w, SLOT(top2lib())},
        {menuTop->modeButton, SIGNAL(clicked()), w, SLOT(changeMode())},
        {menuTop->ioButton, SIGNAL(kclicked()), w, SLOT(top2IO())},

        // Configuration page.
        {menuConfig->backButton, SIGNAL(pressed()), w, SLOT(config2top())},
        {menuConfig, SIGNAL(cutspeedChanged(int)), w, SLOT(setCutspeed(int))},
        {menuConfig, SIGNAL(topspeedChanged(int)), w, SLOT(setTopspeed(int))},
        {menuConfig, SIGNAL(sheetChanged(int, int)), simu, SLOT(setSheet(int, int))},
        {menuConfig, SIGNAL(angelChanged(double)), info, SLOT(setAngel(double))},
        {menuConfig, SIGNAL(angelChanged(double)), simu, SLOT(setAngel(double))},
        {menuConfig, SIGNAL(rotateChanged(double)), info, SLOT(setRotate(double))},
        {menuConfig, SIGNAL(compChanged(double)), info, SLOT(setComp(double))},
        {menuConfig, SIGNAL(fxChanged(int)), info, SLOT(setFx(int))},
        {menuConfig, SIGNAL(sfxChanged(int)), simu, SLOT(setSFx(int))},
        {menuConfig, SIGNAL(graphicChanged(double, double, int, int)), parser,
         SLOT(setParameter(double, double, int, int))},
        {menuConfig, SIGNAL(previewChanged(double, double, int)), preview, SLOT(setParameter(double, double, int))},
        {menuConfig, SIGNAL(torchSelected(unsigned char)), w, SLOT(setTorch(unsigned char))},
        {menuConfig, SIGNAL(fDelayChanged(double)), fire, SLOT(setDelay(double))},
        {menuConfig, SIGNAL(fDfChanged(double)), fire, SLOT(setDF(double))},
        {menuConfig, SIGNAL(fDwDownChanged(double)), fire, SLOT(setDwDown(double))},
        {menuConfig, SIGNAL(ckChanged(double)), fire, SLOT(setCK(double))},
        {menuConfig, SIGNAL(ckUpChanged(double)), fire, SLOT(setCKUp(double))},
        {menuConfig, SIGNAL(ckDownChanged(double)), fire, SLOT(setCKDown(double))},
        {menuConfig, SIGNAL(fOxoffUpChanged(double)), fire, SLOT(setOxoffUp(double))},
        {menuConfig, SIGNAL(f3ckChanged(int)), w, SLOT(setCK3(int))},
        {menuConfig, SIGNAL(pDfChanged(double)), pf, SLOT(setDF(double))},
        {menuConfig, SIGNAL(pDwDownChanged(double)), pf, SLOT(setDwDown(double))},
        {menuConfig, SIGNAL(pOxoffUpChanged(double)), pf, SLOT(setOxoffUp(double))},
        {menuConfig, SIGNAL(pMoveChanged(int, int)), parser, SLOT(setPFmove(int, int))},
        {menuConfig, SIGNAL(dYHChanged(double)), dlz, SLOT(setYH(double))},
        {menuConfig, SIGNAL(dDelayChanged(double)), dlz, SLOT(setDelay(double))},
        {menuConfig, SIGNAL(dArcOffUpChanged(double)), dlz, SLOT(setArcOffUp(double))},
        {menuConfig, SIGNAL(dDWUpChanged(double)), dlz, SLOT(setDWUp(double))},
        {menuConfig, SIGNAL(dDWDownChanged(double)), dlz, SLOT(setDWDown(double))},
        {menuConfig, SIGNAL(dDWModeChanged(int)), w, SLOT(setDWMode(int))},
        {menuConfig, SIGNAL(dLowSpeedChanged(int)), w, SLOT(setLowspeed(int))},
        {menuConfig, SIGNAL(laserXYChanged(int, int)), writeDevice, SLOT(writeLaser(int, int))},
        {menuConfig, SIGNAL(pMoveChanged(int, int)), writeDevice, SLOT(writePF(int, int))},
        {menuConfig, SIGNAL(saveFailed(QString, FileError)), w, SLOT(configNotSaved(QString, FileError))},

        // File page.
        {menuFile->escButton, SIGNAL(clicked()), w, SLOT(file2top())},
        {menuFile->openButton, SIGNAL(kclicked()), w, SLOT(file2preview())},
        {menuFile->editorButton, SIGNAL(kclicked()), w, SLOT(file2editor())},
        {menuFile->editPartButton, SIGNAL(kclicked()), w, SLOT(ck2editor())},
        {menuFile->copyButton, SIGNAL(kclicked()), w, SLOT(file2fastcopy())},
        {menuFile->startPointButton, SIGNAL(kclicked()), w, SLOT(fileMoveToStartPoint())},
        {menuFile, SIGNAL(combiChanged(int)), code, SLOT(setCombi(int))},
        {menuFile, SIGNAL(fileOpened(QString &)), w, SLOT(setCurrentFile(QString &))},
        {menuFile->newFileButton, SIGNAL(kclicked()), w, SLOT(toNewFile())},
    });
    // Each successful "刷新文件" offers to set the torch height again.
    connect(menuFile, SIGNAL(fileOpened(QString &)), this, SLOT(fileReopened(QString &)));

    connectAll({
        // Editor, browser, copy page.
        {editor->menuEditor->escButton, SIGNAL(clicked()), w, SLOT(editor2file())},
        {editor, SIGNAL(editorModeChanged(int)), w, SLOT(setEditorMode(int))},
        {preview, SIGNAL(fileEdit(QString &)), w, SLOT(preview2editor(QString &))},
        {preview, SIGNAL(fileOpened(QString &)), w, SLOT(openFile(QString &))},
        {preview, SIGNAL(fileAdded(QString &)), w, SLOT(addDefPatten(QString &))},
        {menuFastcopy->escButton, SIGNAL(pressed()), w, SLOT(fastcopy2file())},

        // Cutting page.
        {menuCutting->backButton, SIGNAL(pressed()), w, SLOT(cutting2top())},
        {menuCutting, SIGNAL(fast()), w, SLOT(fast())},
        {menuCutting, SIGNAL(slow()), w, SLOT(slow())},
        {menuCutting->cutSpeedButton, SIGNAL(kclicked()), info, SLOT(cutFocus())},
        {menuCutting->topSpeedButton, SIGNAL(kclicked()), info, SLOT(topFocus())},
        {menuCutting->turnbackButton, SIGNAL(kclicked()), w, SLOT(cutTurnback())},
        {menuCutting, SIGNAL(backwardStart(bool)), w, SLOT(backward(bool))},
        {menuCutting, SIGNAL(forwardStart(bool)), w, SLOT(forward(bool))},
        {menuCutting, SIGNAL(forbackStop()), w, SLOT(forbackStopall())},
        {menuCutting, SIGNAL(segEnabled()), w, SLOT(cutStopsegActive())},
        {menuCutting, SIGNAL(segDisabled()), w, SLOT(cutStopsegActiveCancel())},
        {menuCutting->movementButton, SIGNAL(kclicked()), w, SLOT(cutting2movement())},
        {menuCutting->returnButton, SIGNAL(kclicked()), w, SLOT(cutting2return())},
        {menuCutting->jumpButton, SIGNAL(kclicked()), w, SLOT(cutting2jump())},

        // Return and jump pages.
        {menuReturn->backButton, SIGNAL(clicked()), w, SLOT(return2cutting())},
        {menuReturn->startButton, SIGNAL(kclicked()), w, SLOT(cutReturnStart())},
        {menuReturn->zeroButton, SIGNAL(kclicked()), w, SLOT(cutReturnZero())},
        {menuJump->backButton, SIGNAL(clicked()), w, SLOT(jump2cutting())},
        {menuJump->findButton, SIGNAL(clicked()), w, SLOT(findCK())},
        {menuJump->moveButton, SIGNAL(clicked()), w, SLOT(jumpToStartPoint())},

        // Key pad: Stop.
        {pad->stopButton, SIGNAL(pressed()), w, SLOT(cutStopall())},
    });
    hideSimuJB();

    connectAll({
        // Key pad: library view.
        {pad->libGraphKeys[KDirectFrame::Up], SIGNAL(clicked()), libSimu, SLOT(posUp())},
        {pad->libGraphKeys[KDirectFrame::Left], SIGNAL(clicked()), libSimu, SLOT(posLeft())},
        {pad->libGraphKeys[KDirectFrame::Down], SIGNAL(clicked()), libSimu, SLOT(posDown())},
        {pad->libGraphKeys[KDirectFrame::Right], SIGNAL(clicked()), libSimu, SLOT(posRight())},
        {pad->libGraphKeys[KDirectFrame::Home], SIGNAL(clicked()), libSimu, SLOT(fit())},
        {pad->libGraphKeys[KDirectFrame::PgUp], SIGNAL(clicked()), libSimu, SLOT(zoomIn())},
        {pad->libGraphKeys[KDirectFrame::PgDn], SIGNAL(clicked()), libSimu, SLOT(zoomOut())},
        {pad->libGraphKeys[KDirectFrame::End], SIGNAL(clicked()), w, SLOT(showLibJB())},
        // Library move.
        {pad->libMoveKeys[KDirectFrame::Up], SIGNAL(clicked()), w, SLOT(libAddX())},
        {pad->libMoveKeys[KDirectFrame::Left], SIGNAL(clicked()), w, SLOT(libAddY())},
        {pad->libMoveKeys[KDirectFrame::Down], SIGNAL(clicked()), w, SLOT(libSubX())},
        {pad->libMoveKeys[KDirectFrame::Right], SIGNAL(clicked()), w, SLOT(libSubY())},
        {pad->libMoveKeys[KDirectFrame::Home], SIGNAL(clicked()), w, SLOT(libAddAngel())},
        {pad->libMoveKeys[KDirectFrame::PgUp], SIGNAL(clicked()), w, SLOT(libSubAngel())},
        {pad->libMoveKeys[KDirectFrame::End], SIGNAL(clicked()), libFrame, SLOT(earlierPatten())},
        {pad->libMoveKeys[KDirectFrame::PgDn], SIGNAL(clicked()), libFrame, SLOT(laterPatten())},
        // Library list.
        {pad->libSelKeys[KDirectFrame::Left], SIGNAL(clicked()), libTable, SLOT(selLeft())},
        {pad->libSelKeys[KDirectFrame::Right], SIGNAL(clicked()), libTable, SLOT(selRight())},
        {pad->libSelKeys[KDirectFrame::PgUp], SIGNAL(clicked()), w, SLOT(libSetSelTable())},
        {pad->libSelKeys[KDirectFrame::PgDn], SIGNAL(clicked()), w, SLOT(libSetSelList())},
        {pad->libSelKeys[KDirectFrame::Home], SIGNAL(clicked()), w, SLOT(addPatten())},
        {pad->libSelKeys[KDirectFrame::End], SIGNAL(clicked()), w, SLOT(delPatten())},
        // Jog keys and the pad's own direction signals.
        {pad->motionKeys[KDirectFrame::Up], SIGNAL(pressed()), w, SLOT(stepN())},
        {pad->motionKeys[KDirectFrame::Left], SIGNAL(pressed()), w, SLOT(stepW())},
        {pad->motionKeys[KDirectFrame::Down], SIGNAL(pressed()), w, SLOT(stepS())},
        {pad->motionKeys[KDirectFrame::Right], SIGNAL(pressed()), w, SLOT(stepE())},
        {pad->motionKeys[KDirectFrame::Home], SIGNAL(pressed()), w, SLOT(stepNW())},
        {pad->motionKeys[KDirectFrame::PgUp], SIGNAL(pressed()), w, SLOT(stepNE())},
        {pad->motionKeys[KDirectFrame::End], SIGNAL(pressed()), w, SLOT(stepSW())},
        {pad->motionKeys[KDirectFrame::PgDn], SIGNAL(pressed()), w, SLOT(stepSE())},
        {pad, SIGNAL(NPressed()), w, SLOT(stepN())},
        {pad, SIGNAL(WPressed()), w, SLOT(stepW())},
        {pad, SIGNAL(SPressed()), w, SLOT(stepS())},
        {pad, SIGNAL(EPressed()), w, SLOT(stepE())},
        {pad, SIGNAL(NWPressed()), w, SLOT(stepNW())},
        {pad, SIGNAL(NEPressed()), w, SLOT(stepNE())},
        {pad, SIGNAL(SWPressed()), w, SLOT(stepSW())},
        {pad, SIGNAL(SEPressed()), w, SLOT(stepSE())},
        {pad, SIGNAL(NReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(WReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(EReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(SReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(NWReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(NEReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(SWReleased()), w, SLOT(stepStop())},
        {pad, SIGNAL(SEReleased()), w, SLOT(stepStop())},
        // Program-line keys.
        {pad->numKeys[KDirectFrame::Up], SIGNAL(clicked()), code, SLOT(numUp())},
        {pad->numKeys[KDirectFrame::Down], SIGNAL(clicked()), code, SLOT(numDown())},
        {pad->numKeys[KDirectFrame::PgUp], SIGNAL(clicked()), code, SLOT(numPageUp())},
        {pad->numKeys[KDirectFrame::PgDn], SIGNAL(clicked()), code, SLOT(numPageDown())},
        {pad->numKeys[KDirectFrame::Home], SIGNAL(clicked()), code, SLOT(numCKUp())},
        {pad->numKeys[KDirectFrame::End], SIGNAL(clicked()), code, SLOT(numCKDown())},
        {pad->numKeys[KDirectFrame::Left], SIGNAL(clicked()), w, SLOT(codeMethodCK())},
        {pad->numKeys[KDirectFrame::Right], SIGNAL(clicked()), w, SLOT(codeMethodNum())},
        // Browser keys.
        {pad->previewKeys[KDirectFrame::Up], SIGNAL(clicked()), preview, SLOT(prevline())},
        {pad->previewKeys[KDirectFrame::Down], SIGNAL(clicked()), preview, SLOT(nextline())},
        {pad->previewKeys[KDirectFrame::PgUp], SIGNAL(clicked()), preview, SLOT(prevpage())},
        {pad->previewKeys[KDirectFrame::PgDn], SIGNAL(clicked()), preview, SLOT(nextpage())},
        // Editor keys.
        {pad->editorKeys[KDirectFrame::Up], SIGNAL(clicked()), editor, SLOT(prevline())},
        {pad->editorKeys[KDirectFrame::Down], SIGNAL(clicked()), editor, SLOT(nextline())},
        {pad->editorKeys[KDirectFrame::PgUp], SIGNAL(clicked()), editor, SLOT(prevpage())},
        {pad->editorKeys[KDirectFrame::PgDn], SIGNAL(clicked()), editor, SLOT(nextpage())},
        {pad->editorKeys[KDirectFrame::Home], SIGNAL(clicked()), editor, SLOT(addRowp())},
        {pad->editorKeys[KDirectFrame::End], SIGNAL(clicked()), editor, SLOT(addRown())},
        {pad->editorKeys[KDirectFrame::Left], SIGNAL(clicked()), editor, SLOT(delRows())},
        {pad->editorKeys[KDirectFrame::Right], SIGNAL(clicked()), editor, SLOT(editRow())},

        // Step page.
        {menuStep->backButton, SIGNAL(pressed()), w, SLOT(step2top())},
        {menuStep, SIGNAL(fast()), w, SLOT(fast())},
        {menuStep, SIGNAL(slow()), w, SLOT(slow())},
        {menuStep->locateButton, SIGNAL(clicked()), w, SLOT(LaserDW())},
        {menuStep->beamButton, SIGNAL(clicked()), w, SLOT(beamXZ())},
        {menuStep->setZeroButton, SIGNAL(clicked()), w, SLOT(set00())},
        {menuStep->backZeroButton, SIGNAL(clicked()), w, SLOT(stepBackTo00())},
        {menuStep, SIGNAL(methodChanged(int)), w, SLOT(setMethod(int))},

        // Movement page.
        {menuMovement->backButton, SIGNAL(pressed()), w, SLOT(movement2cutting())},
        {menuMovement, SIGNAL(methodChanged(int)), w, SLOT(setMethod(int))},
        {menuMovement, SIGNAL(fast()), w, SLOT(fast())},
        {menuMovement, SIGNAL(slow()), w, SLOT(slow())},
        {menuMovement->moveBackButton, SIGNAL(clicked()), w, SLOT(moveback())},
        {menuMovement, SIGNAL(movePointChanged(int, int)), w, SLOT(moveToPoint(int, int))},
        {menuMovement->cutBackButton, SIGNAL(clicked()), w, SLOT(cutback())},

        // Plate alignment page.
        {menuZZ->backButton, SIGNAL(pressed()), w, SLOT(zz2top())},
        {menuZZ, SIGNAL(fast()), w, SLOT(fast())},
        {menuZZ, SIGNAL(slow()), w, SLOT(slow())},
        {menuZZ->firstButton, SIGNAL(clicked()), w, SLOT(setFirst())},
        {menuZZ->secondButton, SIGNAL(clicked()), w, SLOT(setSecond())},
        {menuZZ->angleButton, SIGNAL(clicked()), w, SLOT(setAngel())},
        {menuZZ->locateButton, SIGNAL(clicked()), w, SLOT(LaserDW())},
        {menuZZ->backFirstButton, SIGNAL(clicked()), w, SLOT(zzBackTo00())},
        {menuZZ, SIGNAL(laserEnabled()), w, SLOT(LaserEnable())},
        {menuZZ, SIGNAL(laserDisabled()), w, SLOT(LaserDisable())},

        // Library page and frame.
        {menuLib->escButton, SIGNAL(pressed()), w, SLOT(lib2top())},
        {menuLib->saveButton, SIGNAL(kclicked()), libTable, SLOT(saveas())},
        {menuLib->selectButton, SIGNAL(kclicked()), w, SLOT(libSetSel())},
        {menuLib->moveButton, SIGNAL(kclicked()), pad, SLOT(setLibMove())},
        {menuLib->graphButton, SIGNAL(kclicked()), pad, SLOT(setLibGraph())},
        {menuLib->newButton, SIGNAL(kclicked()), w, SLOT(newLib())},
        {menuLib->plateButton, SIGNAL(kclicked()), libSimu, SLOT(setStdPlatte())},
        {menuLib->scrapButton, SIGNAL(kclicked()), w, SLOT(lib2morepoint())},
        {menuLib, SIGNAL(stepChanged(double)), w, SLOT(setLibStep(double))},
        {menuLib, SIGNAL(gradChanged(double)), w, SLOT(setLibGrad(double))},
        {libConfig, SIGNAL(parameterChanged()), w, SLOT(changePatten())},
        {libConfig, SIGNAL(updateLib()), w, SLOT(libPreview())},
        {libConfig->offsetXEdit(), SIGNAL(selectionChanged()), pad, SLOT(setNull())},
        {libTable, SIGNAL(saveClick(bool)), w, SLOT(fileOptim(bool))},

        // Multi-point page, height pages, I/O page.
        {menuMorepoint->backButton, SIGNAL(pressed()), w, SLOT(morepoint2lib())},
        {menuMorepoint->locateButton, SIGNAL(clicked()), w, SLOT(addMorepoint())},
        {thc->menuTHC->backButton, SIGNAL(pressed()), w, SLOT(thc2top())},
        {thc->thc1Config->cancelButton, SIGNAL(pressed()), w, SLOT(thc2top())},
        {thc->speedConfig->cancelButton, SIGNAL(pressed()), w, SLOT(thc2top())},
        {menuIO->leaveButton, SIGNAL(clicked()), w, SLOT(IO2top())},
        {menuIO->inputButton, SIGNAL(kclicked()), w, SLOT(IOInput())},
        {menuIO->outputButton, SIGNAL(kclicked()), w, SLOT(IOOutput())},

        // Program-line list, torch selection, cutting view.
        {code, SIGNAL(startAt(int)), w, SLOT(setStartNum(int))},
        {code, SIGNAL(startAtByConfig()), w, SLOT(codeMethodNum())},
        {code, SIGNAL(ckChanged(int, int, int, int)), speedFrame->cksimu, SLOT(drawCK(int, int, int, int))},
        {torch, SIGNAL(clicked()), menuConfig, SLOT(torchConfig())},
        {simu, SIGNAL(beginPosChanged(int, int)), w, SLOT(setBeginPoint(int, int))},
        {simu, SIGNAL(pNewChanged(double)), readIntThread, SLOT(setPNew(double))},
        {simu, SIGNAL(needUpdateCursor()), readIntThread, SLOT(updateCursor())},
        {parser, SIGNAL(updateFile(QString &)), w, SLOT(updateFile(QString &))},
    });

    KReadIntThread *r = readIntThread;
    KXY *xy = xyFrame->xy;
    KSpeed *speed = speedFrame->speed;
    connectAll({
        {r, SIGNAL(valueXChanged(int)), xy, SLOT(setX(int))},
        {r, SIGNAL(valueYChanged(int)), xy, SLOT(setY(int))},
        {r, SIGNAL(valueVcurChanged(int)), speed, SLOT(setVcur(int))},
        {r, SIGNAL(flagChanged(int)), speed, SLOT(setFlag(int))},
        {r, SIGNAL(flagChanged(int)), w, SLOT(setSegEndFlag(int))},
        {r, SIGNAL(oflagChanged(int)), speed, SLOT(setoFlag(int))},
        {r, SIGNAL(V0Changed(int)), info, SLOT(setTopSpeed(int))},
        {r, SIGNAL(V1Changed(int)), info, SLOT(setCutSpeed(int))},
        {r, SIGNAL(pointChanged(int, int)), simu, SLOT(moveTorch(int, int))},
        {r, SIGNAL(pointXYChanged(int, int)), xy, SLOT(movePoint(int, int))},
        {r, SIGNAL(pointXYChanged(int, int)), speedFrame->jbsimu, SLOT(moveTorch(int, int))},
        {r, SIGNAL(writeCMOS()), w, SLOT(writeSettings())},
        {r, SIGNAL(atCodeNum(int)), w, SLOT(setCurrentNum(int))},
        {r, SIGNAL(xw_XPOS()), w, SLOT(xw_XPOS())},
        {r, SIGNAL(xw_XNEG()), w, SLOT(xw_XNEG())},
        {r, SIGNAL(xw_YPOS()), w, SLOT(xw_YPOS())},
        {r, SIGNAL(xw_YNEG()), w, SLOT(xw_YNEG())},
        {r, SIGNAL(dx1_ERR()), w, SLOT(dx1_ERR())},
        {r, SIGNAL(dx2_ERR()), w, SLOT(dx2_ERR())},
        {r, SIGNAL(dy_ERR()), w, SLOT(dy_ERR())},
        {r, SIGNAL(xw_Resume()), w, SLOT(XWResume())},
        {r, SIGNAL(dlzKnock_Resume()), w, SLOT(DLZKnockResume())},
        {r, SIGNAL(dlzKnock()), w, SLOT(DLZKnock())},
        {r, SIGNAL(dlzDownStop()), w, SLOT(DLZTorchUp())},
        {r, SIGNAL(dlzUpStop()), w, SLOT(DLZDWUpStart())},
        {r, SIGNAL(dlzYHanswer()), w, SLOT(DLZYHSuccess())},
        {r, SIGNAL(dlzYHreject()), w, SLOT(DLZStop())},
        {r, SIGNAL(conerFlagChanged(char)), w, SLOT(DLZConer(char))},
        {r, SIGNAL(bothTouch()), w, SLOT(bothTouch())},
        {r, SIGNAL(bothNoTouch()), w, SLOT(bothNoTouch())},
        {r, SIGNAL(onlyLeftTouch()), w, SLOT(onlyLeftTouch())},
        {r, SIGNAL(onlyRightTouch()), w, SLOT(onlyRightTouch())},
        {r, SIGNAL(leftRightTouch(int)), w, SLOT(leftRightTouch(int))},
        {r, SIGNAL(rightLeftTouch(int)), w, SLOT(rightLeftTouch(int))},

        // Parameter summary and speed panel.
        {info->cutEdit, SIGNAL(returnPressed()), w, SLOT(returnCutspeed())},
        {info->topEdit, SIGNAL(returnPressed()), w, SLOT(returnTopspeed())},
        {info, SIGNAL(speedClicked()), codeNum, SLOT(showKey())},
        {speed, SIGNAL(cutStopped()), w, SLOT(cutStopped())},
        {speed, SIGNAL(stepStopped()), w, SLOT(stepStopped())},

        // Process timers (the three shared ones follow the mode).
        {delayTimer, SIGNAL(timeout()), fire, SLOT(minusDelay())},
        {realDelayTimer, SIGNAL(timeout()), fire, SLOT(addRealDelay())},
        {ckTimer, SIGNAL(timeout()), fire, SLOT(minusCK())},
        {ckUpTimer, SIGNAL(timeout()), fire, SLOT(minusCKUp())},
        {ckDownTimer, SIGNAL(timeout()), fire, SLOT(minusCKDown())},
        {yhTimer, SIGNAL(timeout()), dlz, SLOT(minusYH())},
        {dlzDelayTimer, SIGNAL(timeout()), dlz, SLOT(minusDelay())},
        {arcOffUpTimer, SIGNAL(timeout()), dlz, SLOT(minusArcOffUp())},
        {dwUpTimer, SIGNAL(timeout()), dlz, SLOT(minusDWUp())},
        {dlzDwDownTimer, SIGNAL(timeout()), dlz, SLOT(minusDWDown())},

        // Status panels.
        {fire, SIGNAL(delayEnd()), w, SLOT(delayEnd())},
        {fire, SIGNAL(dfEnd()), w, SLOT(dfEnd())},
        {fire, SIGNAL(dwDownEnd()), w, SLOT(dwDownEnd())},
        {fire, SIGNAL(ck1TimeUp()), w, SLOT(doCK2())},
        {fire, SIGNAL(ck2TimeUp()), w, SLOT(doCK3())},
        {fire, SIGNAL(ck3TimeUp()), w, SLOT(ck3End())},
        {fire, SIGNAL(ckTimeUp()), w, SLOT(ckEnd())},
        {fire, SIGNAL(ckUpEnd()), w, SLOT(ckUpEnd())},
        {fire, SIGNAL(ckDownEnd()), w, SLOT(ckDownEnd())},
        {fire, SIGNAL(OxoffUpEnd()), w, SLOT(OxoffUpEnd())},
        {pf, SIGNAL(dfEnd()), w, SLOT(dfEnd())},
        {pf, SIGNAL(dwDownEnd()), w, SLOT(dwDownEnd())},
        {pf, SIGNAL(OxoffUpEnd()), w, SLOT(OxoffUpEnd())},
        {dlz, SIGNAL(YHEnd()), w, SLOT(DLZYHEnd())},
        {dlz, SIGNAL(delayEnd()), w, SLOT(DLZDelayEnd())},
        {dlz, SIGNAL(arcOffUpEnd()), w, SLOT(DLZOffEnd())},
        {dlz, SIGNAL(DWUpEnd()), w, SLOT(DLZDWUpEnd())},
        {dlz, SIGNAL(DWDownEnd()), w, SLOT(DLZDWUpEnd())},
        {status->timeFrame->time, SIGNAL(timeChanged()), w, SLOT(calRemainTime())},

        // The two configuration readers.
        {fileConfigHandler, SIGNAL(readFile(QXmlAttributes)), w, SLOT(readConfigFile(QXmlAttributes))},
        {configHandler, SIGNAL(readCut(QXmlAttributes)), w, SLOT(readConfigCut(QXmlAttributes))},
        {configHandler, SIGNAL(readBase(QXmlAttributes)), w, SLOT(readConfigBase(QXmlAttributes))},
        {configHandler, SIGNAL(readFire(QXmlAttributes)), w, SLOT(readConfigFire(QXmlAttributes))},
        {configHandler, SIGNAL(readPF(QXmlAttributes)), w, SLOT(readConfigPF(QXmlAttributes))},
        {configHandler, SIGNAL(readDLZ(QXmlAttributes)), w, SLOT(readConfigDLZ(QXmlAttributes))},
        {configHandler, SIGNAL(readLaser(QXmlAttributes)), w, SLOT(readConfigLaser(QXmlAttributes))},
        {configHandler, SIGNAL(readTorch(QXmlAttributes)), w, SLOT(readConfigTorch(QXmlAttributes))},
        {configHandler, SIGNAL(readBeamAngel(QXmlAttributes)), w, SLOT(readConfigBeam(QXmlAttributes))},
        {configHandler, SIGNAL(readMode(QXmlAttributes)), w, SLOT(readConfigMode(QXmlAttributes))},

        // Height dialog and reload dialog.
        {thcDialog->resetButton, SIGNAL(clicked()), w, SLOT(top2thc())},
        {thcDialog->goTopButton, SIGNAL(clicked()), thc, SLOT(startGoTop())},
        {reloadDialog->refreshButton, SIGNAL(clicked()), w, SLOT(reload())},
    });
}
