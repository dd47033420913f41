#include "files/KEditorSimuFrame.h"

#include "program/KEditSimu.h"

#include <QGridLayout>

KEditorSimuFrame::KEditorSimuFrame(QWidget *parent)
    : QFrame(parent)
{
    // The same pale yellow as the view's own background, so the margin
    // around the drawing does not show as a border.
    setPalette(QPalette(QColor(250, 250, 200)));
    setAutoFillBackground(true);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(3, 3, 3, 3);
    editSimu = new KEditSimu;
    grid->addWidget(editSimu, 0, 0, 1, 1);
    editSimu->show();
}
