#include "library/KLibSimuFrame.h"

#include "program/KLibSimu.h"

#include <QGridLayout>
#include <QPalette>

KLibSimuFrame::KLibSimuFrame(QWidget *parent)
    : QFrame(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(250, 250, 200, 255));
    setPalette(p);
    setAutoFillBackground(true);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    simu = new KLibSimu;
    layout->addWidget(simu, 0, 0, 1, 1);
    simu->setVisible(true);
}
