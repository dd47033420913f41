#include "files/KEditorName.h"

#include <QLabel>

KEditorName::KEditorName(QWidget *parent)
    : QFrame(parent)
{
    setPalette(QPalette(QColor(250, 250, 200)));
    setAutoFillBackground(true);
    nameLabel = new QLabel(this);
    nameLabel->resize(490, 25);
    nameLabel->move(2, 3);
}
