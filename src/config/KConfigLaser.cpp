#include "config/KConfigLaser.h"

#include "config/ConfigDialogFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using Frame = ConfigDialogFrame;

KConfigLaser::KConfigLaser(QWidget *parent)
    : QDialog(parent)
{
    Frame::setupWindow(this, 600, 280);
    QGroupBox *group = Frame::group(this, QStringLiteral("激光位置参数:"), QRect(20, 20, 570, 190));
    xEdit = Frame::editRow(group, 1, QStringLiteral("[&1] X位移:"), "xEdit", QString());
    Frame::anyInt(xEdit);
    yEdit = Frame::editRow(group, 2, QStringLiteral("[&2] Y位移:"), "yEdit", QString());
    Frame::anyInt(yEdit);
    for (int row = 0; row < 2; ++row) {
        auto *unit = new QLabel(QStringLiteral("mm"), group);
        unit->setGeometry(210, 33 + 40 * row, 60, 25);
    }
    Frame::buttons(this, 220);
}
