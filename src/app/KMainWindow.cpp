// Start-up: the window, its pages and frames, and the reading of the two
// configuration files that loads the last program.
#include "app/KMainWindow.h"
#include "app/PhaseMark.h"

#include "app/base/BasePath.h"
#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/Notice.h"
#include "app/base/ProgramFile.h"
#include "config/ConfigDocument.h"
#include "config/KMenuConfig.h"
#include "config/KXmlHandler.h"
#include "config/KXmlHandlerFile.h"
#include "device/DeviceIo.h"
#include "device/KMenuIO.h"
#include "device/KReadIO.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "device/KWriteIO.h"
#include "files/KEditor.h"
#include "files/KMenuFastcopy.h"
#include "files/KMenuFile.h"
#include "files/KPreview.h"
#include "library/KLibFrame.h"
#include "library/KMenuLib.h"
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
#include "status/KXYFrame.h"
#include "thc/KTHC.h"
#include "thc/KTHCConfig.h"
#include "thc/KTHCDialog.h"
#include "thc/KTHCFrame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QTimer>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QXmlSimpleReader>

QString KMainWindow::startTitle()
{
    return tr("数控切割系统 Brenlo3");
}

KMainWindow::KMainWindow()
    : QWidget(nullptr)
    , modalRunner([](QDialog *dialog) { return KeyFocus::exec(dialog); })
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowStaysOnTopHint);
    setFont(QFont(QStringLiteral("Simsun"), 10));
    setWindowTitle(startTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icon/tovrel.png")));

    // Nothing here opens the axis card; whatever opens it assigns these.
    for (int &fd : deviceFd)
        fd = DeviceIo::kNotOpen;

    configReader = new QXmlSimpleReader;
    configHandler = new KXmlHandler(configReader);
    configHandler->setParent(this);
    fileConfigReader = new QXmlSimpleReader;
    fileConfigHandler = new KXmlHandlerFile(fileConfigReader);
    fileConfigHandler->setParent(this);

    QTimer **const timers[] = {&delayTimer,    &realDelayTimer, &dfTimer,       &dwDownTimer, &ckTimer,
                               &ckUpTimer,     &ckDownTimer,    &oxoffUpTimer,  &yhTimer,     &dlzDelayTimer,
                               &arcOffUpTimer, &dwUpTimer,      &dlzDwDownTimer};
    const char *const names[] = {"delayTimer",    "realDelayTimer", "dfTimer",       "dwDownTimer", "ckTimer",
                                 "ckUpTimer",     "ckDownTimer",    "oxoffUpTimer",  "yhTimer",     "dlzDelayTimer",
                                 "arcOffUpTimer", "dwUpTimer",      "dlzDwDownTimer"};
    for (int t = 0; t < 13; ++t) {
        *timers[t] = new QTimer(this);
        (*timers[t])->setObjectName(QLatin1String(names[t]));
        (*timers[t])->setInterval(PhaseMark::kTick);
    }

    setGeometry(0, 25, 1024, 748);
    setFixedSize(1024, 748);
    limitMask = 0;
    createFrames();
    noteConfigUnread(ConfigDocument::thcConfigPath(), thc->configUnreadable);

    writeDevice = new KWriteDevice({deviceFd[1], deviceFd[2], deviceFd[6], deviceFd[3], deviceFd[4], deviceFd[0],
                                    deviceFd[5], deviceFd[7], deviceFd[8], deviceFd[9], deviceFd[10]},
                                   this);
    readIntThread = new KReadIntThread({deviceFd[1], deviceFd[2], deviceFd[6], deviceFd[3], deviceFd[4], deviceFd[0],
                                        deviceFd[5], deviceFd[7], deviceFd[8]},
                                       this);
    writeDevice->writePara(para);

    createConnections();
    simuFrame->showSimu();

    // Read as every file is read: whatever stands at these names, the start
    // never waits on it. A file that is there but cannot be opened is told
    // as what could not be read, not taken for a missing one.
    FileError unreadable;
    const bool fileConfigWhole = fileConfigHandler->parseFile(ConfigDocument::fileConfigPath(), &unreadable);
    const bool fileConfigThere = !unreadable.isMissing();
    if (!fileConfigThere)
        simuFrame->simu->parser->setFileName(QStringLiteral("./ncfile/0003.nc"));
    // Loaded as it is, an empty name would be told as a program that does
    // not exist: the operator would learn neither that the file naming the
    // last program is damaged nor which file that is.
    if (fileConfigThere && !lastProgramNamed)
        lastProgramUnread = !unreadable.isNone() ? unreadable.words() : fileConfigWhole ? tr("无程序名") : tr("已损坏");
    configHandler->parseFile(ConfigDocument::configPath(), &unreadable);
    noteConfigUnread(ConfigDocument::configPath(), unreadable);
    // The page saves the mode it holds: give it the window's, also when
    // config.xml named none or one out of range.
    menuConfig->setMode(mode);

    // A config.xml without parameters loads nothing, and tells nothing yet.
    if (!lastProgramUnread.isEmpty() && !loadFailed)
        tellLastProgramUnread();
    else if (!configUnread.isEmpty() && !alarm && !loadFailed)
        tellConfigUnread();
    else if (!alarm && !loadFailed)
        textFrame->message->updateText(1);
    showStatus();
}

KMainWindow::~KMainWindow()
{
    delete configReader;
    delete fileConfigReader;
}

void KMainWindow::noteConfigUnread(const QString &path, const FileError &reason)
{
    // Missing is no fault: a fresh working folder has none of them.
    if (reason.isNone() || reason.isMissing())
        return;
    qDebug("read file error... %s: %s", qPrintable(QFileInfo(path).absoluteFilePath()), qPrintable(reason.text()));
    if (configUnread.isEmpty())
        configUnread = FileFailure{path, reason};
}
QT_WARNING_POP

namespace {

template <class T> T *place(T *widget, int x, int y, int w, int h, bool boxed, bool shown)
{
    widget->setGeometry(x, y, w, h);
    if (boxed)
        widget->setFrameStyle(QFrame::Box | QFrame::Sunken);
    if (!shown)
        widget->setVisible(false);
    return widget;
}

} // namespace

void KMainWindow::createFrames()
{
    infoFrame = place(new KInfoFrame(this), 2, 2, 1020, 30, true, true);
    infoFrame->setFocusPolicy(Qt::NoFocus);
    xyFrame = place(new KXYFrame(this), 2, 34, 256, 67, true, true);
    torch = new KTorch(this);
    torch->setGeometry(2, 103, 0, 0);
    textFrame = place(new KTextFrame(this), 2, 103, 256, 38, true, true);
    codeNum = new KCodeNum(this);
    codeNum->setGeometry(2, 143, 256, 319);
    directFrame = place(new KDirectFrame(this), 2, 464, 256, 220, true, true);
    directFrame->setSimuGraph();
    simuFrame = place(new KSimuFrame(this), 260, 34, 582, 650, true, true);
    status = new KStatus(this);
    status->setGeometry(844, 34, 178, 494);
    thc = new KTHC(this);
    speedFrame = place(new KSpeedFrame(this), 844, 530, 178, 154, true, true);
    libFrame = new KLibFrame(this);
    libFrame->setGeometry(844, 34, 178, 658);
    libFrame->setVisible(false);
    morepointFrame = place(new KMorepointFrame(this), 2, 143, 256, 319, true, false);
    editor = new KEditor(this);
    editor->setFrameStyle(QFrame::Box | QFrame::Sunken);
    editor->setVisible(false);
    preview = new KPreview(this);
    preview->setFrameStyle(QFrame::Box | QFrame::Sunken);
    preview->setVisible(false);

    const QRect strip(0, 686, 1024, 60);
    menuTop = new KMenuTop(this);
    menuTop->setGeometry(strip);
    QWidget *const pages[] = {
        menuFile = new KMenuFile(this),
        menuFastcopy = new KMenuFastcopy(this),
        menuCutting = new KMenuCutting(this),
        menuReturn = new KMenuReturn(this),
        menuJump = new KMenuJump(this),
        menuStep = new KMenuStep(this),
        menuMovement = new KMenuMovement(this),
        menuConfig = new KMenuConfig(this),
        menuZZ = new KMenuZZ(this),
        menuLib = new KMenuLib(this),
        menuMorepoint = new KMenuMorepoint(this),
        menuIO = new KMenuIO(this),
    };
    for (QWidget *page : pages) {
        page->setGeometry(strip);
        page->setVisible(false);
    }
    menuLib->setFocusPolicy(Qt::NoFocus);
    writeIO = new KWriteIO(deviceFd[5], this);
    readIO = new KReadIO(deviceFd[6], deviceFd[8], this);
    thcDialog = new KTHCDialog(this);
    reloadDialog = new KReloadDialog(this);
}

void KMainWindow::showStatus()
{
    thc->thcFrame->hide();
    status->show();
    status->statusFrame->show();
    status->timeFrame->show();
}

void KMainWindow::closeEvent(QCloseEvent *event)
{
    for (int &fd : deviceFd)
        DeviceIo::close(fd);
    event->accept();
}

void KMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && simuFrame)
        simuFrame->simu->change();
    QWidget::changeEvent(event);
}

// No window manager hands the keyboard to the operator console's only window.
void KMainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    KeyFocus::take(this);
}

void KMainWindow::setPhaseTick(int ms)
{
    for (QTimer *timer : {delayTimer, realDelayTimer, dfTimer, dwDownTimer, ckTimer, ckUpTimer, ckDownTimer,
                          oxoffUpTimer, yhTimer, dlzDelayTimer, arcOffUpTimer, dwUpTimer, dlzDwDownTimer})
        timer->setInterval(ms);
}

void KMainWindow::setModalRunner(ModalRunner runner)
{
    modalRunner = std::move(runner);
}

int KMainWindow::runModal(QDialog *dialog)
{
    return modalRunner(dialog);
}

int KMainWindow::showTHCDialog()
{
    thcDialog->goTopButton->setEnabled(thc->thc1Config->goTopButton->isEnabled());
    return runModal(thcDialog);
}

void KMainWindow::fileReopened(QString &name)
{
    if (fileLoaded && !loadFailed && name == currentFile)
        showTHCDialog();
}

void KMainWindow::messagebox()
{
    Notice::noAxisCard(this);
}

KButton *KMainWindow::startButton() const
{
    return menuCutting->startButton;
}

KButton *KMainWindow::stopButton() const
{
    return directFrame->stopButton;
}

void KMainWindow::rewire(KButton *button, const char *member, const char *signal)
{
    FunctionKey::rerole(button, this, member, signal);
    // SLOT() strings carry a one-character code before the name.
    QString name = QString::fromLatin1(member + 1);
    targets.insert(button, name.left(name.indexOf('(')));
}
