#include "thc/KMenuTHC.h"

#include "app/base/KButton.h"

KMenuTHC::KMenuTHC(QWidget *parent)
    : QWidget(parent)
{
    auto add = [this](const QString &text, int x, int width) {
        auto *button = new KButton(this);
        button->setText(text);
        button->setGeometry(x, 2, width, 66);
        return button;
    };
    backButton = add(QStringLiteral("<<"), 5, 65);
    thc1Button = add(QStringLiteral("THC 1"), 80, 110);
    thc2Button = add(QStringLiteral("THC 2"), 200, 110);
    speedButton = add(tr("速度参数"), 440, 110);
}
