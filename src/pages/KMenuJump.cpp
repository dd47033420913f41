#include "pages/KMenuJump.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"

KMenuJump::KMenuJump(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);
    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    findButton = FunctionKey::make(this, 1, QStringLiteral(" 寻找\n穿孔/条码"));
    findButton->setIconSize(QSize(32, 32));
    // Nothing to move to until a pierce point was found.
    moveButton = FunctionKey::make(this, 2, QStringLiteral("移至该点"), QStringLiteral(":/icon/zeropoint.png"));
    moveButton->setEnabled(false);
}
