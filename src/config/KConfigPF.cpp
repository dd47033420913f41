#include "config/KConfigPF.h"

#include "config/ConfigDialogFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using Frame = ConfigDialogFrame;

KConfigPF::KConfigPF(QWidget *parent)
    : QDialog(parent)
{
    Frame::setupWindow(this, 700, 280);
    QGroupBox *group = Frame::group(this, QStringLiteral("喷粉参数:"), QRect(20, 20, 670, 190));
    dfEdit =
        Frame::editRow(group, 1, QStringLiteral("[&1] 点 火:"), "dfEdit", QStringLiteral("[0~5] 秒 -- 点火时间。"));
    Frame::doubleRange(dfEdit, 0, 5, 1);
    oxoffUpEdit = Frame::editRow(group, 2, QStringLiteral("[&2] 关氧升:"), "oxoffUpEdit",
                                 QStringLiteral("[0~10] 秒 -- 关闭氧气后割炬上升时间。提示: 关氧升应大于或等于定位降"));
    Frame::doubleRange(oxoffUpEdit, 0, 10, 1);
    dwDownEdit = Frame::editRow(group, 3, QStringLiteral("[&3] 定位降:"), "dwDownEdit",
                                QStringLiteral("[0~10] 秒 -- 预热打开前割炬下降时间。"));
    Frame::doubleRange(dwDownEdit, 0, 10, 1);

    // Row 4 holds both offsets; only X has a numbered label.
    moveXEdit = Frame::editRow(group, 4, QStringLiteral("[&4] 喷粉位移: X方向[mm]"), "moveXEdit", QString(), 200);
    moveXEdit->move(200, 150);
    Frame::anyInt(moveXEdit);
    auto *yLabel = new QLabel(QStringLiteral("Y方向[mm]"), group);
    yLabel->setGeometry(350, 153, 90, 25);
    moveYEdit = new QLineEdit(group);
    moveYEdit->setObjectName(QStringLiteral("moveYEdit"));
    moveYEdit->setGeometry(430, 150, 100, 25);
    Frame::anyInt(moveYEdit);

    Frame::buttons(this, 220);
}
