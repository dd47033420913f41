// Making an NC program the one loaded for cutting.
#include "app/base/BasePath.h"
#include "app/base/FileNames.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/base/ProgramFile.h"
#include "config/ConfigDocument.h"
#include "config/KConfigTorch.h"
#include "config/KMenuConfig.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "files/KEditor.h"
#include "files/KMenuFile.h"
#include "pages/KCode.h"
#include "pages/KCodeFrame.h"
#include "pages/KCodeNum.h"
#include "pages/KDirectFrame.h"
#include "pages/KMenuCutting.h"
#include "program/KCKSimu.h"
#include "program/KEditSimu.h"
#include "program/KJBSimu.h"
#include "program/KSimu.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KText.h"
#include "status/KTextFrame.h"
#include "status/MessageCode.h"
#include "status/KXY.h"
#include "status/KXYFrame.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QDial>
#include <QPushButton>
#include <QFile>
#include <QTimer>

namespace {

// A name as it stands, with what the line would not show made visible: a
// name with blanks around it is quoted, a line end or another control
// character is written as its escape ("0003.nc\n"). The name is not
// trimmed: a file may well be called so, and the one named is the one read.
QString visibleName(const QString &name)
{
    QString shown;
    bool hidden = !name.isEmpty() && (name.front().isSpace() || name.back().isSpace());
    for (const QChar c : name) {
        if (c == QLatin1Char('\n'))
            shown += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            shown += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else {
            shown += c;
            continue;
        }
        hidden = true;
    }
    return hidden ? QLatin1Char('"') + shown + QLatin1Char('"') : shown;
}

// Which file failed and why, in the operator's words and short enough for
// the message line: the program itself, or the scratch program it is
// prepared into. The message line may shorten the name, so the console
// names the file in full.
void tellNotLoaded(KText *line, const Parser::Failure &failure, bool alarm)
{
    qDebug("parse file error... %s: %s", qPrintable(QFileInfo(failure.file).absoluteFilePath()),
           qPrintable(failure.reason.text()));
    if (alarm)
        return;
    line->updateText(failure.writing ? MessageCode::ScratchNotWritten : MessageCode::ProgramNotLoaded,
                     {visibleName(FileNames::shown(QFileInfo(failure.file).fileName())), failure.reason.words()});
}

} // namespace

void KMainWindow::updateFile(QString &name)
{
    if (configOpen)
        config2top();
    QString copy = name;
    setCurrentFile(copy);
}

void KMainWindow::reload()
{
    QString name = currentFile;
    setCurrentFile(name);
}

void KMainWindow::openFile(QString &chosen)
{
    // The browser passes its own member by reference; keep a copy.
    QString name = chosen;
    if (newFileRequested) {
        oldRecord = para.startNum;
        oldX = xyFrame->xy->x;
        oldY = xyFrame->xy->y;
        oldFile = currentFile;
        qDebug("oldFile=%s\n num=%d,x=%d,y=%d", oldFile.toLocal8Bit().constData(), oldRecord, oldX, oldY);
        FunctionKey::relabel(menuFile->newFileButton, tr("返回旧文件"));
        FunctionKey::rerole(menuFile->newFileButton, this, SLOT(toOldFile()));
        writeDevice->writeToNewFile();
    }
    const bool recordAsLast = !newFileRequested;
    // The program is replaced right away: parsing the old one again would
    // only be thrown away.
    previewToFilePage();
    setCurrentFile(name);
    // The next start loads what fileconfig.xml names: only a program that
    // is loaded now.
    if (recordAsLast && fileLoaded && !loadFailed)
        menuConfig->saveFileName(name);
}

void KMainWindow::setCurrentFile(QString &fileName)
{
    const QString name = fileName;
    KSimu *simu = simuFrame->simu;
    // A program that cannot be read leaves the one loaded before armed and
    // shown as it was: the parse changes neither the tables nor t.nc then.
    const int result = simu->parser->parseMain(name);
    loadFailed = result != 1;
    if (loadFailed && !simu->parser->lastFailure().writing) {
        if (name.isEmpty() && !lastProgramUnread.isEmpty())
            tellLastProgramUnread();
        else if (name.isEmpty() && !configUnread.isEmpty() && !alarm)
            tellConfigUnread();
        else
            tellNotLoaded(textFrame->message, simu->parser->lastFailure(), alarm);
        if (fileLoaded) {
            // The loaded program stays the current one for every later
            // use: the parser announces it again after a parameter change,
            // and the title names what Start runs.
            simu->parser->setFileName(currentFile);
        } else {
            // Nothing loaded before (the start): nothing armed now either,
            // and F4 may try the named program again.
            disarm();
            currentFile = name;
            nameProgram(name);
        }
        endLoad();
        return;
    }
    currentFile = name;

    simu->resetView();
    readIntThread->reset();
    xyFrame->xy->resetXY();
    speedFrame->speed->reset();
    speedFrame->cksimu->resetView();
    speedFrame->jbsimu->resetView();

    writeDevice->writeSys(sys);
    applyMode(mode);
    preheating = false;
    dwDone = false;
    atZero = false;

    KConfigTorch *torchDialog = menuConfig->torchDialog;
    for (QWidget *w : {static_cast<QWidget *>(torchDialog->torchBox1), static_cast<QWidget *>(torchDialog->torchBox2),
                       static_cast<QWidget *>(torchDialog->torchBox3), static_cast<QWidget *>(torchDialog->torchBox4),
                       static_cast<QWidget *>(torchDialog->okButton)})
        w->setEnabled(true);

    nameProgram(name);

    KCode *code = codeNum->codeFrame->code;
    if (result != 1) {
        tellNotLoaded(textFrame->message, simu->parser->lastFailure(), alarm);
        // The program was read but could not be prepared with the present
        // parameters: the previous program may not stay armed either, since
        // the screen shows other parameters.
        disarm();
    } else {
        simu->draw();
        speedFrame->jbsimu->drawWhenShown();
        recordCount = simu->parser->getMaxN();
        code->setLineCount(recordCount);
        readIntThread->setMaxN(recordCount);

        QFile t;
        if (!ProgramFile::open(t, basePath + "/.tovrelcnc/t.nc", nullptr)) {
            qDebug("open t.nc error...");
        } else {
            fileLoaded = true;
            code->loadCode();
            if (filePageOpen) {
                message(101);
                directFrame->setNumCK();
                codeMethodNum();
                codeNum->codeFrame->timer->start();
                menuFile->startPointButton->setEnabled(true);
            }
            writeDevice->writeEnt();
            readIntThread->reporting = true;

            KMenuCutting *page = menuCutting;
            page->fastButton->hide();
            page->slowButton->hide();
            page->cutSpeedButton->show();
            page->topSpeedButton->show();
            startButton()->setEnabled(!alarm && !knocked);
            page->forwardButton->setEnabled(true);
            page->movementButton->setEnabled(true);
            page->backwardButton->setEnabled(false);
            page->turnbackButton->setEnabled(false);
            page->returnButton->setEnabled(false);
            page->jumpButton->setEnabled(false);

            if (beginRequested) {
                start.startNum = machineRecord;
            } else if (beginRequestedByStep) {
                machineRecord = oldRecord;
                machineX = oldX;
                machineY = oldY;
                start.startNum = oldRecord;
            } else {
                start = start_t{jumpStartPending ? startNum : 0, 0, 0, 0, 0};
            }
            writeDevice->writeStart(start);
            writeSettings();
            simu->makeCKVector();
            code->setCK(simu->getCKNum(), simu->getCKVector());
            t.close();
        }
        // The mode setter above wired Start by the previous program's
        // start record; wire it by this one's.
        switch (mode) {
        case 1:
            wireStartByRecord(SLOT(dwDown()));
            break;
        case 2:
            wireStartByRecord(SLOT(DLZDWStart()));
            break;
        case 3:
            if (isCut(SegmentTable::typeAt(cutSegments, para.startNum)))
                rewire(startButton(), SLOT(dwDown()));
            break;
        default:
            break;
        }
    }
    endLoad();
}

// As a program that is not loaded: the message line names the file as
// far as it fits, its folder would not; the console names it in full.
void KMainWindow::tellLastProgramUnread()
{
    const QFileInfo file(ConfigDocument::fileConfigPath());
    qDebug("read file error... %s: %s", qPrintable(file.absoluteFilePath()), qPrintable(lastProgramUnread));
    if (alarm)
        return;
    textFrame->message->updateText(MessageCode::LastProgramUnread, {file.fileName(), lastProgramUnread});
}

void KMainWindow::tellConfigUnread()
{
    textFrame->message->updateText(MessageCode::LastProgramUnread,
                                   {QFileInfo(configUnread.file).fileName(), configUnread.reason.words()});
}

// An empty table, empty views and list, and no Start.
void KMainWindow::disarm()
{
    fileLoaded = false;
    recordCount = 0;
    codeNum->codeFrame->code->setLineCount(0);
    readIntThread->setMaxN(0);
    SegmentTable::prefill(cutSegments);
    simuFrame->simu->draw();
    speedFrame->jbsimu->drawWhenShown();
    startButton()->setEnabled(false);
}

void KMainWindow::nameProgram(const QString &name)
{
    setWindowTitle(startTitle() + " - " + FileNames::shown(name));
    menuConfig->setFileName(name);
    menuFile->setCurrentFile(name);
    // The editor is told the name only when it could load the file:
    // otherwise its F3 would write the previous program over that file.
    if (editor->loadFile(name, true))
        editor->setCurrentFile(name);
}

void KMainWindow::endLoad()
{
    speedFrame->speed->dial->setValue(0);
    speedFrame->speed->update();
    cancelSheet();
    if (mode == 1)
        fireEnd();
    else if (mode == 2)
        dlzEnd();
}
