#include "status/KStatusPF.h"

KStatusPF::KStatusPF(QWidget *parent)
    : KStatusPanel(parent, 24)
{
    addPhaseLabel(DwDownRow, QStringLiteral("定位降: [     ]"));
    addPhaseLabel(OxoffUpRow, QStringLiteral("关氧升: [     ]"));
    addPhaseLabel(DfRow, QStringLiteral("点  火: [     ]"));

    addIndicatorLabel(0, QStringLiteral("喷粉预氧: [    ]"));
    addIndicatorLabel(1, QStringLiteral("喷粉快氧: [    ]"));
    addIndicatorLabel(2, QStringLiteral("自动调高: [    ]"));

    addSeparator(QRect(5, 218, 180, 5));
}

void KStatusPF::setDwDown(double seconds)
{
    setPhase(dwDownTotal, dwDownRemain, seconds);
}

double KStatusPF::getDwDown()
{
    return dwDownTotal;
}

void KStatusPF::minusDwDown()
{
    if (tickPhase(dwDownRemain, dwDownActive, DwDownRow))
        emit dwDownEnd();
}

void KStatusPF::setOxoffUp(double seconds)
{
    setPhase(oxoffUpTotal, oxoffUpRemain, seconds);
}

double KStatusPF::getOxoffUp()
{
    return oxoffUpTotal;
}

void KStatusPF::minusOxoffUp()
{
    if (tickPhase(oxoffUpRemain, oxoffUpActive, OxoffUpRow))
        emit OxoffUpEnd();
}

void KStatusPF::setDF(double seconds)
{
    setPhase(dfTotal, dfRemain, seconds);
}

double KStatusPF::getDF()
{
    return dfTotal;
}

void KStatusPF::minusDF()
{
    if (tickPhase(dfRemain, dfActive, DfRow))
        emit dfEnd();
}

QVector<KStatusPanel::Mark> KStatusPF::picture() const
{
    QVector<Mark> marks;
    // Precedence runs against the row order: ignition first.
    addPhases(marks, {{DfRow, dfRemain, dfActive, true},
                      {OxoffUpRow, oxoffUpRemain, oxoffUpActive, true},
                      {DwDownRow, dwDownRemain, dwDownActive, true}});
    addSwitch(marks, 0, powderPreheatOn);
    addSwitch(marks, 1, powderFastOxygenOn);
    addSwitch(marks, 2, autoHeightOn);
    return marks;
}

void KStatusPF::paintEvent(QPaintEvent *)
{
    paintMarks(picture());
}
