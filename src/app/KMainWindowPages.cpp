// Page switching and the key pad's views.
#include "app/base/BasePath.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "config/KMenuConfig.h"
#include "device/KReadIO.h"
#include "device/KReadIOThread.h"
#include "device/KReadIntThread.h"
#include "device/KMenuIO.h"
#include "device/KWriteDevice.h"
#include "device/KWriteIO.h"
#include "files/KEditor.h"
#include "files/KFastcopy.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KMenuEditor1.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuFile.h"
#include "files/KMenuPreview1.h"
#include "files/KPreview.h"
#include "library/KLibConfig.h"
#include "library/KLibFrame.h"
#include "library/KLibList.h"
#include "library/KLibConfigFrame.h"
#include "library/KLibPixmapFrame.h"
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
#include "pages/KMorepoint.h"
#include "program/KEditSimu.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KSimu.h"
#include "program/Parser.h"
#include "status/KInfoFrame.h"
#include "status/KMorepointFrame.h"
#include "status/KSimuFrame.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/KTimeFrame.h"
#include "status/KTorch.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"
#include "thc/KMenuTHC.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCFrame.h"
#include "thc/KTHCSpeedConfig.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <utility>

void KMainWindow::message(int code)
{
    if (!alarm)
        textFrame->message->updateText(code);
}

// Limit handling of the jog pages: with an alarm pending, only the jog key
// that leads away from the tripped limit stays usable.
void KMainWindow::limitHandling(KButton *escape, KButton *other)
{
    directFrame->motionDisable();
    escape->setEnabled(false);
    if (other)
        other->setEnabled(false);
    KButton *away = nullptr;
    switch (limitMask) {
    case 1:
        away = directFrame->motionKeys[KDirectFrame::Down];
        break;
    case 2:
        away = directFrame->motionKeys[KDirectFrame::Up];
        break;
    case 4:
        away = directFrame->motionKeys[KDirectFrame::Right];
        break;
    case 8:
        away = directFrame->motionKeys[KDirectFrame::Left];
        break;
    default:
        break;
    }
    if (away)
        away->setEnabled(true);
}

void KMainWindow::showProgramScreen(bool shown)
{
    QWidget *const screen[] = {simuFrame, infoFrame, xyFrame, textFrame, torch, codeNum, status, speedFrame};
    for (QWidget *w : screen)
        w->setVisible(shown);
}

// The library page's panels are children of the window, beside its frame.
void KMainWindow::showLibrary(bool shown)
{
    QWidget *const parts[] = {libFrame, libFrame->libTable->configFrame, libFrame->libTable->pixmapFrame,
                              libFrame->simuFrame};
    for (QWidget *w : parts)
        w->setVisible(shown);
    if (!shown) {
        libFrame->libTable->hide();
        libFrame->libList->hide();
    }
}

// The two buttons above the program-line list.
void KMainWindow::showListButtons(bool shown)
{
    codeNum->codeButton->setVisible(shown);
    codeNum->keyButton->setVisible(shown);
}

void KMainWindow::top2file()
{
    menuTop->hide();
    menuFile->show();
    directFrame->setNumCK();
    codeMethodNum();
    codeNum->showCode();
    menuFile->setFocus();
    message(100);
    message(101);
    filePageOpen = true;
    if (fileLoaded)
        codeNum->codeFrame->timer->start();
}

void KMainWindow::file2top()
{
    menuFile->hide();
    codeNum->codeFrame->timer->stop();
    menuTop->show();
    directFrame->setSimuGraph();
    codeMethodNum();
    menuTop->setFocus();
    message(3);
    filePageOpen = false;
}

void KMainWindow::enterPreview(bool fromLibrary)
{
    preview->setPageVisible(true);
    preview->keyRow->setOpenForm(!fromLibrary);
    directFrame->setPreview();
    previewOpen = true;
    preview->enterPage();
    FunctionKey::rerole(preview->keyRow->escButton, this, fromLibrary ? SLOT(preview2lib()) : SLOT(preview2file()));
}

void KMainWindow::leavePreview()
{
    preview->setPageVisible(false);
    preview->keyRow->hideKeyboard();
    if (QWidget *focus = focusWidget())
        focus->clearFocus();
    previewOpen = false;
}

void KMainWindow::file2preview()
{
    menuFile->hide();
    codeNum->showCode();
    showProgramScreen(false);
    enterPreview(false);
}

void KMainWindow::preview2file()
{
    previewToFilePage();
    reparseCurrent();
}

void KMainWindow::previewToFilePage()
{
    leavePreview();
    newFileRequested = false;
    menuFile->show();
    showProgramScreen(true);
    showStatus();
    directFrame->setNumCK();
}

void KMainWindow::reparseCurrent()
{
    // Only the program loaded for cutting: with none loaded the table and
    // t.nc stay empty, or a program would be drawn that no list describes.
    if (fileLoaded)
        simuFrame->simu->parser->parseMain(currentFile);
    simuFrame->simu->change();
}

void KMainWindow::enterEditor(const QString &name)
{
    showProgramScreen(false);
    menuFile->hide();
    editor->menuEditor->show();
    editor->simuFrame->show();
    editor->nameFrame->show();
    editor->showEditor();
    directFrame->setEditor();
    editorOpen = true;
    // Every road hands its name on as it is, an empty one too (no file
    // chosen, no program loaded): the editor tells what it cannot read and
    // keeps what it showed.
    editor->loadFile(name);
    editor->editSimu()->resetView();
    editor->editSimu()->draw();
}

void KMainWindow::preview2editor(QString &chosen)
{
    const QString name = chosen;
    leavePreview();
    enterEditor(name);
    reparseCurrent();
}

void KMainWindow::file2editor()
{
    enterEditor(currentFile);
}

void KMainWindow::ck2editor()
{
    enterEditor(basePath + "/.tovrelcnc/ck.nc");
}

void KMainWindow::editor2file()
{
    editor->menuEditor->hideKeyboard();
    for (QWidget *part : {static_cast<QWidget *>(editor->menuEditor), static_cast<QWidget *>(editor),
                          static_cast<QWidget *>(editor->textEdit), static_cast<QWidget *>(editor->simuFrame),
                          static_cast<QWidget *>(editor->nameFrame)})
        part->hide();
    preview->hide();
    if (QWidget *focus = focusWidget())
        focus->clearFocus();
    menuFile->show();
    showProgramScreen(true);
    showStatus();
    directFrame->setNumCK();
    editorOpen = false;
    simuFrame->simu->change();
}

void KMainWindow::file2fastcopy()
{
    simuFrame->hide();
    menuFile->hide();
    menuFastcopy->show();
    menuFastcopy->fastcopy->show();
    menuFastcopy->enterPage();
    directFrame->setNull();
    codeMethodNum();
}

void KMainWindow::fastcopy2file()
{
    menuFastcopy->fastcopy->hide();
    menuFastcopy->hide();
    menuFile->show();
    simuFrame->show();
    directFrame->setNumCK();
    simuFrame->simu->change();
}

void KMainWindow::top2config()
{
    menuTop->hide();
    menuConfig->show();
    codeNum->showKey();
    menuConfig->setFocus();
    message(200);
    configOpen = true;
}

void KMainWindow::config2top()
{
    menuConfig->hide();
    menuTop->show();
    codeNum->showCode();
    menuTop->setFocus();
    message(3);
    configOpen = false;
}

void KMainWindow::top2cutting()
{
    menuTop->hide();
    menuCutting->show();
    menuCutting->setFocus();
    message(400);
}

void KMainWindow::cutting2top()
{
    menuCutting->clearFocus();
    menuCutting->hide();
    menuTop->show();
    menuTop->setFocus();
    message(3);
}

void KMainWindow::cutting2movement()
{
    menuCutting->hide();
    menuMovement->show();
    directFrame->setMotion();
    connectStepButtons(true);
    menuMovement->setFocus();
    message(408);
    qDebug("ready to move out...");
    jogging = true;
    movementOpen = true;
    readIntThread->movementView = true;
    writeDevice->moveout();
    simuFrame->simu->moveTrail = true;
    menuMovement->moveBackButton->setEnabled(false);
    menuMovement->cutBackButton->setEnabled(false);
    setMethod(method == 4 ? 1 : method);
    if (alarm)
        limitHandling(menuMovement->backButton, menuMovement->moveOutButton);
}

void KMainWindow::movement2cutting()
{
    menuMovement->clearFocus();
    menuMovement->hide();
    menuCutting->show();
    menuCutting->setFocus();
    directFrame->setSimuGraph();
    message(400);
    writeDevice->moveoutCancel();
    readIntThread->movementView = false;
    simuFrame->simu->moveTrail = false;
    jogging = false;
    movementOpen = false;
    if (preheating) {
        stopButton()->setEnabled(true);
        rewire(stopButton(), SLOT(preheatOff()));
    }
}

void KMainWindow::cutting2return()
{
    menuCutting->clearFocus();
    menuCutting->hide();
    menuReturn->show();
}

void KMainWindow::return2cutting()
{
    menuReturn->hide();
    menuCutting->show();
    menuCutting->setFocus();
}

void KMainWindow::cutting2jump()
{
    menuCutting->clearFocus();
    menuCutting->hide();
    menuJump->show();
    codeMethodNum();
    menuJump->findButton->setEnabled(true);
}

void KMainWindow::findCK()
{
    codeNum->showCode();
    directFrame->setNumCK();
    codeMethodCK();
    jumpX = xyFrame->xy->x;
    jumpY = xyFrame->xy->y;
    writeDevice->writeXYPoint(jumpX, jumpY);
    writeDevice->toJump();
    menuJump->moveButton->setEnabled(true);
    menuJump->backButton->setEnabled(false);
    menuJump->findButton->setEnabled(false);
    for (KButton *b : {menuCutting->turnbackButton, menuCutting->backwardButton, menuCutting->forwardButton,
                       menuCutting->movementButton})
        b->setEnabled(false);
    simuFrame->simu->resetView();
    codeNum->codeFrame->timer->start();
}

void KMainWindow::jump2cutting()
{
    menuJump->hide();
    menuCutting->show();
    directFrame->setSimuGraph();
    codeMethodNum();
    menuCutting->setFocus();
    jumpStartPending = false;
}

void KMainWindow::top2step()
{
    menuTop->hide();
    simuFrame->showBeam();
    menuStep->show();
    directFrame->setMotion();
    connectStepButtons(true);
    menuStep->setFocus();
    setMethod(method);
    message(500);
    jogging = true;
    readIntThread->stepValues = true;
    menuStep->backZeroButton->setEnabled(false);
    writeDevice->toStep();
    if (alarm)
        limitHandling(menuStep->backButton);
}

// From the step or plate-alignment page back to the top menu; valuesFlag
// is the reader's flag that page set.
void KMainWindow::jogPage2top(QWidget *page, std::atomic<bool> &valuesFlag)
{
    page->clearFocus();
    page->hide();
    simuFrame->showSimu();
    menuTop->show();
    directFrame->setSimuGraph();
    message(3);
    jogging = false;
    valuesFlag = false;
    writeDevice->back();
}

void KMainWindow::step2top()
{
    jogPage2top(menuStep, readIntThread->stepValues);
}

void KMainWindow::top2zz()
{
    menuTop->hide();
    menuZZ->show();
    simuFrame->showPlatte();
    directFrame->setMotion();
    connectStepButtons(true);
    menuZZ->setFocus();
    message(600);
    menuZZ->firstButton->setEnabled(true);
    menuZZ->secondButton->setEnabled(false);
    menuZZ->angleButton->setEnabled(false);
    menuZZ->backFirstButton->setEnabled(false);
    writeDevice->toStep();
    jogging = true;
    readIntThread->alignmentValues = true;
    if (method == 3 || method == 4)
        setMethod(1);
    if (alarm)
        limitHandling(menuZZ->backButton);
}

void KMainWindow::zz2top()
{
    jogPage2top(menuZZ, readIntThread->alignmentValues);
}

void KMainWindow::top2lib()
{
    menuTop->hide();
    showProgramScreen(false);
    showListButtons(false);
    menuLib->show();
    showLibrary(true);
    codeNum->showKey();
    libSetSel();
    libOpen = true;
    libFrame->simuFrame->simu->cancelZoomRect();
}

void KMainWindow::lib2top()
{
    menuLib->hide();
    showLibrary(false);
    menuTop->show();
    simuFrame->showSimu();
    showProgramScreen(true);
    showStatus();
    showListButtons(true);
    codeNum->showCode();
    directFrame->setSimuGraph();
    message(3);
    libOpen = false;
    reparseCurrent();
}

void KMainWindow::lib2preview()
{
    codeNum->hide();
    infoFrame->hide();
    simuFrame->hide();
    menuLib->hide();
    showLibrary(false);
    showListButtons(true);
    libOpen = false;
    enterPreview(true);
}

void KMainWindow::preview2lib()
{
    leavePreview();
    showListButtons(false);
    codeNum->show();
    menuLib->show();
    showLibrary(true);
    codeNum->showKey();
    libSetSel();
    libOpen = true;
    libFrame->simuFrame->simu->cancelZoomRect();
}

void KMainWindow::lib2morepoint()
{
    menuLib->hide();
    libFrame->libList->hide();
    libFrame->libTable->pixmapFrame->hide();
    codeNum->hide();
    menuMorepoint->show();
    // The library's drawing panel lies where these two stand.
    xyFrame->show();
    xyFrame->raise();
    textFrame->show();
    textFrame->raise();
    morepointFrame->show();
    directFrame->setMotion();
    connectStepButtons(true);
    message(610);
    jogging = true;
    readIntThread->stepValues = true;
    writeDevice->toStep();
    morepointFrame->morepoint->reset();
    KLibSimu *libSimu = libFrame->simuFrame->simu;
    libSimu->resetView();
    libSimu->morePlate = true;
    if (alarm)
        limitHandling(menuMorepoint->backButton);
}

void KMainWindow::morepoint2lib()
{
    menuMorepoint->hide();
    xyFrame->hide();
    textFrame->hide();
    morepointFrame->hide();
    libFrame->libTable->pixmapFrame->show();
    libSetSel();
    menuLib->show();
    codeNum->show();
    codeNum->showKey();
    jogging = false;
    readIntThread->stepValues = false;
    writeDevice->back();
    libFrame->simuFrame->simu->drawMorePlatte();
}

void KMainWindow::top2thc()
{
    menuTop->hide();
    menuFile->hide();
    menuCutting->hide();
    simuFrame->hide();
    // The height pages end two pixels above their key row: the key pad
    // would show through, and its hidden keys would still jog.
    directFrame->hide();
    thc->menuTHC->show();
    thc->menuTHC->setEnabled(true);
    showTHC();
    thc->showTHC1();
    codeNum->showKey();
}

void KMainWindow::thc2top()
{
    thc->menuTHC->hide();
    thc->thc1Config->hide();
    thc->thc2Config->hide();
    thc->speedConfig->hide();
    thc->updateConfigPage();
    menuTop->show();
    simuFrame->show();
    directFrame->show();
    simuFrame->simu->change();
    // Back on the top menu the jog frame gives way to the status panels,
    // and the file page it may have come from is left as file2top leaves it.
    showStatus();
    speedFrame->show();
    filePageOpen = false;
    codeNum->codeFrame->timer->stop();
    directFrame->setSimuGraph();
    codeNum->showCode();
}

void KMainWindow::showTHC()
{
    status->statusFrame->hide();
    status->timeFrame->hide();
    // The jog frame reaches down over the speed panel and draws no
    // background of its own: the panel gives way while it is shown.
    speedFrame->hide();
    thc->thcFrame->show();
}

void KMainWindow::top2IO()
{
    menuTop->hide();
    showProgramScreen(false);
    directFrame->hide();
    menuIO->show();
    IOInput();
    readIO->readIOThread->resetInputs();
    readIO->readIOThread->start();
}

void KMainWindow::IO2top()
{
    menuIO->hide();
    readIO->hide();
    readIO->readIOThread->stopLoop();
    writeIO->hide();
    writeIO->enterButton->hide();
    writeIO->allOff();
    menuTop->show();
    showProgramScreen(true);
    directFrame->show();
}

void KMainWindow::IOInput()
{
    writeIO->hide();
    writeIO->enterButton->hide();
    readIO->show();
}

void KMainWindow::IOOutput()
{
    readIO->hide();
    writeIO->show();
    writeIO->enterButton->show();
    writeIO->rowButton(1)->setFocus();
    writeIO->rowButton(1)->click();
}

void KMainWindow::codeMethodNum()
{
    if (simuJB)
        speedFrame->jbsimuShow();
    else
        speedFrame->speedShow();
    menuFile->mergeButton->setEnabled(false);
    menuFile->editPartButton->setEnabled(false);
    setPierceKeys(false);
}

void KMainWindow::codeMethodCK()
{
    speedFrame->cksimuShow();
    menuFile->mergeButton->setEnabled(true);
    menuFile->editPartButton->setEnabled(true);
    menuFile->mergeBox->setChecked(false);
    codeNum->codeFrame->code->locateCK();
    setPierceKeys(true);
}

// The program-line keys count either lines or pierced parts.
void KMainWindow::setPierceKeys(bool byPierce)
{
    KButton *const *keys = directFrame->numKeys;
    keys[KDirectFrame::Home]->setEnabled(byPierce);
    keys[KDirectFrame::End]->setEnabled(byPierce);
    for (int k : {KDirectFrame::Up, KDirectFrame::Down, KDirectFrame::PgUp, KDirectFrame::PgDn})
        keys[k]->setEnabled(!byPierce);
}

void KMainWindow::setEditorMode(int m)
{
    if (m == 0)
        directFrame->setEditor();
    else if (m == 1)
        directFrame->setNull();
}

// The plot group's keys move and zoom one view; End switches to the other.
void KMainWindow::wirePlotKeys(QObject *view, const char *endMember)
{
    const std::pair<KDirectFrame::Key, const char *> keys[] = {
        {KDirectFrame::Up, SLOT(posUp())},     {KDirectFrame::Down, SLOT(posDown())},
        {KDirectFrame::Left, SLOT(posLeft())}, {KDirectFrame::Right, SLOT(posRight())},
        {KDirectFrame::Home, SLOT(fit())},     {KDirectFrame::PgUp, SLOT(zoomIn())},
        {KDirectFrame::PgDn, SLOT(zoomOut())},
    };
    for (const auto &key : keys)
        FunctionKey::rerole(directFrame->simuKeys[key.first], view, key.second);
    FunctionKey::rerole(directFrame->simuKeys[KDirectFrame::End], this, endMember);
}

void KMainWindow::hideSimuJB()
{
    simuJB = false;
    speedFrame->speedShow();
    wirePlotKeys(simuFrame->simu, SLOT(showSimuJB()));
}

void KMainWindow::showSimuJB()
{
    simuJB = true;
    speedFrame->jbsimuShow();
    speedFrame->jbsimu->draw();
    wirePlotKeys(speedFrame->jbsimu, SLOT(hideSimuJB()));
}

// The library view's End shows the part or the plate; its text names the other.
void KMainWindow::setLibViewEnd(const QString &text, const char *member)
{
    KButton *end = directFrame->libGraphKeys[KDirectFrame::End];
    end->setText(text);
    rewire(end, member);
    end->setShortcut(Qt::Key_End);
}

void KMainWindow::showLibJB()
{
    libFrame->simuFrame->simu->showJB();
    setLibViewEnd(tr("看钢板"), SLOT(cancelLibJB()));
}

void KMainWindow::cancelLibJB()
{
    libFrame->simuFrame->simu->cancelJB();
    setLibViewEnd(tr("看零件"), SLOT(showLibJB()));
}

void KMainWindow::showSheet()
{
    simuFrame->simu->showSheet();
    FunctionKey::relabel(menuTop->sheetButton, tr("看零件"));
    rewire(menuTop->sheetButton, SLOT(cancelSheet()));
}

void KMainWindow::cancelSheet()
{
    simuFrame->simu->showPart();
    FunctionKey::relabel(menuTop->sheetButton, tr("看钢板"));
    rewire(menuTop->sheetButton, SLOT(showSheet()));
}

// The library selection group drives the shape catalogue or the pattern
// list: adding and moving sideways belong to the catalogue, deleting to the list.
void KMainWindow::setLibSelection(bool list)
{
    libSelList = list;
    directFrame->setLibSel();
    KButton *const *keys = directFrame->libSelKeys;
    keys[KDirectFrame::End]->setEnabled(list);
    for (int k : {KDirectFrame::Home, KDirectFrame::Left, KDirectFrame::Right})
        keys[k]->setEnabled(!list);
    QObject *target = list ? static_cast<QObject *>(libFrame->libList) : libFrame->libTable;
    FunctionKey::rerole(keys[KDirectFrame::Up], target, SLOT(selUp()));
    FunctionKey::rerole(keys[KDirectFrame::Down], target, SLOT(selDown()));
    if (list)
        libFrame->showList();
    else
        libFrame->showTable();
}

void KMainWindow::libSetSelTable()
{
    setLibSelection(false);
}

void KMainWindow::libSetSelList()
{
    setLibSelection(true);
}

void KMainWindow::libSetSel()
{
    if (libSelList)
        libSetSelList();
    else
        libSetSelTable();
}

void KMainWindow::connectStepButtons(bool stopOnly)
{
    if (stopOnly) {
        rewire(stopButton(), SLOT(stepStop()), SIGNAL(pressed()));
        return;
    }
    const KDirectFrame::Key keys[] = {KDirectFrame::Up,   KDirectFrame::Down, KDirectFrame::Left, KDirectFrame::Right,
                                      KDirectFrame::Home, KDirectFrame::PgUp, KDirectFrame::End,  KDirectFrame::PgDn};
    const char *const members[] = {SLOT(stepN()),  SLOT(stepS()),  SLOT(stepW()),  SLOT(stepE()),
                                   SLOT(stepNW()), SLOT(stepNE()), SLOT(stepSW()), SLOT(stepSE())};
    for (int k = 0; k < 8; ++k) {
        KButton *b = directFrame->motionKeys[keys[k]];
        FunctionKey::rerole(b, this, members[k], SIGNAL(pressed()));
        if (method == 3)
            connect(b, SIGNAL(released()), this, SLOT(stepStop()));
    }
}

void KMainWindow::setMethod(int m)
{
    // The pages' own setMethod checks a box, which emits methodChanged
    // back to here; the first call's method must win everywhere.
    if (settingMethod)
        return;
    settingMethod = true;
    method = m;
    para.method = m;
    menuStep->setMethod(m);
    menuMovement->setMethod(m);
    directFrame->setMethod(m);
    writeDevice->setMethod(m);
    connectStepButtons(false);
    settingMethod = false;
}
