#include "config/KConfigDLZ.h"

#include "config/ConfigDialogFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using Frame = ConfigDialogFrame;

KConfigDLZ::KConfigDLZ(QWidget *parent)
    : QDialog(parent)
{
    Frame::setupWindow(this, 700, 400);
    QGroupBox *group = Frame::group(this, QStringLiteral("等离子参数:"), QRect(20, 20, 670, 310));
    yhEdit = Frame::editRow(group, 1, QStringLiteral("[&1] 引 弧:"), "yhEdit",
                            QStringLiteral("[0~10] 秒 -- 最大引弧时间,引弧成功后中断。"));
    Frame::doubleRange(yhEdit, 0, 10, 1);
    delayEdit = Frame::editRow(group, 2, QStringLiteral("[&2] 穿 孔:"), "delayEdit",
                               QStringLiteral("[0~20] 秒 -- 引弧成功后的穿孔时间。"));
    Frame::doubleRange(delayEdit, 0, 20, 1);
    arcOffUpEdit = Frame::editRow(group, 3, QStringLiteral("[&3] 熄弧升:"), "arcOffUpEdit",
                                  QStringLiteral("[0~10] 秒 -- 关闭等离子后割炬上升时间。"));
    Frame::doubleRange(arcOffUpEdit, 0, 10, 1);
    dwUpEdit = Frame::editRow(group, 4, QStringLiteral("[&4] 定位升:"), "dwUpEdit",
                              QStringLiteral("[0~10] 秒 -- 等离子定位后割炬上升时间。(碰撞式)"));
    Frame::doubleRange(dwUpEdit, 0, 10, 1);
    dwDownEdit = Frame::editRow(group, 5, QStringLiteral("[&5] 定位降:"), "dwDownEdit",
                                QStringLiteral("[0~10] 秒 -- 等离子定位时割炬下降时间。(电容式)"));
    Frame::doubleRange(dwDownEdit, 0, 10, 1);
    pzRadio = Frame::radio(group, QStringLiteral("碰撞式"), "pzRadio", QRect(120, 230, 100, 28));
    pzRadio->setChecked(true);
    dyRadio = Frame::radio(group, QStringLiteral("电容式"), "dyRadio", QRect(230, 230, 100, 28));
    Frame::rowLabel(group, QStringLiteral("[&6] 定位方式:"), QRect(10, 233, 100, 25), pzRadio);
    connect(pzRadio, SIGNAL(clicked()), this, SLOT(setModePZ()));
    connect(dyRadio, SIGNAL(clicked()), this, SLOT(setModeDY()));
    Frame::buttons(this, 340);
}

void KConfigDLZ::setModePZ()
{
    dwDownEdit->setEnabled(false);
    dwUpEdit->setEnabled(true);
}

void KConfigDLZ::setModeDY()
{
    dwUpEdit->setEnabled(false);
    dwDownEdit->setEnabled(true);
}
