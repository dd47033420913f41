#include "config/KConfigBase.h"

#include "config/ConfigDialogFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using Frame = ConfigDialogFrame;

KConfigBase::KConfigBase(QWidget *parent)
    : QDialog(parent)
{
    Frame::setupWindow(this, 730, 510);

    QGroupBox *plate = Frame::group(this, QStringLiteral("加工钢板参数:"), QRect(20, 20, 700, 190));
    sheetXEdit = Frame::editRow(plate, 1, QStringLiteral("[&1] 钢板长度:"), "sheetXEdit",
                                QStringLiteral(" 毫米 -- X轴方向尺寸"), 90);
    Frame::intRange(sheetXEdit, 0, 100000);
    sheetYEdit = Frame::editRow(plate, 2, QStringLiteral("[&2] 钢板宽度:"), "sheetYEdit",
                                QStringLiteral(" 毫米 -- Y轴方向尺寸"), 90);
    Frame::intRange(sheetYEdit, 0, 100000);
    angelEdit = Frame::editRow(plate, 3, QStringLiteral("[&3] 校正角:"), "angelEdit",
                               QStringLiteral("[-45~45] 度 -- 亦可通过<钢板整直>获取该值"));
    Frame::doubleRange(angelEdit, -45, 45, 2);
    rightBottomRadio = Frame::radio(plate, QStringLiteral("右下角"), "rightBottomRadio", QRect(100, 150, 70, 28));
    leftBottomRadio = Frame::radio(plate, QStringLiteral("左下角"), "leftBottomRadio", QRect(180, 150, 70, 28));
    rightTopRadio = Frame::radio(plate, QStringLiteral("右上角"), "rightTopRadio", QRect(260, 150, 70, 28));
    leftTopRadio = Frame::radio(plate, QStringLiteral("左上角"), "leftTopRadio", QRect(340, 150, 70, 28));
    rightBottomRadio->setChecked(true);
    Frame::rowLabel(plate, QStringLiteral("[&4] 起始位置:"), QRect(10, 153, 90, 25), rightBottomRadio);

    QGroupBox *figure = Frame::group(this, QStringLiteral("图形参数:"), QRect(20, 240, 700, 190));
    noMirrorRadio = Frame::radio(figure, QStringLiteral("无镜像"), "noMirrorRadio", QRect(100, 30, 70, 28));
    xMirrorRadio = Frame::radio(figure, QStringLiteral("X 镜像"), "xMirrorRadio", QRect(180, 30, 70, 28));
    yMirrorRadio = Frame::radio(figure, QStringLiteral("Y 镜像"), "yMirrorRadio", QRect(260, 30, 70, 28));
    xyMirrorRadio = Frame::radio(figure, QStringLiteral("XY 镜像"), "xyMirrorRadio", QRect(340, 30, 70, 28));
    noMirrorRadio->setChecked(true);
    Frame::rowLabel(figure, QStringLiteral("[&5] 镜像:"), QRect(10, 33, 80, 25), noMirrorRadio);
    rotateEdit =
        Frame::editRow(figure, 2, QStringLiteral("[&6] 旋转角度:"), "rotateEdit",
                       QStringLiteral("[-180~180] 度 -- 角度为正,图形逆时针旋转; 角度为负,图形顺时针旋转"), 90);
    Frame::doubleRange(rotateEdit, -180, 180, 2);
    compEdit = Frame::editRow(figure, 3, QStringLiteral("[&7] 补偿量:"), "compEdit",
                              QStringLiteral("[0~20] 毫米 -- 割缝的宽度,对应切割指令中的补偿命令"), 90);
    Frame::doubleRange(compEdit, 0, 20, 2);
    preciEdit =
        Frame::editRow(figure, 4, QStringLiteral("[&8] 整圆精度:"), "preciEdit", QStringLiteral("[10~100] "), 90);
    Frame::intRange(preciEdit, 10, 100);

    Frame::buttons(this, 450);
}
