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
    xEdit = Frame::editRow(group, 1, QStringLiteral("[&1] X位移:"), "xEdit", QStringLiteral("mm"), 80, 60);
    Frame::anyInt(xEdit);
    yEdit = Frame::editRow(group, 2, QStringLiteral("[&2] Y位移:"), "yEdit", QStringLiteral("mm"), 80, 60);
    Frame::anyInt(yEdit);
    Frame::buttons(this, 220);
}
