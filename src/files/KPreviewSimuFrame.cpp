#include "files/KPreviewSimuFrame.h"

#include "program/KPreviewSimu.h"

#include <QGridLayout>

KPreviewSimuFrame::KPreviewSimuFrame(QWidget *parent)
    : QFrame(parent)
{
    setPalette(QPalette(QColor(250, 250, 200)));
    setAutoFillBackground(true);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(3, 3, 3, 3);
    previewSimu = new KPreviewSimu;
    grid->addWidget(previewSimu, 0, 0, 1, 1);
    previewSimu->show();
}
