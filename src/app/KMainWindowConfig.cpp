// Process mode and the configuration read at start-up.
#include "app/base/KButton.h"
#include "app/KMainWindow.h"
#include "app/base/FileFailure.h"
#include "app/base/Notice.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KConfigPF.h"
#include "config/KMenuConfig.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "pages/KBeam.h"
#include "program/KSimu.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"
#include "status/KInfo.h"
#include "status/KInfoFrame.h"
#include "status/KSimuFrame.h"
#include "status/KSpeed.h"
#include "status/KSpeedFrame.h"
#include "status/KStatus.h"
#include "status/KStatusDLZ.h"
#include "status/KStatusFire.h"
#include "status/KStatusFrame.h"
#include "status/KStatusPF.h"
#include "files/KPreview.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

QString general(double v)
{
    return QString::number(v, 'g', 6);
}

int intValue(const QXmlAttributes &a, const char *name)
{
    return a.value(QLatin1String(name)).toInt();
}

double doubleValue(const QXmlAttributes &a, const char *name)
{
    return a.value(QLatin1String(name)).toDouble();
}

void checkRadio(QRadioButton *const *radios, int count, int code)
{
    if (code >= 0 && code < count)
        radios[code]->setChecked(true);
}

} // namespace

// The three timers the flame and powder panels share follow the mode.
static void connectSharedTimers(QTimer *oxoffUp, QTimer *df, QTimer *dwDown, QObject *panel)
{
    QObject::disconnect(oxoffUp, nullptr, nullptr, nullptr);
    QObject::disconnect(df, nullptr, nullptr, nullptr);
    QObject::disconnect(dwDown, nullptr, nullptr, nullptr);
    QObject::connect(oxoffUp, SIGNAL(timeout()), panel, SLOT(minusOxoffUp()));
    QObject::connect(df, SIGNAL(timeout()), panel, SLOT(minusDF()));
    QObject::connect(dwDown, SIGNAL(timeout()), panel, SLOT(minusDwDown()));
}

void KMainWindow::setFireMode(bool switchOnly)
{
    writeDevice->pfOff();
    if (switchOnly)
        return;
    KStatusFrame *frame = status->statusFrame;
    connectSharedTimers(oxoffUpTimer, dfTimer, dwDownTimer, frame->fire);
    infoFrame->info->setStatus(tr("火 焰 "));
    mode = 1;
    writeDevice->setMode(1);
    frame->showFire();
    readIntThread->plasmaFlag = false;
    wireStartByRecord(SLOT(dwDown()));
}

void KMainWindow::setDLZMode(bool switchOnly)
{
    writeDevice->pfOff();
    if (switchOnly)
        return;
    infoFrame->info->setStatus(tr("等离子"));
    mode = 2;
    writeDevice->setMode(2);
    status->statusFrame->showDLZ();
    readIntThread->plasmaFlag = true;
    wireStartByRecord(SLOT(DLZDWStart()));
}

void KMainWindow::setPFMode(bool switchOnly)
{
    writeDevice->pfOn();
    if (switchOnly)
        return;
    KStatusFrame *frame = status->statusFrame;
    connectSharedTimers(oxoffUpTimer, dfTimer, dwDownTimer, frame->pf);
    infoFrame->info->setStatus(tr("喷 粉 "));
    mode = 3;
    writeDevice->setMode(3);
    frame->showPF();
    readIntThread->plasmaFlag = false;
    // Powder marks only along a line or an arc; any other start record
    // leaves Start as it was.
    if (isCut(SegmentTable::typeAt(cutSegments, para.startNum)))
        rewire(startButton(), SLOT(dwDown()));
}

void KMainWindow::setDemoMode()
{
    writeDevice->pfOn();
    infoFrame->info->setStatus(tr("演 示 "));
    mode = 0;
    writeDevice->setMode(0);
    status->statusFrame->hideAll();
    readIntThread->plasmaFlag = false;
    rewire(startButton(), SLOT(cutRun()));
    rewire(stopButton(), jogging ? SLOT(stepStop()) : SLOT(cutStopall()), SIGNAL(pressed()));
}

// Flame and plasma (processStart a SLOT()): a rapid at the record the cut starts from needs no
// ignition, so Start runs the cut; any cutting record first lowers the torch.
void KMainWindow::wireStartByRecord(const char *processStart)
{
    const int record = stopSegActive && !stopAll ? para.startNum + 1 : para.startNum;
    if (SegmentTable::typeAt(cutSegments, record) == SegType::Rapid)
        rewire(startButton(), SLOT(cutRun()));
    else
        rewire(startButton(), processStart);
}

bool KMainWindow::applyMode(int value)
{
    switch (value) {
    case 0:
        setDemoMode();
        return true;
    case 1:
        setFireMode(false);
        return true;
    case 2:
        setDLZMode(false);
        return true;
    case 3:
        setPFMode(false);
        return true;
    default:
        return false;
    }
}

void KMainWindow::readConfigMode(QXmlAttributes attribs)
{
    const int value = intValue(attribs, "mode");
    // The page keeps the mode it will save; it must not save its own default.
    if (applyMode(value))
        menuConfig->setMode(value);
}

void KMainWindow::changeMode()
{
    if (mode >= 0 && mode <= 3 && applyMode((mode + 1) % 4))
        menuConfig->saveMode(mode);
}

void KMainWindow::readConfigFile(QXmlAttributes attribs)
{
    QString name = attribs.value(QStringLiteral("filename"));
    // Blanks alone name no file; any other name is taken as it stands.
    if (name.trimmed().isEmpty())
        name.clear();
    lastProgramNamed = !name.isEmpty();
    simuFrame->simu->parser->setFileName(name);
}

void KMainWindow::readConfigBeam(QXmlAttributes attribs)
{
    const double angle = doubleValue(attribs, "beamAngel");
    simuFrame->beam->setValue(angle);
    writeDevice->writeBeam(angle);
    menuConfig->setBeamAngel(angle);
}

void KMainWindow::readConfigCut(QXmlAttributes attribs)
{
    KConfigCut *dialog = menuConfig->cutDialog;
    int top = intValue(attribs, "topspeed");
    if (top <= 24)
        top = 24;
    setTopspeed(top);
    dialog->topspeedEdit->setText(QString::number(top));
    int cut = intValue(attribs, "cutspeed");
    if (cut <= 24)
        cut = 24;
    setCutspeed(cut);
    dialog->cutspeedEdit->setText(QString::number(cut));
    int low = intValue(attribs, "LowSpeed");
    if (low < 300)
        low = 300;
    setLowspeed(low);
    dialog->lowSpeedEdit->setText(QString::number(low));
}

void KMainWindow::readConfigBase(QXmlAttributes attribs)
{
    KConfigBase *dialog = menuConfig->baseDialog;
    KInfo *info = infoFrame->info;
    KSimu *simu = simuFrame->simu;
    int sheetx = intValue(attribs, "sheetx");
    if (sheetx <= 100)
        sheetx = 100;
    dialog->sheetXEdit->setText(QString::number(sheetx));
    int sheety = intValue(attribs, "sheety");
    if (sheety <= 100)
        sheety = 100;
    dialog->sheetYEdit->setText(QString::number(sheety));
    simu->setSheet(sheetx, sheety);
    const double angel = doubleValue(attribs, "angel");
    info->setAngel(angel);
    // No drawing yet: the parameters set below load the program again,
    // and that load draws the view afresh.
    simu->setSheetAngle(angel);
    dialog->angelEdit->setText(general(angel));
    const double rotate = doubleValue(attribs, "rotate");
    info->setRotate(rotate);
    dialog->rotateEdit->setText(general(rotate));
    const double comp = doubleValue(attribs, "comp");
    info->setComp(comp);
    dialog->compEdit->setText(general(comp));
    int preci = intValue(attribs, "preci");
    if (preci < 10 || preci > 100)
        preci = 10;
    dialog->preciEdit->setText(QString::number(preci));
    const int fx = intValue(attribs, "fx");
    info->setFx(fx);
    QRadioButton *const mirrors[] = {dialog->noMirrorRadio, dialog->yMirrorRadio, dialog->xMirrorRadio,
                                     dialog->xyMirrorRadio};
    checkRadio(mirrors, 4, fx);
    const int sfx = intValue(attribs, "sfx");
    simu->setSFx(sfx);
    QRadioButton *const corners[] = {dialog->rightBottomRadio, dialog->rightTopRadio, dialog->leftBottomRadio,
                                     dialog->leftTopRadio};
    checkRadio(corners, 4, sfx);
    // This is what loads the program at start-up: the parser announces its
    // file again and updateFile() makes it current.
    simu->parser->setParameter(angel + rotate, comp, fx, preci);
    preview->setParameter(rotate, comp, fx);
}

void KMainWindow::readConfigFire(QXmlAttributes attribs)
{
    KConfigFire *dialog = menuConfig->fireDialog;
    KStatusFire *fire = status->statusFrame->fire;
    struct Field {
        const char *name;
        void (KStatusFire::*set)(double);
        QLineEdit *edit;
    };
    const Field fields[] = {
        {"delay", &KStatusFire::setDelay, dialog->delayEdit},
        {"df", &KStatusFire::setDF, dialog->dfEdit},
        {"dwDown", &KStatusFire::setDwDown, dialog->dwDownEdit},
        {"ck", &KStatusFire::setCK, dialog->ckEdit},
        {"ckUp", &KStatusFire::setCKUp, dialog->ckUpEdit},
        {"ckDown", &KStatusFire::setCKDown, dialog->ckDownEdit},
        {"OxoffUp", &KStatusFire::setOxoffUp, dialog->oxoffUpEdit},
    };
    for (const Field &f : fields) {
        const double v = doubleValue(attribs, f.name);
        (fire->*f.set)(v);
        f.edit->setText(general(v));
    }
    const int value = intValue(attribs, "ck3");
    if (value == 1)
        dialog->ck3YesRadio->setChecked(true);
    else if (value == 0)
        dialog->ck3NoRadio->setChecked(true);
    setCK3(value);
}

void KMainWindow::readConfigPF(QXmlAttributes attribs)
{
    KConfigPF *dialog = menuConfig->pfDialog;
    KStatusPF *pf = status->statusFrame->pf;
    const double df = doubleValue(attribs, "df");
    pf->setDF(df);
    dialog->dfEdit->setText(general(df));
    const double down = doubleValue(attribs, "dwDown");
    pf->setDwDown(down);
    dialog->dwDownEdit->setText(general(down));
    const double up = doubleValue(attribs, "OxoffUp");
    pf->setOxoffUp(up);
    dialog->oxoffUpEdit->setText(general(up));
    int movex = intValue(attribs, "movex");
    int movey = intValue(attribs, "movey");
    if (movex == 0 && movey == 0)
        movex = movey = 99;
    simuFrame->simu->parser->setPFmove(movex, movey);
    dialog->moveXEdit->setText(QString::number(movex));
    dialog->moveYEdit->setText(QString::number(movey));
    writeDevice->writePF(movex, movey);
}

void KMainWindow::readConfigDLZ(QXmlAttributes attribs)
{
    KConfigDLZ *dialog = menuConfig->dlzDialog;
    KStatusDLZ *dlz = status->statusFrame->dlz;
    struct Field {
        const char *name;
        void (KStatusDLZ::*set)(double);
        QLineEdit *edit;
    };
    const Field fields[] = {
        {"YH", &KStatusDLZ::setYH, dialog->yhEdit},
        {"Delay", &KStatusDLZ::setDelay, dialog->delayEdit},
        {"ArcOffUp", &KStatusDLZ::setArcOffUp, dialog->arcOffUpEdit},
        {"DWUp", &KStatusDLZ::setDWUp, dialog->dwUpEdit},
        {"DWDown", &KStatusDLZ::setDWDown, dialog->dwDownEdit},
    };
    for (const Field &f : fields) {
        const double v = doubleValue(attribs, f.name);
        (dlz->*f.set)(v);
        f.edit->setText(general(v));
    }
    const int value = intValue(attribs, "dwmode");
    if (value == 1) {
        dialog->dyRadio->setChecked(true);
        dialog->setModeDY();
    } else if (value == 0) {
        dialog->pzRadio->setChecked(true);
        dialog->setModePZ();
    }
    setDWMode(value);
}

void KMainWindow::readConfigLaser(QXmlAttributes attribs)
{
    KConfigLaser *dialog = menuConfig->laserDialog;
    const int x = intValue(attribs, "X");
    const int y = intValue(attribs, "Y");
    dialog->xEdit->setText(QString::number(x));
    dialog->yEdit->setText(QString::number(y));
    writeDevice->writeLaser(x, y);
}

void KMainWindow::readConfigTorch(QXmlAttributes) {}

void KMainWindow::configNotSaved(const QString &file, const FileError &reason)
{
    Notice::warning(this, QStringLiteral("Brenlo"), FileFailure{file, reason, true}.text());
}

void KMainWindow::setCK3(int value)
{
    writeDevice->writeCK3(value);
    ck3 = value == 1;
    status->statusFrame->fire->ck3Mode = ck3;
}

void KMainWindow::setDWMode(int value)
{
    dwMode = value;
    status->statusFrame->dlz->setModeText(value);
}

// Every speed change reaches the card with the junction marks that depend
// on it.
void KMainWindow::setCutspeed(int v)
{
    para.cutSpeed = v;
    infoFrame->info->setCutSpeed(v);
    writeDevice->writePara(para);
    writeDevice->writeEnt();
}

void KMainWindow::setTopspeed(int v)
{
    para.topSpeed = v;
    infoFrame->info->setTopSpeed(v);
    writeDevice->writePara(para);
    writeDevice->writeEnt();
}

void KMainWindow::setLowspeed(int v)
{
    para.lowSpeed = v;
    speedFrame->speed->setVS(v);
    writeDevice->writePara(para);
    writeDevice->writeEnt();
}

void KMainWindow::writeSettings()
{
    writeDevice->cmosXY();
}
