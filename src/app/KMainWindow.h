#ifndef KMAINWINDOW_H
#define KMAINWINDOW_H

#include "app/ProcessImage.h"
#include "app/base/FileFailure.h"
#include "records/DeviceRecords.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <functional>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QXmlAttributes>
QT_WARNING_POP

class KButton;
class KCodeNum;
class KDirectFrame;
class KEditor;
class KInfoFrame;
class KLibFrame;
class KMenuConfig;
class KMenuCutting;
class KMenuFastcopy;
class KMenuFile;
class KMenuIO;
class KMenuJump;
class KMenuLib;
class KMenuMorepoint;
class KMenuMovement;
class KMenuReturn;
class KMenuStep;
class KMenuTop;
class KMenuZZ;
class KMorepointFrame;
class KPreview;
class KReadIO;
class KReadIntThread;
class KReloadDialog;
class KSimuFrame;
class KSpeedFrame;
class KStatus;
class KTextFrame;
class KTHC;
class KTHCDialog;
class KTorch;
class KWriteDevice;
class KWriteIO;
class KXYFrame;
class KXmlHandler;
class KXmlHandlerFile;
class QDialog;
class QShowEvent;
class QTimer;
class QXmlSimpleReader;

// The program's one top-level window: it builds and owns every page, frame,
// timer and device object, wires them once at start-up and holds the state
// their slots share. Its slots are spread over files by concern: start-up,
// connections, configuration, page switching, loading and the process
// sequences.
class KMainWindow : public QWidget
{
    Q_OBJECT
public:
    KMainWindow();
    ~KMainWindow() override;

    static QString startTitle();

    // Runs a dialog modally and returns its result; tests replace it so no
    // modal loop blocks them.
    using ModalRunner = std::function<int(QDialog *)>;
    void setModalRunner(ModalRunner runner);

    // The wall time of one tick of the 13 process timers (100 ms). Every
    // tick still counts 0.1 s of its phase, so a shorter tick runs the same
    // sequence, tick for tick, faster; tests use it.
    void setPhaseTick(int ms);
    int runModal(QDialog *dialog);

    // The slot the Start (cutting page F9) and Stop (key pad F10) buttons
    // are wired to now, by name ("cutRun", "DLZDWStart", "cutStopall" ...).
    QString startTarget() const { return targets.value(startButton()); }
    QString stopTarget() const { return targets.value(stopButton()); }

    KButton *startButton() const;
    KButton *stopButton() const;

    // The links of the start-up connection table that did not connect
    // ("sender signal -> receiver slot"); a start-up that leaves one here
    // has a key or a process step that does nothing.
    QStringList unconnectedLinks;

    // Pages, frames and devices, named after their class.
    KInfoFrame *infoFrame = nullptr;
    KXYFrame *xyFrame = nullptr;
    KTorch *torch = nullptr;
    KStatus *status = nullptr;
    KTHC *thc = nullptr;
    KSimuFrame *simuFrame = nullptr;
    KTextFrame *textFrame = nullptr;
    KCodeNum *codeNum = nullptr;
    KDirectFrame *directFrame = nullptr;
    KSpeedFrame *speedFrame = nullptr;
    KLibFrame *libFrame = nullptr;
    KMorepointFrame *morepointFrame = nullptr;
    KEditor *editor = nullptr;
    KPreview *preview = nullptr;
    KMenuTop *menuTop = nullptr;
    KMenuFile *menuFile = nullptr;
    KMenuFastcopy *menuFastcopy = nullptr;
    KMenuCutting *menuCutting = nullptr;
    KMenuReturn *menuReturn = nullptr;
    KMenuJump *menuJump = nullptr;
    KMenuStep *menuStep = nullptr;
    KMenuMovement *menuMovement = nullptr;
    KMenuConfig *menuConfig = nullptr;
    KMenuZZ *menuZZ = nullptr;
    KMenuLib *menuLib = nullptr;
    KMenuMorepoint *menuMorepoint = nullptr;
    KMenuIO *menuIO = nullptr;
    KWriteIO *writeIO = nullptr;
    KReadIO *readIO = nullptr;
    KTHCDialog *thcDialog = nullptr;
    KReloadDialog *reloadDialog = nullptr;
    KWriteDevice *writeDevice = nullptr;
    KReadIntThread *readIntThread = nullptr;

    // The SAX classes are deprecated in Qt 5.15 but are what the
    // configuration readers are built on.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QXmlSimpleReader *configReader = nullptr;
    KXmlHandler *configHandler = nullptr;
    QXmlSimpleReader *fileConfigReader = nullptr;
    KXmlHandlerFile *fileConfigHandler = nullptr;
    QT_WARNING_POP

    // The 13 process timers; each carries its member name as object name.
    QTimer *delayTimer = nullptr;
    QTimer *realDelayTimer = nullptr;
    QTimer *dfTimer = nullptr;
    QTimer *dwDownTimer = nullptr;
    QTimer *ckTimer = nullptr;
    QTimer *ckUpTimer = nullptr;
    QTimer *ckDownTimer = nullptr;
    QTimer *oxoffUpTimer = nullptr;
    QTimer *yhTimer = nullptr;
    QTimer *dlzDelayTimer = nullptr;
    QTimer *arcOffUpTimer = nullptr;
    QTimer *dwUpTimer = nullptr;
    QTimer *dlzDwDownTimer = nullptr;

    int deviceFd[11];

    // State shared by the slots.
    para_t para{6000, 2000, 300, 0, 1};
    sys_t sys{};
    start_t start{};
    int segEndFlag = 0;
    int mode = 0; // demonstration until config.xml names one
    int method = 1;
    int jogDirection = 2;
    bool running = false;
    bool jogging = false;
    bool movementOpen = false;
    bool beginRequested = true;
    bool beginRequestedByStep = false;
    bool returnZeroPending = false;
    bool jumpPending = false;
    bool jumpStartPending = false;
    bool atZero = false;
    bool filePageOpen = false;
    bool libOpen = false;
    bool editorOpen = false;
    bool previewOpen = false;
    bool configOpen = false;
    bool alarm = false;
    unsigned char limitMask = 0;
    bool knocked = false;
    bool piercing = false;
    bool arcAnswered = false;
    bool arcStarting = false;
    bool dwUpRunning = false;
    bool newFileRequested = false;
    bool stopSegActive = false;
    bool stopSegPassive = false;
    bool stopAll = false;
    bool ck3 = false;
    int dwMode = 0;
    bool simuJB = false;
    bool libSelList = false;
    bool preheating = false;
    bool dwDone = false;
    bool lifted = false;
    bool beginOffsetSet = false;
    bool arcOffLifted = false;
    bool fileLoaded = false;
    // The last load failed: the message line says why, not "准备就绪".
    bool loadFailed = false;
    // fileconfig.xml named a program to load at the start.
    bool lastProgramNamed = false;
    // Why fileconfig.xml, there, named no program, in the operator's words;
    // empty when it named one or is not there.
    QString lastProgramUnread;
    // The first of config.xml and thcconfig.xml that is there but could not
    // be opened (a pipe, a folder, a file it may not read); told on the
    // message line where "准备就绪" would stand.
    FileFailure configUnread;
    int machineRecord = 0;
    int machineX = 0;
    int machineY = 0;
    int oldRecord = 0;
    int oldX = 0;
    int oldY = 0;
    int recordCount = 0;
    int startNum = 0;
    int jumpX = 0;
    int jumpY = 0;
    double firstX = 0.0;
    double firstY = 0.0;
    double secondX = 0.0;
    double secondY = 0.0;
    double libStep = 10.0;
    double libGrad = 10.0;
    QString libFileName;
    // The program loaded for cutting, which every later road reads (with
    // none loaded, the one last named); a refused file never becomes it.
    QString currentFile;
    QString oldFile;

    void setFireMode(bool switchOnly);
    void setPFMode(bool switchOnly);
    void setDLZMode(bool switchOnly);
    void setDemoMode();
    // The setter of mode value 0 to 3; false for any other value.
    bool applyMode(int value);
    void connectStepButtons(bool stopOnly);

public slots:
    void showStatus();
    int showTHCDialog();
    void messagebox();

    // Configuration (config.xml and fileconfig.xml elements, page signals).
    void readConfigFile(QXmlAttributes attribs);
    void readConfigBeam(QXmlAttributes attribs);
    void readConfigCut(QXmlAttributes attribs);
    void readConfigBase(QXmlAttributes attribs);
    void readConfigFire(QXmlAttributes attribs);
    void readConfigPF(QXmlAttributes attribs);
    void readConfigDLZ(QXmlAttributes attribs);
    void readConfigLaser(QXmlAttributes attribs);
    void readConfigTorch(QXmlAttributes attribs);
    // A configuration file could not be saved: the operator is told which
    // and why.
    void configNotSaved(const QString &file, const FileError &reason);
    void readConfigMode(QXmlAttributes attribs);
    void setCK3(int value);
    void setDWMode(int value);
    void changeMode();
    void setCutspeed(int v);
    void setTopspeed(int v);
    void setLowspeed(int v);
    void writeSettings();

    // Page switching and key-pad views.
    void top2file();
    void file2top();
    void file2preview();
    void preview2file();
    void preview2editor(QString &name);
    void file2editor();
    void ck2editor();
    void editor2file();
    void file2fastcopy();
    void fastcopy2file();
    void top2config();
    void config2top();
    void top2cutting();
    void cutting2top();
    void cutting2movement();
    void movement2cutting();
    void cutting2return();
    void return2cutting();
    void cutting2jump();
    void findCK();
    void jump2cutting();
    void top2step();
    void step2top();
    void top2zz();
    void zz2top();
    void top2lib();
    void lib2top();
    void lib2preview();
    void preview2lib();
    void lib2morepoint();
    void morepoint2lib();
    void top2thc();
    void thc2top();
    void showTHC();
    void top2IO();
    void IO2top();
    void IOInput();
    void IOOutput();
    void codeMethodNum();
    void codeMethodCK();
    void setEditorMode(int m);
    void showSimuJB();
    void hideSimuJB();
    void showLibJB();
    void cancelLibJB();
    void showSheet();
    void cancelSheet();
    void libSetSelTable();
    void libSetSelList();
    void libSetSel();
    void setMethod(int m);

    // Program loading.
    void updateFile(QString &name);
    void reload();
    void openFile(QString &name);
    void setCurrentFile(QString &name);

    // Process sequences, stops, alarms, jogging, speeds, alignment and
    // library control.
    void cutRun();
    void dwDown();
    void dwDownEnd();
    void df();
    void preheatOn();
    void preheatOff();
    void oxygenOn();
    void oxygenOff();
    void delayEnd();
    void stopDelay();
    void resumeDelay();
    void dfEnd();
    void doCK();
    void doCK1();
    void doCK2();
    void doCK3();
    void ckEnd();
    void ck3End();
    void ckUp();
    void ckUpEnd();
    void ckDown();
    void ckDownEnd();
    void OxoffUp();
    void OxoffUpEnd();
    void fireEnd();
    void DLZDWStart();
    void DLZDWActiveStop();
    void DLZDWSuccess();
    void DLZDWUpStart();
    void DLZDWUpEnd();
    void DLZTorchDown();
    void DLZTorchUp();
    void DLZHYOn();
    void DLZYHStart();
    void DLZYHSuccess();
    void DLZYHEnd();
    void DLZStopDelay();
    void DLZResumeDelay();
    void DLZDelayEnd();
    void DLZOff();
    void DLZOffEnd();
    void DLZStop();
    void DLZConer(char c);
    void DLZKnock();
    void DLZKnockResume();
    void dlzEnd();
    void cutStopped();
    void stepStopped();
    void setStartNum(int n);
    void setBeginPoint(int bx, int by);
    void setCurrentNum(int n);
    void calRemainTime();
    void cutStopall();
    void forbackStopall();
    void stepStop();
    void cutStopsegActive();
    void cutStopsegActiveCancel();
    void cutStopsegPassiv();
    void cutStopsegPassivCancel();
    void toNewFile();
    void toOldFile();
    void setTorch(unsigned char mask);
    void xw_XPOS();
    void xw_XNEG();
    void xw_YPOS();
    void xw_YNEG();
    void dx1_ERR();
    void dx2_ERR();
    void dy_ERR();
    void XWResume();
    void xw();
    void SGNotReady();
    void SGReady();
    void setRunFalse();
    void stepN();
    void stepS();
    void stepW();
    void stepE();
    void stepNW();
    void stepNE();
    void stepSW();
    void stepSE();
    void set00();
    void stepBackTo00();
    void zzBackTo00();
    void moveToPoint(int x, int y);
    void moveback();
    void cutback();
    void cutTurnback();
    void cutReturnStart();
    void cutReturnZero();
    void jumpToStartPoint();
    void fileMoveToStartPoint();
    void backward(bool slow = false);
    void forward(bool slow = false);
    void LaserDW();
    void LaserEnable();
    void LaserDisable();
    void beamXZ();
    void fast();
    void slow();
    void returnCutspeed();
    void returnTopspeed();
    void addMorepoint();
    void setFirst();
    void setSecond();
    void setAngel();
    void bothTouch();
    void bothNoTouch();
    void onlyLeftTouch();
    void onlyRightTouch();
    void leftRightTouch(int d);
    void rightLeftTouch(int d);
    void setSegEndFlag(int f);
    void libPreview();
    void changePatten();
    void addPatten();
    void delPatten();
    void fileOptim(bool save = false);
    void newLib();
    void setLibStep(double v);
    void setLibGrad(double v);
    void libAddX();
    void libSubX();
    void libAddY();
    void libSubY();
    void libAddAngel();
    void libSubAngel();
    void addDefPatten(QString &name);
    bool changeDefPatten();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    // The height page follows each successful reload of the file page.
    void fileReopened(QString &name);

private:
    void createFrames();
    void createConnections();
    // Cuts every connection of a button, connects signal to one slot of
    // this window and remembers the slot's name.
    void rewire(KButton *button, const char *member, const char *signal = nullptr);
    void message(int code);
    void limitHandling(KButton *escape, KButton *other = nullptr);
    void wireStartByRecord(const char *processStart);
    // What a load does with the program's name when the program becomes
    // the current one (or nothing was loaded before): the title, the file
    // and configuration pages, the editor.
    void nameProgram(const QString &name);
    // No program armed for cutting.
    void disarm();
    // The message line names fileconfig.xml as what could not be read.
    void tellLastProgramUnread();
    // Notes a configuration file that is there but could not be read: the
    // console names it in full at once, the message line at the end of the
    // start.
    void noteConfigUnread(const QString &path, const FileError &reason);
    // The message line names that file and why; also what a reload with no
    // program named says, since the unread file is why none was loaded.
    void tellConfigUnread();
    // What every load ends with: speed dial at 0, part view, outputs of a
    // finished process off.
    void endLoad();
    void showProgramScreen(bool shown);
    void enterPreview(bool fromLibrary);
    void leavePreview();
    void enterEditor(const QString &name);
    void reparseCurrent();
    // Back from the browser to the file page, the loaded program untouched.
    void previewToFilePage();
    void setPierceKeys(bool byPierce);
    void showLibrary(bool shown);
    void showListButtons(bool shown);
    void jogPage2top(QWidget *page, std::atomic<bool> &valuesFlag);
    void wirePlotKeys(QObject *view, const char *endMember);
    void setLibViewEnd(const QString &text, const char *member);
    void setLibSelection(bool list);

    // Process sequences: one step's change of the output image, sent at once.
    void sendStep(ProcessImage::Step step);
    // The movement page's F9 while that page is shown, else Start.
    KButton *activeStartButton() const;
    void enableStart(bool on);
    // Stop as it is during a cut or a jog: pressed() to the stop of either.
    void wireStopForMotion();
    // F3 (segment stop) is offered unless the start record is the last one or
    // an M code follows it.
    void enableSegmentStop();
    // Start wired by what a record asks for: processStart (a SLOT()) for a
    // cut, cutRun for a rapid or marking offset; false when neither.
    bool wireStartForRecord(qint32 type, const char *processStart);
    const char *processStartSlot(bool demoToPlasma = false) const;
    void unwire(KButton *button);
    // The process of the current mode closed at a stop; false in
    // demonstration mode, where there is none.
    bool closeProcess();
    void enableCuttingKeys();
    void stopForAlarm();
    void repeatJogStep();
    void enableMovementKeys();
    void motionMarksCleared();
    void markAbsoluteMove();
    void limitAlarm(const char *trace, unsigned char mask, int code);
    void driveAlarm(const char *trace, int code);
    void beamAngle(double angle, bool send);
    void speedKey(bool faster);
    void returnSpeed(bool cut);
    // The shape table's current cell is the custom-file entry.
    bool customFileCell() const;
    // A custom file parsed again into its b<N>.nc for the current pattern;
    // 0 when it could not be and the layout went back.
    int reparseCustomFile(int number);
    // The layout on screen written to k.nc, read back (which writes l.nc)
    // and drawn; false with the file and reason when it could not be, the
    // drawing then as it was.
    bool writeLayout(FileFailure *failure);
    // Tells why a layout could not be written and goes back to the last one
    // drawn.
    void refuseLayout(const FileFailure &failure);

    ModalRunner modalRunner;
    QHash<const KButton *, QString> targets;
    bool settingMethod = false;
};

#endif
