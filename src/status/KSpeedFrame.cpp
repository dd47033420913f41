#include "status/KSpeedFrame.h"

#include "program/KCKSimu.h"
#include "program/KJBSimu.h"
#include "status/KHolderFrame.h"
#include "status/KSpeed.h"

#include <QGridLayout>

KSpeedFrame::KSpeedFrame(QWidget *parent)
    : QFrame(parent)
{
    QPalette pal = palette();
    pal.setBrush(QPalette::Active, QPalette::Button, QBrush(QColor(0, 255, 0), Qt::SolidPattern));
    setPalette(pal);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(1, 1, 1, 1);
    speed = new KSpeed(this);
    cksimu = new KCKSimu(this);
    jbsimu = new KJBSimu(this);
    grid->addWidget(speed, 0, 0);
    grid->addWidget(cksimu, 0, 0);
    grid->addWidget(jbsimu, 0, 0);
    speedShow();
}

void KSpeedFrame::speedShow()
{
    KHolderFrame::showOnly({speed, cksimu, jbsimu}, speed);
}

void KSpeedFrame::cksimuShow()
{
    KHolderFrame::showOnly({speed, cksimu, jbsimu}, cksimu);
}

void KSpeedFrame::jbsimuShow()
{
    KHolderFrame::showOnly({speed, cksimu, jbsimu}, jbsimu);
}
