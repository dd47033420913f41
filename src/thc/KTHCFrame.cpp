#include "thc/KTHCFrame.h"

#include "app/base/BasePath.h"
#include "app/base/KButton.h"
#include "app/base/FileIcon.h"
#include "status/KZUFrame.h"

#include <QGroupBox>
#include <QIcon>

KTHCFrame::KTHCFrame(QWidget *parent)
    : QWidget(parent)
{
    zuFrame = new KZUFrame(this);
    zuFrame->setGeometry(0, 0, 230, 170);
    zuFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    group1 = addGroup(QStringLiteral("1"), 10, 180);
    group2 = addGroup(QStringLiteral("2"), 120, 180);
    groupAll = addGroup(QStringLiteral("ALL"), 10, 390);

    up1Button = addButton(group1, 20, QStringLiteral("thc-up.png"));
    down1Button = addButton(group1, 110, QStringLiteral("thc-down.png"));
    up2Button = addButton(group2, 20, QStringLiteral("thc-up.png"));
    down2Button = addButton(group2, 110, QStringLiteral("thc-down.png"));
    upAllButton = addButton(groupAll, 20, QStringLiteral("all-up.png"));
    downAllButton = addButton(groupAll, 110, QStringLiteral("all-down.png"));

    connect(up1Button, &KButton::pressed, this, &KTHCFrame::up1Pressed);
    connect(up1Button, &KButton::released, this, &KTHCFrame::up1Released);
    connect(down1Button, &KButton::pressed, this, &KTHCFrame::down1Pressed);
    connect(down1Button, &KButton::released, this, &KTHCFrame::down1Released);
}

QGroupBox *KTHCFrame::addGroup(const QString &title, int x, int y)
{
    auto *group = new QGroupBox(title, this);
    group->setGeometry(x, y, 100, 200);
    group->setAlignment(Qt::AlignHCenter);
    return group;
}

KButton *KTHCFrame::addButton(QGroupBox *group, int y, const QString &icon)
{
    auto *button = new KButton(group);
    button->setGeometry(10, y, 80, 80);
    button->setIcon(FileIcon::make(basePath + QStringLiteral("/ravok/icon/") + icon));
    button->setIconSize(QSize(48, 48));
    return button;
}

void KTHCFrame::up1Pressed()
{
    emit sg1Up();
}

void KTHCFrame::up1Released()
{
    emit sg1Stop();
}

void KTHCFrame::down1Pressed()
{
    emit sg1Down();
}

void KTHCFrame::down1Released()
{
    emit sg1Stop();
}
