#include "pages/KCodeNum.h"

#include "app/base/KButton.h"
#include "pages/KCodeFrame.h"

KCodeNum::KCodeNum(QWidget *parent)
    : QWidget(parent)
{
    codeButton = new KButton(this);
    codeButton->setGeometry(15, 5, 90, 50);
    codeButton->setText(QStringLiteral(" 代码框"));
    keyButton = new KButton(this);
    keyButton->setGeometry(125, 5, 90, 50);
    keyButton->setText(QStringLiteral(" 数字键"));
    keyButton->setEnabled(false);

    codeFrame = new KCodeFrame(this);
    codeFrame->setGeometry(0, 60, 256, 259);
    codeFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    connect(codeButton, SIGNAL(clicked()), this, SLOT(showCode()));
    connect(keyButton, SIGNAL(clicked()), this, SLOT(showKey()));
}

void KCodeNum::showCode()
{
    codeFrame->show();
}

void KCodeNum::showKey()
{
    codeFrame->hide();
}
