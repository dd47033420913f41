#include "config/KMenuConfig.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "config/ConfigDocument.h"
#include "config/ConfigFiles.h"
#include "config/ConfigValue.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KConfigPF.h"
#include "config/KConfigTorch.h"

#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

using Choice = std::pair<const QRadioButton *, int>;

// Code of the first checked button, tested in the given order; -1 if none is.
int checkedCode(std::initializer_list<Choice> choices)
{
    for (const Choice &c : choices) {
        if (c.first->isChecked())
            return c.second;
    }
    return -1;
}

int intOf(const QLineEdit *edit)
{
    return ConfigValue::toInt(edit->text());
}

double doubleOf(const QLineEdit *edit)
{
    return ConfigValue::toDouble(edit->text());
}

int raisedTo(QLineEdit *edit, int least)
{
    const int v = intOf(edit);
    if (v >= least)
        return v;
    edit->setText(ConfigValue::number(least));
    return least;
}

double loweredTo(QLineEdit *edit, double value, double most)
{
    if (value <= most)
        return value;
    edit->setText(ConfigValue::number(most));
    return most;
}

double capped(QLineEdit *edit, double most)
{
    return loweredTo(edit, doubleOf(edit), most);
}

int mirrorCode(const KConfigBase *d, bool withNone)
{
    const int code = checkedCode({{d->xMirrorRadio, 2}, {d->yMirrorRadio, 1}, {d->xyMirrorRadio, 3}});
    return code >= 0 || !withNone ? code : checkedCode({{d->noMirrorRadio, 0}});
}

int cornerCode(const KConfigBase *d, bool withNone)
{
    const int code = checkedCode({{d->rightTopRadio, 1}, {d->leftBottomRadio, 2}, {d->leftTopRadio, 3}});
    return code >= 0 || !withNone ? code : checkedCode({{d->rightBottomRadio, 0}});
}

int ck3Code(const KConfigFire *d)
{
    return checkedCode({{d->ck3YesRadio, 1}, {d->ck3NoRadio, 0}});
}

int dwModeCode(const KConfigDLZ *d)
{
    return checkedCode({{d->pzRadio, 0}, {d->dyRadio, 1}});
}

} // namespace

KMenuConfig::KMenuConfig(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);

    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    baseButton = FunctionKey::make(this, 1, QStringLiteral("基本参数"));
    speedButton = FunctionKey::make(this, 2, QStringLiteral("速度参数"));
    fireButton = FunctionKey::make(this, 3, QStringLiteral("火焰参数"));
    pfButton = FunctionKey::make(this, 4, QStringLiteral("喷粉参数"));
    dlzButton = FunctionKey::make(this, 5, QStringLiteral("等离子参数"));
    laserButton = FunctionKey::make(this, 6, QStringLiteral("激光位置"));
    // No key and no size: torch selection is not offered from this page.
    torchButton = new KButton(this);
    torchButton->setText(QStringLiteral("割炬选通"));
    torchButton->setGeometry(800, 2, 0, 0);
    const std::pair<KButton **, const char *> names[] = {{&backButton, "backButton"},   {&baseButton, "baseButton"},
                                                         {&speedButton, "speedButton"}, {&fireButton, "fireButton"},
                                                         {&pfButton, "pfButton"},       {&dlzButton, "dlzButton"},
                                                         {&laserButton, "laserButton"}, {&torchButton, "torchButton"}};
    for (const auto &n : names)
        (*n.first)->setObjectName(QLatin1String(n.second));

    cutDialog = new KConfigCut(this);
    baseDialog = new KConfigBase(this);
    fireDialog = new KConfigFire(this);
    pfDialog = new KConfigPF(this);
    dlzDialog = new KConfigDLZ(this);
    laserDialog = new KConfigLaser(this);
    torchDialog = new KConfigTorch(this);

    connect(speedButton, SIGNAL(kclicked()), this, SLOT(cutConfig()));
    connect(baseButton, SIGNAL(kclicked()), this, SLOT(baseConfig()));
    connect(fireButton, SIGNAL(kclicked()), this, SLOT(fireConfig()));
    connect(pfButton, SIGNAL(kclicked()), this, SLOT(pfConfig()));
    connect(dlzButton, SIGNAL(kclicked()), this, SLOT(dlzConfig()));
    connect(laserButton, SIGNAL(kclicked()), this, SLOT(laserConfig()));
    connect(torchButton, SIGNAL(kclicked()), this, SLOT(torchConfig()));

    // Once, here: however often a dialog is shown, one acceptance runs its handler once.
    connect(cutDialog, SIGNAL(accepted()), this, SLOT(cutAcc()));
    connect(baseDialog, SIGNAL(accepted()), this, SLOT(baseAcc()));
    connect(fireDialog, SIGNAL(accepted()), this, SLOT(fireAcc()));
    connect(pfDialog, SIGNAL(accepted()), this, SLOT(pfAcc()));
    connect(dlzDialog, SIGNAL(accepted()), this, SLOT(dlzAcc()));
    connect(laserDialog, SIGNAL(accepted()), this, SLOT(laserAcc()));
}

void KMenuConfig::setMode(int mode)
{
    modeValue = mode;
}

void KMenuConfig::setBeamAngel(double angle)
{
    beamAngelValue = std::isfinite(angle) ? angle : 0.0;
}

ConfigRecord KMenuConfig::record() const
{
    ConfigRecord r;
    r.cut.topspeed = intOf(cutDialog->topspeedEdit);
    r.cut.cutspeed = intOf(cutDialog->cutspeedEdit);
    r.cut.lowSpeed = intOf(cutDialog->lowSpeedEdit);

    r.base.sheetX = intOf(baseDialog->sheetXEdit);
    r.base.sheetY = intOf(baseDialog->sheetYEdit);
    r.base.angel = doubleOf(baseDialog->angelEdit);
    r.base.rotate = doubleOf(baseDialog->rotateEdit);
    r.base.comp = doubleOf(baseDialog->compEdit);
    r.base.preci = intOf(baseDialog->preciEdit);
    r.base.fx = mirrorCode(baseDialog, true);
    r.base.sfx = cornerCode(baseDialog, true);

    r.fire.delay = doubleOf(fireDialog->delayEdit);
    r.fire.df = doubleOf(fireDialog->dfEdit);
    r.fire.ck = doubleOf(fireDialog->ckEdit);
    r.fire.ckUp = doubleOf(fireDialog->ckUpEdit);
    r.fire.ckDown = doubleOf(fireDialog->ckDownEdit);
    r.fire.oxoffUp = doubleOf(fireDialog->oxoffUpEdit);
    r.fire.dwDown = doubleOf(fireDialog->dwDownEdit);
    r.fire.ck3 = ck3Code(fireDialog);

    r.pf.df = doubleOf(pfDialog->dfEdit);
    r.pf.oxoffUp = doubleOf(pfDialog->oxoffUpEdit);
    r.pf.dwDown = doubleOf(pfDialog->dwDownEdit);
    r.pf.moveX = intOf(pfDialog->moveXEdit);
    r.pf.moveY = intOf(pfDialog->moveYEdit);

    r.dlz.yh = doubleOf(dlzDialog->yhEdit);
    r.dlz.delay = doubleOf(dlzDialog->delayEdit);
    r.dlz.arcOffUp = doubleOf(dlzDialog->arcOffUpEdit);
    r.dlz.dwUp = doubleOf(dlzDialog->dwUpEdit);
    r.dlz.dwDown = doubleOf(dlzDialog->dwDownEdit);
    r.dlz.dwmode = dwModeCode(dlzDialog);

    r.laserX = intOf(laserDialog->xEdit);
    r.laserY = intOf(laserDialog->yEdit);
    r.torchSelected = torchSelectionValue;
    r.beamAngel = beamAngelValue;
    r.mode = modeValue;
    return r;
}

void KMenuConfig::writeConfig()
{
    FileError reason;
    if (!ConfigFiles::writeConfig(record(), &reason))
        emit saveFailed(ConfigDocument::configPath(), reason);
}

void KMenuConfig::writeFileConfig()
{
    FileError reason;
    if (!ConfigFiles::writeFileConfig(fileNameValue, &reason))
        emit saveFailed(ConfigDocument::fileConfigPath(), reason);
}

void KMenuConfig::saveFileName(const QString &name)
{
    fileNameValue = name;
    writeFileConfig();
}

void KMenuConfig::setFileName(const QString &name)
{
    fileNameValue = name;
}

void KMenuConfig::saveBeamAngel(double angle)
{
    setBeamAngel(angle);
    writeConfig();
}

void KMenuConfig::torchConfig()
{
    // Torch selection is not offered: the choice stays 0.
}

void KMenuConfig::saveMode(int mode)
{
    setMode(mode);
    writeConfig();
}

void KMenuConfig::cutConfig()
{
    KeyFocus::open(cutDialog);
}

void KMenuConfig::cutAcc()
{
    emit topspeedChanged(raisedTo(cutDialog->topspeedEdit, 24));
    emit cutspeedChanged(raisedTo(cutDialog->cutspeedEdit, 24));
    emit dLowSpeedChanged(raisedTo(cutDialog->lowSpeedEdit, 300));
    writeConfig();
}

void KMenuConfig::baseConfig()
{
    KeyFocus::open(baseDialog);
}

void KMenuConfig::baseAcc()
{
    KConfigBase *d = baseDialog;
    const double angel = doubleOf(d->angelEdit);
    emit angelChanged(angel);
    const double rotate = doubleOf(d->rotateEdit);
    emit rotateChanged(rotate);
    const double comp = doubleOf(d->compEdit);
    emit compChanged(comp);
    const int fx = qMax(0, mirrorCode(d, false));
    emit fxChanged(fx);
    const int length = raisedTo(d->sheetXEdit, 100);
    const int width = raisedTo(d->sheetYEdit, 100);
    emit sheetChanged(length, width);
    emit sfxChanged(qMax(0, cornerCode(d, false)));
    const int preci = raisedTo(d->preciEdit, 10);
    // Two huge but finite angles may still add up to infinity.
    const double turn = std::isfinite(angel + rotate) ? angel + rotate : 0.0;
    emit graphicChanged(turn, comp, fx, preci);
    // The preview shows the figure as drawn, without the plate's correction angle.
    emit previewChanged(rotate, comp, fx);
    writeConfig();
}

void KMenuConfig::fireConfig()
{
    KeyFocus::open(fireDialog);
}

void KMenuConfig::fireAcc()
{
    KConfigFire *d = fireDialog;
    emit fDelayChanged(capped(d->delayEdit, 200));
    emit fDfChanged(capped(d->dfEdit, 5));
    emit ckChanged(capped(d->ckEdit, 10));
    const double ckUp = capped(d->ckUpEdit, 3);
    emit ckUpChanged(ckUp);
    // The torch may not sink further after piercing than it rose before it.
    emit ckDownChanged(loweredTo(d->ckDownEdit, capped(d->ckDownEdit, 3), ckUp));
    const double oxoffUp = capped(d->oxoffUpEdit, 10);
    emit fOxoffUpChanged(oxoffUp);
    emit fDwDownChanged(loweredTo(d->dwDownEdit, capped(d->dwDownEdit, 10), oxoffUp));
    emit f3ckChanged(ck3Code(d) == 1 ? 1 : 0);
    writeConfig();
}

void KMenuConfig::pfConfig()
{
    KeyFocus::open(pfDialog);
}

void KMenuConfig::pfAcc()
{
    KConfigPF *d = pfDialog;
    emit pDfChanged(capped(d->dfEdit, 5));
    const double oxoffUp = capped(d->oxoffUpEdit, 10);
    emit pOxoffUpChanged(oxoffUp);
    emit pDwDownChanged(loweredTo(d->dwDownEdit, capped(d->dwDownEdit, 10), oxoffUp));
    int x = intOf(d->moveXEdit);
    int y = intOf(d->moveYEdit);
    // Two zero offsets mean "never set": the tool's usual place is 99, 99.
    if (x == 0 && y == 0) {
        x = y = 99;
        d->moveXEdit->setText(ConfigValue::number(99));
        d->moveYEdit->setText(ConfigValue::number(99));
    }
    emit pMoveChanged(x, y);
    writeConfig();
}

void KMenuConfig::dlzConfig()
{
    KeyFocus::open(dlzDialog);
}

void KMenuConfig::dlzAcc()
{
    KConfigDLZ *d = dlzDialog;
    emit dYHChanged(capped(d->yhEdit, 10));
    emit dDelayChanged(capped(d->delayEdit, 20));
    emit dArcOffUpChanged(capped(d->arcOffUpEdit, 10));
    emit dDWModeChanged(dwModeCode(d) == 1 ? 1 : 0);
    emit dDWUpChanged(capped(d->dwUpEdit, 10));
    emit dDWDownChanged(capped(d->dwDownEdit, 10));
    writeConfig();
}

void KMenuConfig::laserConfig()
{
    KeyFocus::open(laserDialog);
}

void KMenuConfig::laserAcc()
{
    emit laserXYChanged(intOf(laserDialog->xEdit), intOf(laserDialog->yEdit));
    writeConfig();
}
