#include "device/KMenuIO.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"

KMenuIO::KMenuIO(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);
    leaveButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    inputButton = FunctionKey::make(this, 1, QStringLiteral("输入诊断"));
    outputButton = FunctionKey::make(this, 2, QStringLiteral("输出诊断"));
}
