#include "config/KConfigFire.h"

#include "config/ConfigDialogFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using Frame = ConfigDialogFrame;

KConfigFire::KConfigFire(QWidget *parent)
    : QDialog(parent)
{
    Frame::setupWindow(this, 740, 450);
    QGroupBox *group = Frame::group(this, QStringLiteral("火焰参数:"), QRect(20, 20, 710, 340));
    delayEdit = Frame::editRow(group, 1, QStringLiteral("[&1] 延 时:"), "delayEdit",
                               QStringLiteral("[0~200] 秒 -- 预热时间。"));
    Frame::doubleRange(delayEdit, 0, 200, 1);
    dfEdit =
        Frame::editRow(group, 2, QStringLiteral("[&2] 点 火:"), "dfEdit", QStringLiteral("[0~5] 秒 -- 点火时间。"));
    Frame::doubleRange(dfEdit, 0, 5, 1);
    ckEdit = Frame::editRow(
        group, 3, QStringLiteral("[&3] 穿 孔:"), "ckEdit",
        QStringLiteral("[0~10] 秒 -- 三级穿孔阀及快氧阀连续打开总时间或打开快氧阀慢走３毫米所需时间。"), 80, 650);
    Frame::doubleRange(ckEdit, 0, 10, 1);
    ckUpEdit = Frame::editRow(group, 4, QStringLiteral("[&4] 穿孔升:"), "ckUpEdit",
                              QStringLiteral("[0~3] 秒 -- 穿孔前割炬上升时间。提示: 穿孔升应大于或等于穿孔降"));
    Frame::doubleRange(ckUpEdit, 0, 3, 1);
    ckDownEdit = Frame::editRow(group, 5, QStringLiteral("[&5] 穿孔降:"), "ckDownEdit",
                                QStringLiteral("[0~3] 秒 -- 穿孔后割炬下降时间, 自动升降有效时应设为０。"));
    Frame::doubleRange(ckDownEdit, 0, 3, 1);
    oxoffUpEdit = Frame::editRow(group, 6, QStringLiteral("[&6] 关氧升:"), "oxoffUpEdit",
                                 QStringLiteral("[0~10] 秒 -- 关闭氧气后割炬上升时间。提示: 关氧升应大于或等于定位降"));
    Frame::doubleRange(oxoffUpEdit, 0, 10, 1);
    dwDownEdit = Frame::editRow(group, 7, QStringLiteral("[&7] 定位降:"), "dwDownEdit",
                                QStringLiteral("[0~10] 秒 -- 预热打开前割炬下降时间。"));
    Frame::doubleRange(dwDownEdit, 0, 10, 1);
    ck3YesRadio = Frame::radio(group, QStringLiteral("有"), "ck3YesRadio", QRect(120, 310, 50, 28));
    ck3YesRadio->setChecked(true);
    ck3NoRadio = Frame::radio(group, QStringLiteral("无"), "ck3NoRadio", QRect(180, 310, 50, 28));
    Frame::rowLabel(group, QStringLiteral("[&8] 三级穿孔:"), QRect(10, 313, 100, 25), ck3YesRadio);
    Frame::buttons(this, 390);
}
