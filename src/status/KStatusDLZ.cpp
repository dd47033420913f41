#include "status/KStatusDLZ.h"

#include "status/Caption.h"

#include <QLabel>

KStatusDLZ::KStatusDLZ(QWidget *parent)
    : KStatusPanel(parent, 24)
{
    addPhaseLabel(YhRow, QStringLiteral("引  弧: [     ]"));
    addPhaseLabel(DelayRow, QStringLiteral("穿  孔: [     ]"));
    addPhaseLabel(ArcOffUpRow, QStringLiteral("熄弧升: [     ]"));
    dwUpLabel = addPhaseLabel(DwUpRow, QStringLiteral("定位升: [     ]"));
    dwDownLabel = addPhaseLabel(DwDownRow, QStringLiteral("定位降: [     ]"));

    addIndicatorLabel(0, QStringLiteral("定  位:   [    ]"));
    addIndicatorLabel(1, QStringLiteral("引  弧:   [    ]"));
    addIndicatorLabel(2, QStringLiteral("弧  压:   [    ]"));
    addIndicatorLabel(3, QStringLiteral("自动调高: [    ]"));
    addIndicatorLabel(5, QStringLiteral("引弧成功: [    ]"));

    addSeparator(QRect(5, 210, 180, 5));
    addSeparator(QRect(5, 180, 180, 5));

    modeLabel = Caption::add(this, QStringLiteral("定位方式: "), 20, 190);
}

void KStatusDLZ::setModeText(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    dwMode = mode;
    dwUpLabel->setEnabled(mode == 0);
    dwDownLabel->setEnabled(mode == 1);
    modeLabel->setText(mode == 0 ? QStringLiteral("定位方式:     碰撞式") : QStringLiteral("定位方式:     电容式"));
    modeLabel->adjustSize();
}

void KStatusDLZ::setYH(double seconds)
{
    setPhase(yhTotal, yhRemain, seconds);
}

double KStatusDLZ::getYH()
{
    return yhTotal;
}

void KStatusDLZ::minusYH()
{
    if (tickPhase(yhRemain, yhActive, YhRow))
        emit YHEnd();
}

void KStatusDLZ::setDelay(double seconds)
{
    setPhase(delayTotal, delayRemain, seconds);
}

double KStatusDLZ::getDelay()
{
    return delayTotal;
}

void KStatusDLZ::minusDelay()
{
    if (tickPhase(delayRemain, delayActive, DelayRow))
        emit delayEnd();
}

void KStatusDLZ::setArcOffUp(double seconds)
{
    setPhase(arcOffUpTotal, arcOffUpRemain, seconds);
}

double KStatusDLZ::getArcOffUp()
{
    return arcOffUpTotal;
}

void KStatusDLZ::minusArcOffUp()
{
    if (tickPhase(arcOffUpRemain, arcOffUpActive, ArcOffUpRow))
        emit arcOffUpEnd();
}

void KStatusDLZ::setDWUp(double seconds)
{
    setPhase(dwUpTotal, dwUpRemain, seconds);
}

double KStatusDLZ::getDWUp()
{
    return dwUpTotal;
}

void KStatusDLZ::minusDWUp()
{
    if (tickPhase(dwUpRemain, dwUpActive, DwUpRow))
        emit DWUpEnd();
}

void KStatusDLZ::setDWDown(double seconds)
{
    setPhase(dwDownTotal, dwDownRemain, seconds);
}

double KStatusDLZ::getDWDown()
{
    return dwDownTotal;
}

void KStatusDLZ::minusDWDown()
{
    if (tickPhase(dwDownRemain, dwDownActive, DwDownRow))
        emit DWDownEnd();
}

QVector<KStatusPanel::Mark> KStatusDLZ::picture() const
{
    QVector<Mark> marks;
    addPhases(marks, {{YhRow, yhRemain, yhActive, true},
                      {DelayRow, delayRemain, delayActive, true},
                      {ArcOffUpRow, arcOffUpRemain, arcOffUpActive, true},
                      {DwUpRow, dwUpRemain, dwUpActive, dwMode == 0},
                      {DwDownRow, dwDownRemain, dwDownActive, dwMode == 1}});
    addSwitch(marks, 0, dwOn);
    addSwitch(marks, 1, yhOn);
    addSwitch(marks, 2, hyOn);
    addSwitch(marks, 3, autoHeightOn);
    // Row 4 stays empty; the arc answer reads yes or no.
    addIndicator(marks, 5, yhSuccess ? onPixmap : offPixmap, yhSuccess ? QStringLiteral("是") : QStringLiteral("否"));
    return marks;
}

void KStatusDLZ::paintEvent(QPaintEvent *)
{
    paintMarks(picture());
}
