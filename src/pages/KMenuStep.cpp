#include "pages/KMenuStep.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "pages/JogKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>

namespace {

KButton *outOfReach(QWidget *page, int x, const QString &text)
{
    auto *button = new KButton(page);
    button->setGeometry(x, 2, 0, 0);
    button->setText(text);
    button->setEnabled(false);
    return button;
}

} // namespace

KMenuStep::KMenuStep(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(1024, 60);

    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    speedUpButton = FunctionKey::make(this, 1, QStringLiteral("加速"), QStringLiteral(":/icon/fast.png"));
    FunctionKey::unbind(speedUpButton);
    speedDownButton = FunctionKey::make(this, 2, QStringLiteral("减速"), QStringLiteral(":/icon/slow.png"));
    FunctionKey::unbind(speedDownButton);
    setZeroButton = FunctionKey::make(this, 3, QStringLiteral("(0,0)点置位"));
    backZeroButton = FunctionKey::make(this, 4, QStringLiteral("返回(0,0)点"));
    backZeroButton->setEnabled(false);
    locateButton = outOfReach(this, 1040, QStringLiteral("定位"));
    beamButton = outOfReach(this, 1160, QStringLiteral("横梁矫正"));

    modeGroup = new QButtonGroup(this);
    const QPoint at(20, 20);
    slowModeButton = FunctionKey::make(this, 5, QString());
    slowBox = JogKeys::addBox(slowModeButton, QStringLiteral(" 慢速"), at, modeGroup);
    slowBox->setChecked(true);
    fastModeButton = FunctionKey::make(this, 6, QString());
    fastBox = JogKeys::addBox(fastModeButton, QStringLiteral(" 快速"), at, modeGroup);
    inchModeButton = FunctionKey::make(this, 7, QString());
    inchBox = JogKeys::addBox(inchModeButton, QStringLiteral(" 微动"), at, modeGroup);
    machiningModeButton = FunctionKey::make(this, 8, QString());
    machiningBox = JogKeys::addBox(machiningModeButton, QStringLiteral(" 加工"), at, modeGroup);

    // The slow box is checked above, before these exist: building the page
    // emits no method.
    connect(speedUpButton, SIGNAL(pressed()), this, SIGNAL(fast()));
    connect(speedDownButton, SIGNAL(pressed()), this, SIGNAL(slow()));
    connect(machiningModeButton, SIGNAL(pressed()), this, SLOT(runSelected()));
    connect(slowModeButton, SIGNAL(pressed()), this, SLOT(cutSelected()));
    connect(fastModeButton, SIGNAL(pressed()), this, SLOT(topSelected()));
    connect(inchModeButton, SIGNAL(pressed()), this, SLOT(microSelected()));
    for (QCheckBox *box : {machiningBox, slowBox, fastBox, inchBox})
        connect(box, SIGNAL(stateChanged(int)), this, SLOT(methodChange(int)));
}

void KMenuStep::setMethod(int method)
{
    switch (method) {
    case 1:
        cutSelected();
        break;
    case 2:
        topSelected();
        break;
    case 3:
        microSelected();
        break;
    case 4:
        runSelected();
        break;
    default:
        break;
    }
}

void KMenuStep::cutSelected()
{
    slowBox->setCheckState(Qt::Checked);
}

void KMenuStep::topSelected()
{
    fastBox->setCheckState(Qt::Checked);
}

void KMenuStep::microSelected()
{
    inchBox->setCheckState(Qt::Checked);
}

void KMenuStep::runSelected()
{
    machiningBox->setCheckState(Qt::Checked);
}

void KMenuStep::methodChange(int)
{
    const int checked = JogKeys::firstChecked({{slowBox, 1}, {fastBox, 2}, {inchBox, 3}, {machiningBox, 4}});
    if (checked != 0) {
        methodValue = checked;
        JogKeys::release({slowModeButton, fastModeButton, inchModeButton, machiningModeButton});
        // Inch mode has no speed steps, and the focus stays where it is.
        const bool speedKeys = checked != 3;
        speedUpButton->setEnabled(speedKeys);
        speedDownButton->setEnabled(speedKeys);
        if (speedKeys)
            setFocus(Qt::OtherFocusReason);
    }
    emit methodChanged(methodValue);
}

void KMenuStep::keyPressEvent(QKeyEvent *event)
{
    const JogKeys::Step step = JogKeys::press(event, speedUpButton, speedDownButton);
    if (step == JogKeys::Faster)
        emit fast();
    else if (step == JogKeys::Slower)
        emit slow();
}

void KMenuStep::keyReleaseEvent(QKeyEvent *event)
{
    JogKeys::release(event, speedUpButton, speedDownButton);
}
