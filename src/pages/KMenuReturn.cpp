#include "pages/KMenuReturn.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"

KMenuReturn::KMenuReturn(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);
    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    startButton = FunctionKey::make(this, 1, QStringLiteral("返回起始点"));
    startButton->setIconSize(QSize(32, 32));
    zeroButton = FunctionKey::make(this, 2, QStringLiteral("返回(0,0)点"));
    zeroButton->setIconSize(QSize(32, 32));
}
