#include "status/KStatusFire.h"

#include "status/Countdown.h"

#include <QIcon>

KStatusFire::KStatusFire(QWidget *parent)
    : KStatusPanel(parent, 28)
{
    offDisabledPixmap = QIcon(QStringLiteral(":/icon/off24.png")).pixmap(24, 24, QIcon::Disabled);

    addPhaseLabel(DelayRow, QStringLiteral("延  时: [     ]"));
    addPhaseLabel(DfRow, QStringLiteral("点  火: [     ]"));
    addPhaseLabel(CkRow, QStringLiteral("穿  孔: [     ]"));
    addPhaseLabel(CkUpRow, QStringLiteral("穿孔升: [     ]"));
    addPhaseLabel(CkDownRow, QStringLiteral("穿孔降: [     ]"));
    addPhaseLabel(OxoffUpRow, QStringLiteral("关氧升: [     ]"));
    addPhaseLabel(DwDownRow, QStringLiteral("定位降: [     ]"));

    addIndicatorLabel(0, QStringLiteral("预热氧:   [    ]"));
    addIndicatorLabel(1, QStringLiteral("切割氧:   [    ]"));
    addIndicatorLabel(2, QStringLiteral("一级穿孔: [    ]"));
    addIndicatorLabel(3, QStringLiteral("二级穿孔: [    ]"));
    addIndicatorLabel(4, QStringLiteral("三级穿孔: [    ]"));
    addIndicatorLabel(5, QStringLiteral("自动调高: [    ]"));

    addSeparator(QRect(5, 218, 180, 5));
}

double KStatusFire::getTotalTime() const
{
    return delayTotal + dfTotal + dwDownTotal + ckTotal + ckUpTotal + ckDownTotal + oxoffUpTotal;
}

void KStatusFire::setDelay(double seconds)
{
    setPhase(delayTotal, delayRemain, seconds);
}

double KStatusFire::getDelay()
{
    return delayTotal;
}

void KStatusFire::minusDelay()
{
    if (tickPhase(delayRemain, delayActive, DelayRow))
        emit delayEnd();
}

void KStatusFire::setDF(double seconds)
{
    setPhase(dfTotal, dfRemain, seconds);
}

double KStatusFire::getDF()
{
    return dfTotal;
}

void KStatusFire::minusDF()
{
    if (tickPhase(dfRemain, dfActive, DfRow))
        emit dfEnd();
}

void KStatusFire::setCK(double seconds)
{
    setPhase(ckTotal, ckRemain, seconds);
}

double KStatusFire::getCK()
{
    return ckTotal;
}

void KStatusFire::minusCK()
{
    // Every field is written before a signal goes out: the slot answering it
    // may reset the phase through setCK.
    switch (Countdown::pierceTick(ckRemain, ckActive, ckTotal, ck3Mode, ck1Done, ck2Done)) {
    case Countdown::Pierce::End:
        emit ckTimeUp();
        return; // the single-stage end repaints nothing
    case Countdown::Pierce::Stage3:
        emit ck3TimeUp();
        break;
    case Countdown::Pierce::Stage2:
        emit ck2TimeUp();
        break;
    case Countdown::Pierce::Stage1:
        emit ck1TimeUp();
        break;
    case Countdown::Pierce::None:
        break;
    }
    update(band(CkRow));
}

void KStatusFire::setCKUp(double seconds)
{
    setPhase(ckUpTotal, ckUpRemain, seconds);
}

double KStatusFire::getCKUp()
{
    return ckUpTotal;
}

void KStatusFire::minusCKUp()
{
    if (tickPhase(ckUpRemain, ckUpActive, CkUpRow))
        emit ckUpEnd();
}

void KStatusFire::setCKDown(double seconds)
{
    setPhase(ckDownTotal, ckDownRemain, seconds);
}

double KStatusFire::getCKDown()
{
    return ckDownTotal;
}

void KStatusFire::minusCKDown()
{
    if (tickPhase(ckDownRemain, ckDownActive, CkDownRow))
        emit ckDownEnd();
}

void KStatusFire::setOxoffUp(double seconds)
{
    setPhase(oxoffUpTotal, oxoffUpRemain, seconds);
}

double KStatusFire::getOxoffUp()
{
    return oxoffUpTotal;
}

void KStatusFire::minusOxoffUp()
{
    if (tickPhase(oxoffUpRemain, oxoffUpActive, OxoffUpRow))
        emit OxoffUpEnd();
}

void KStatusFire::setDwDown(double seconds)
{
    setPhase(dwDownTotal, dwDownRemain, seconds);
}

double KStatusFire::getDwDown()
{
    return dwDownTotal;
}

void KStatusFire::minusDwDown()
{
    if (tickPhase(dwDownRemain, dwDownActive, DwDownRow))
        emit dwDownEnd();
}

void KStatusFire::clearRealDelay()
{
    realDelay = 0.0;
}

void KStatusFire::addRealDelay()
{
    realDelay += Countdown::kStep;
}

double KStatusFire::getRealDelay()
{
    return realDelay;
}

QVector<KStatusPanel::Mark> KStatusFire::picture() const
{
    QVector<Mark> marks;
    addPhases(marks, {{DelayRow, delayRemain, delayActive, true},
                      {DfRow, dfRemain, dfActive, true},
                      {CkRow, ckRemain, ckActive, true},
                      {CkUpRow, ckUpRemain, ckUpActive, true},
                      {CkDownRow, ckDownRemain, ckDownActive, true},
                      {OxoffUpRow, oxoffUpRemain, oxoffUpActive, true},
                      {DwDownRow, dwDownRemain, dwDownActive, true}});

    addSwitch(marks, 0, preheatOxygenOn);
    addSwitch(marks, 1, cutOxygenOn);
    const bool stages[] = {ck1On, ck2On, ck3On};
    for (int i = 0; i < 3; ++i) {
        // Single-stage piercing has no stages to show, whatever their flags say.
        if (ck3Mode)
            addSwitch(marks, 2 + i, stages[i]);
        else
            addIndicator(marks, 2 + i, offDisabledPixmap, QStringLiteral("-"), 124);
    }
    addSwitch(marks, 5, autoHeightOn);
    return marks;
}

void KStatusFire::paintEvent(QPaintEvent *)
{
    paintMarks(picture());
}
