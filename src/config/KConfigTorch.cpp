#include "config/KConfigTorch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

void toggle(QCheckBox *box)
{
    box->setChecked(!box->isChecked());
}

} // namespace

KConfigTorch::KConfigTorch(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("参数设置"));
    setGeometry(300, 250, 880, 210);
    QFont bold = font();
    bold.setPointSize(11);
    bold.setWeight(75);
    setFont(bold);

    auto *group = new QGroupBox(QStringLiteral("割炬选通:"), this);
    group->setGeometry(20, 20, 830, 120);

    QPushButton **tiles[] = {&torchButton1, &torchButton2, &torchButton3, &torchButton4, &torchButton5, &powderButton};
    QCheckBox **boxes[] = {&torchBox1, &torchBox2, &torchBox3, &torchBox4, &torchBox5, &powderBox};
    for (int i = 0; i < 6; ++i) {
        QPushButton *tile = new QPushButton(group);
        tile->setObjectName(i < 5 ? QStringLiteral("torchButton%1").arg(i + 1) : QStringLiteral("powderButton"));
        tile->setGeometry(30 + 120 * i, 30, 110, 66);
        QCheckBox *box = new QCheckBox(i < 5 ? QStringLiteral("割炬%1").arg(i + 1) : QStringLiteral("喷粉"), tile);
        box->setObjectName(i < 5 ? QStringLiteral("torchBox%1").arg(i + 1) : QStringLiteral("powderBox"));
        box->move(20, 20);
        *tiles[i] = tile;
        *boxes[i] = box;
    }
    // Torch 5 and the powder tool are not offered on this machine.
    torchButton5->setEnabled(false);
    torchButton5->setVisible(false);
    powderButton->setEnabled(false);
    powderButton->setVisible(false);

    const char *tileSlots[] = {SLOT(t1Selected()), SLOT(t2Selected()), SLOT(t3Selected()),
                               SLOT(t4Selected()), SLOT(t5Selected()), SLOT(t6Selected())};
    const char *boxSlots[] = {SLOT(b1Selected()), SLOT(b2Selected()), SLOT(b3Selected()),
                              SLOT(b4Selected()), SLOT(b5Selected()), SLOT(b6Selected())};
    for (int i = 0; i < 6; ++i) {
        connect(*tiles[i], SIGNAL(pressed()), this, tileSlots[i]);
        connect(*boxes[i], SIGNAL(clicked()), this, boxSlots[i]);
    }

    okButton = iconButton(QStringLiteral("    确定"), QStringLiteral(":/icon/ok22.png"), 580, Qt::Key_Return);
    okButton->setObjectName(QStringLiteral("okButton"));
    connect(okButton, SIGNAL(clicked()), this, SLOT(accept()));
    QPushButton *cancel =
        iconButton(QStringLiteral("    取消"), QStringLiteral(":/icon/cancel22.png"), 700, Qt::Key_Escape);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, SIGNAL(clicked()), this, SLOT(reject()));
}

QPushButton *KConfigTorch::iconButton(const QString &text, const QString &icon, int x, int key)
{
    auto *button = new QPushButton(text, this);
    button->setGeometry(x, 150, 100, 40);
    button->setShortcut(QKeySequence(key));
    auto *picture = new QLabel(button);
    picture->setGeometry(10, 8, 22, 22);
    picture->setPixmap(QPixmap(icon));
    return button;
}

void KConfigTorch::t1Selected()
{
    toggle(torchBox1);
}
void KConfigTorch::t2Selected()
{
    toggle(torchBox2);
}
void KConfigTorch::t3Selected()
{
    toggle(torchBox3);
}
void KConfigTorch::t4Selected()
{
    toggle(torchBox4);
}
void KConfigTorch::t5Selected()
{
    toggle(torchBox5);
}

void KConfigTorch::t6Selected()
{
    toggle(powderBox);
    b6Selected();
}

// Torches 1 to 5 are independent of each other: their boxes need no rule.
void KConfigTorch::b1Selected() {}
void KConfigTorch::b2Selected() {}
void KConfigTorch::b3Selected() {}
void KConfigTorch::b4Selected() {}
void KConfigTorch::b5Selected() {}

void KConfigTorch::b6Selected()
{
    if (!powderBox->isChecked())
        return;
    for (QCheckBox *box : {torchBox1, torchBox2, torchBox3, torchBox4, torchBox5})
        box->setChecked(false);
}
