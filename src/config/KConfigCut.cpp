#include "config/KConfigCut.h"

#include "config/ConfigDialogFrame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using Frame = ConfigDialogFrame;

KConfigCut::KConfigCut(QWidget *parent)
    : QDialog(parent)
{
    Frame::setupWindow(this, 600, 320);
    speedGroup = Frame::group(this, QStringLiteral("速度参数:"), QRect(20, 20, 550, 210));
    speedGroup->setObjectName(QStringLiteral("speedGroup"));
    cutspeedEdit = Frame::editRow(speedGroup, 1, QStringLiteral("[&1] 工作速:"), "cutspeedEdit",
                                  QStringLiteral("[24~14000] mm/min -- 切割速度。"));
    Frame::intRange(cutspeedEdit, 0, 14000);
    topspeedEdit = Frame::editRow(speedGroup, 2, QStringLiteral("[&2] 移动速:"), "topspeedEdit",
                                  QStringLiteral("[24~14000] mm/min -- 空走速度。"));
    Frame::intRange(topspeedEdit, 0, 14000);
    lowSpeedEdit = Frame::editRow(speedGroup, 3, QStringLiteral("[&3] 转角速:"), "lowSpeedEdit",
                                  QStringLiteral("[300~1000] mm/min -- 转角时的最低运行速度。"));
    Frame::intRange(lowSpeedEdit, 0, 1000);
    Frame::buttons(this, 260);
}
