#include "pages/KMenuMovement.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "app/base/KeyFocus.h"
#include "app/base/Hundredths.h"
#include "pages/JogKeys.h"
#include "pages/KMovePointDialog.h"
#include "pages/MainKey.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

KMenuMovement::KMenuMovement(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);

    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    speedUpButton = FunctionKey::make(this, 1, QStringLiteral("加速"), QStringLiteral(":/icon/fast.png"));
    FunctionKey::unbind(speedUpButton);
    speedDownButton = FunctionKey::make(this, 2, QStringLiteral("减速"), QStringLiteral(":/icon/slow.png"));
    FunctionKey::unbind(speedDownButton);
    moveOutButton = FunctionKey::make(this, 4, QStringLiteral("定距离\n移出(慢)"));

    modeGroup = new QButtonGroup(this);
    const QPoint at(20, 17);
    slowModeButton = FunctionKey::make(this, 5, QString());
    slowBox = JogKeys::addBox(slowModeButton, QStringLiteral(" 慢速"), at, modeGroup);
    slowBox->setChecked(true);
    fastModeButton = FunctionKey::make(this, 6, QString());
    fastBox = JogKeys::addBox(fastModeButton, QStringLiteral(" 快速"), at, modeGroup);
    inchModeButton = FunctionKey::make(this, 7, QString());
    inchBox = JogKeys::addBox(inchModeButton, QStringLiteral(" 微动"), at, modeGroup);
    moveBackButton = FunctionKey::make(this, 8, QStringLiteral("移回(慢)"));
    cutBackButton = MainKey::make(this, QStringLiteral("移回并加工"), 10);

    movePointDialog = new KMovePointDialog(this);

    // The slow box is checked above, before these exist: building the page
    // emits no method.
    connect(speedUpButton, SIGNAL(pressed()), this, SIGNAL(fast()));
    connect(speedDownButton, SIGNAL(pressed()), this, SIGNAL(slow()));
    connect(moveOutButton, SIGNAL(clicked()), this, SLOT(movePointShow()));
    connect(slowModeButton, SIGNAL(pressed()), this, SLOT(cutSelected()));
    connect(fastModeButton, SIGNAL(pressed()), this, SLOT(topSelected()));
    connect(inchModeButton, SIGNAL(pressed()), this, SLOT(microSelected()));
    for (QCheckBox *box : {slowBox, fastBox, inchBox})
        connect(box, SIGNAL(stateChanged(int)), this, SLOT(methodChange(int)));
    connect(movePointDialog, SIGNAL(accepted()), this, SLOT(movePointAcc()));
}

void KMenuMovement::setMethod(int method)
{
    switch (method) {
    case 1:
    case 4:
        cutSelected();
        break;
    case 2:
        topSelected();
        break;
    case 3:
        microSelected();
        break;
    default:
        break;
    }
}

void KMenuMovement::cutSelected()
{
    slowBox->setCheckState(Qt::Checked);
}

void KMenuMovement::topSelected()
{
    fastBox->setCheckState(Qt::Checked);
}

void KMenuMovement::microSelected()
{
    inchBox->setCheckState(Qt::Checked);
}

void KMenuMovement::methodChange(int)
{
    const int checked = JogKeys::firstChecked({{slowBox, 1}, {fastBox, 2}, {inchBox, 3}});
    if (checked != 0) {
        methodValue = checked;
        JogKeys::release({slowModeButton, fastModeButton, inchModeButton});
        // Inch moves back and out slowly too.
        const QString speed = checked == 2 ? QStringLiteral("快") : QStringLiteral("慢");
        FunctionKey::relabel(moveBackButton, QStringLiteral("移回(%1)").arg(speed));
        FunctionKey::relabel(moveOutButton, QStringLiteral("定距离\n移出(%1)").arg(speed));
        const bool speedKeys = checked != 3;
        speedUpButton->setEnabled(speedKeys);
        speedDownButton->setEnabled(speedKeys);
        if (speedKeys)
            setFocus(Qt::OtherFocusReason);
    }
    emit methodChanged(methodValue);
}

void KMenuMovement::movePointShow()
{
    KeyFocus::open(movePointDialog);
}

void KMenuMovement::movePointAcc()
{
    bool xInRange = true;
    bool yInRange = true;
    const int x = Hundredths::fromText(movePointDialog->xEdit->text(), &xInRange);
    const int y = Hundredths::fromText(movePointDialog->yEdit->text(), &yInRange);
    if (xInRange && yInRange)
        emit movePointChanged(x, y);
}

void KMenuMovement::keyPressEvent(QKeyEvent *event)
{
    const JogKeys::Step step = JogKeys::press(event, speedUpButton, speedDownButton);
    if (step == JogKeys::Faster)
        emit fast();
    else if (step == JogKeys::Slower)
        emit slow();
}

void KMenuMovement::keyReleaseEvent(QKeyEvent *event)
{
    JogKeys::release(event, speedUpButton, speedDownButton);
}
