#include "pages/KMenuCutting.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"
#include "pages/ActionButton.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

KMenuCutting::KMenuCutting(QWidget *parent)
    : QWidget(parent)
{
    resize(1024, 60);

    backButton = FunctionKey::make(this, 0, QStringLiteral("<<"));
    fastButton = FunctionKey::make(this, 1, QStringLiteral("加速"), QStringLiteral(":/icon/fast.png"));
    FunctionKey::unbind(fastButton);
    slowButton = FunctionKey::make(this, 2, QStringLiteral("减速"), QStringLiteral(":/icon/slow.png"));
    FunctionKey::unbind(slowButton);
    cutSpeedButton = FunctionKey::make(this, 1, QStringLiteral("改变\n切割速度"));
    topSpeedButton = FunctionKey::make(this, 2, QStringLiteral("改变\n空走速度"));
    segButton = FunctionKey::make(this, 3, QString());
    segButton->setEnabled(false);
    turnbackButton = FunctionKey::make(this, 3, QStringLiteral("回退"), QStringLiteral(":/icon/goback.png"));
    turnbackButton->setEnabled(false);
    turnbackButton->hide();
    backwardButton = FunctionKey::make(this, 4, QStringLiteral("向后爬行"), QStringLiteral(":/icon/stepback.png"));
    FunctionKey::unbind(backwardButton);
    backwardButton->setEnabled(false);
    forwardButton = FunctionKey::make(this, 5, QStringLiteral("向前爬行"), QStringLiteral(":/icon/stepfor.png"));
    FunctionKey::unbind(forwardButton);
    forwardButton->setEnabled(false);
    movementButton = FunctionKey::make(this, 6, QStringLiteral("割炬移出"), QStringLiteral(":/icon/step.png"));
    movementButton->setEnabled(false);
    jumpButton = FunctionKey::make(this, 7, QStringLiteral(" 移至\n穿孔/条码"));
    jumpButton->setEnabled(false);
    returnButton = FunctionKey::make(this, 8, QStringLiteral("返回起点"), QStringLiteral(":/icon/zeropoint.png"));
    returnButton->setEnabled(false);
    startButton = FunctionKey::make(this, 9, QStringLiteral("Start"));

    ActionButton::paint(startButton, "forestgreen", 11);
    if (auto *label = startButton->findChild<QLabel *>())
        label->setText(QStringLiteral("<font color =\"white\">F9</font>"));

    segCancel();

    connect(fastButton, SIGNAL(pressed()), this, SIGNAL(fast()));
    connect(slowButton, SIGNAL(pressed()), this, SIGNAL(slow()));
    connect(backwardButton, SIGNAL(pressed()), this, SLOT(backward()));
    connect(forwardButton, SIGNAL(pressed()), this, SLOT(forward()));
    connect(backwardButton, SIGNAL(released()), this, SLOT(forbackstop()));
    connect(forwardButton, SIGNAL(released()), this, SLOT(forbackstop()));

    creepArmed = true;
}

void KMenuCutting::segSelected()
{
    segActive = true;
    emit segEnabled();
    segToggle(true);
}

void KMenuCutting::segCancel()
{
    segActive = false;
    emit segDisabled();
    segToggle(false);
}

// The toggle always offers the opposite of the state it shows.
void KMenuCutting::segToggle(bool on)
{
    FunctionKey::rerole(segButton, this, on ? SLOT(segCancel()) : SLOT(segSelected()));
    segButton->setIconSize(QSize(32, 32));
    segButton->setIcon(QIcon(on ? QStringLiteral(":/icon/segcancel.png") : QStringLiteral(":/icon/segstop.png")));
    FunctionKey::relabel(segButton, on ? QStringLiteral("取消段停") : QStringLiteral(" 段停 "));
}

void KMenuCutting::backward(bool mouse)
{
    startCreep(forwardButton);
    emit backwardStart(mouse);
}

void KMenuCutting::forward(bool mouse)
{
    startCreep(backwardButton);
    emit forwardStart(mouse);
}

void KMenuCutting::startCreep(KButton *opposite)
{
    creepOpposite = opposite;
    oppositeWasEnabled = opposite->isEnabled();
    fastWasEnabled = fastButton->isEnabled();
    slowWasEnabled = slowButton->isEnabled();
    fastButton->setEnabled(true);
    slowButton->setEnabled(true);
    opposite->setEnabled(false);
    creeping = true;
}

void KMenuCutting::forbackstop()
{
    // A stop of a creep that never started would stop the whole machine.
    if (!creeping)
        return;
    creeping = false;
    emit forbackStop();
}

void KMenuCutting::creepRefused()
{
    // The notice that refused the creep took the key or mouse release.
    backwardButton->setDown(false);
    forwardButton->setDown(false);
    if (!creeping)
        return;
    creeping = false;
    creepOpposite->setEnabled(oppositeWasEnabled);
    fastButton->setEnabled(fastWasEnabled);
    slowButton->setEnabled(slowWasEnabled);
}

void KMenuCutting::hideEvent(QHideEvent *event)
{
    // The page gets no key release once hidden.
    creepRefused();
    creepArmed = true;
    QWidget::hideEvent(event);
}

void KMenuCutting::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (creepArmed) {
        if (key == Qt::Key_F4 && backwardButton->isEnabled()) {
            backwardButton->setDown(true);
            backward(false);
        } else if (key == Qt::Key_F5 && forwardButton->isEnabled()) {
            forwardButton->setDown(true);
            forward(false);
        }
        creepArmed = false;
    }
    // Every press counts, repeats included: holding the key keeps changing the speed.
    if (key == Qt::Key_F1 && fastButton->isEnabled()) {
        if (!fastButton->isDown())
            fastButton->setDown(true);
        emit fast();
    } else if (key == Qt::Key_F2 && slowButton->isEnabled()) {
        if (!slowButton->isDown())
            slowButton->setDown(true);
        emit slow();
    }
}

void KMenuCutting::keyReleaseEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (!event->isAutoRepeat()) {
        if (key == Qt::Key_F4 || key == Qt::Key_F5) {
            KButton *creep = key == Qt::Key_F4 ? backwardButton : forwardButton;
            if (creep->isEnabled()) {
                creep->setDown(false);
                forbackstop();
            }
        }
        creepArmed = true;
    }
    if (key == Qt::Key_F1 && fastButton->isEnabled() && fastButton->isDown())
        fastButton->setDown(false);
    else if (key == Qt::Key_F2 && slowButton->isEnabled() && slowButton->isDown())
        slowButton->setDown(false);
}
