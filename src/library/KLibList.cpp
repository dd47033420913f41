#include "library/KLibList.h"

#include <QScrollBar>

KLibList::KLibList(QWidget *parent)
    : QListWidget(parent)
{
    QFont f(QStringLiteral("Arial"), 14, 75, false);
    setFont(f);
}

void KLibList::numUp()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
}

void KLibList::numDown()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}

void KLibList::selUp()
{
    const int r = currentRow();
    if (r <= 0)
        return;
    int target = r - 1;
    while (target >= 0 && isRowHidden(target))
        --target;
    if (target < 0)
        return;
    for (int row = r - 1; row >= target; --row)
        setCurrentRow(row);
}

void KLibList::selDown()
{
    const int r = currentRow();
    if (r >= count() - 1)
        return;
    int target = r + 1;
    while (target < count() && isRowHidden(target))
        ++target;
    if (target >= count())
        return;
    for (int row = r + 1; row <= target; ++row)
        setCurrentRow(row);
}
