#include "pages/KMenuMorepoint.h"

#include "app/base/FunctionKey.h"

KMenuMorepoint::KMenuMorepoint(QWidget *parent)
    : QWidget(parent)
{
    resize(1024, 60);
    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    locateButton = FunctionKey::make(this, 1, QStringLiteral("定位"));
}
