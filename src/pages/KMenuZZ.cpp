#include "pages/KMenuZZ.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "pages/JogKeys.h"

#include <QCheckBox>
#include <QKeyEvent>

KMenuZZ::KMenuZZ(QWidget *parent)
    : QWidget(parent)
{
    resize(1024, 60);

    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    speedUpButton = FunctionKey::make(this, 1, QStringLiteral(" 加速 "), QStringLiteral(":/icon/fast.png"));
    FunctionKey::unbind(speedUpButton);
    speedDownButton = FunctionKey::make(this, 2, QStringLiteral("减速"), QStringLiteral(":/icon/slow.png"));
    FunctionKey::unbind(speedDownButton);
    locateButton = FunctionKey::make(this, 3, QStringLiteral("定位"));
    laserButton = FunctionKey::make(this, 4, QString());
    laserBox = JogKeys::addBox(laserButton, QStringLiteral(" 激光"), QPoint(20, 20));
    laserBox->setCheckState(Qt::Unchecked);
    firstButton = FunctionKey::make(this, 5, QStringLiteral("1.首点"));
    secondButton = FunctionKey::make(this, 6, QStringLiteral("2.次点"));
    secondButton->setEnabled(false);
    angleButton = FunctionKey::make(this, 7, QStringLiteral("确定校正角"));
    angleButton->setEnabled(false);
    backFirstButton = FunctionKey::make(this, 8, QStringLiteral("返回首点"));
    backFirstButton->setEnabled(false);

    connect(speedUpButton, SIGNAL(pressed()), this, SIGNAL(fast()));
    connect(speedDownButton, SIGNAL(pressed()), this, SIGNAL(slow()));
    connect(laserButton, SIGNAL(clicked()), this, SLOT(laserSelected()));
    connect(laserBox, SIGNAL(stateChanged(int)), this, SLOT(laserChanged(int)));
}

void KMenuZZ::laserSelected()
{
    laserBox->click();
}

void KMenuZZ::laserChanged(int state)
{
    if (state == Qt::Checked)
        emit laserEnabled();
    else if (state == Qt::Unchecked)
        emit laserDisabled();
}

void KMenuZZ::keyPressEvent(QKeyEvent *event)
{
    const JogKeys::Step step = JogKeys::press(event, speedUpButton, speedDownButton);
    if (step == JogKeys::Faster)
        emit fast();
    else if (step == JogKeys::Slower)
        emit slow();
}

void KMenuZZ::keyReleaseEvent(QKeyEvent *event)
{
    JogKeys::release(event, speedUpButton, speedDownButton);
}
