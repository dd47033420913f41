#include "status/KInfo.h"

#include "status/Caption.h"
#include "status/DigitalClock.h"
#include "status/KLabel.h"
#include "status/KLine.h"

#include <QFrame>
#include <QIntValidator>
#include <QLabel>

namespace {
const int kCaptionY = 8;
const int kFieldY = 6;
const int kFieldHeight = 18;

void place(QLabel *label, int x)
{
    label->move(x, kCaptionY);
    label->adjustSize();
}

void focusAll(QLineEdit *edit)
{
    edit->selectAll();
    edit->setFocus();
}
} // namespace

KInfo::KInfo(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(9);
    setFont(f);

    QLabel *compCaption = addCaption(tr("补偿量[mm]:"), 5);
    compEdit = addReadOnly(QStringLiteral("0.0"), 80, 50);
    compCaption->setBuddy(compEdit);
    addCaption(tr("旋转角[度]:"), 145);
    rotateEdit = addReadOnly(QStringLiteral("0.0"), 215, 50);
    addCaption(tr("镜像:"), 280);
    fxEdit = addReadOnly(QString(), 310, 30);
    addSeparator(350);
    addCaption(tr("钢板校正角[度]:"), 360);
    angelEdit = addReadOnly(QStringLiteral("0.0"), 455, 50);
    addSeparator(515);

    cutLabel = new KLabel(this);
    cutLabel->setText(tr("切割速度[mm/min]:"));
    place(cutLabel, 525);
    cutEdit = addSpeedEdit(635);
    topLabel = new KLabel(this);
    topLabel->setText(tr("空走速度[mm/min]:"));
    place(topLabel, 705);
    topEdit = addSpeedEdit(815);
    addSeparator(875);

    statusLabel = addCaption(tr("等离子"), 890);
    addSeparator(935);
    clock = new DigitalClock(this);
    clock->setGeometry(945, 5, 60, 20);

    connect(cutEdit, &KLine::clicked, this, &KInfo::cutClicked);
    connect(cutLabel, &KLabel::clicked, this, &KInfo::cutClicked);
    connect(topEdit, &KLine::clicked, this, &KInfo::topClicked);
    connect(topLabel, &KLabel::clicked, this, &KInfo::topClicked);
}

QLabel *KInfo::addCaption(const QString &text, int x)
{
    return Caption::add(this, text, x, kCaptionY);
}

QLineEdit *KInfo::addReadOnly(const QString &text, int x, int width)
{
    auto *edit = new QLineEdit(text, this);
    edit->setGeometry(x, kFieldY, width, kFieldHeight);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

KLine *KInfo::addSpeedEdit(int x)
{
    auto *edit = new KLine(this);
    edit->setText(QStringLiteral("0"));
    edit->setGeometry(x, kFieldY, 50, kFieldHeight);
    edit->setValidator(new QIntValidator(0, 14000, edit));
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

void KInfo::addSeparator(int x)
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(x, 5, 5, 20);
}

void KInfo::setAngel(double a)
{
    angel = a;
    angelEdit->setText(QString::number(a, 'f', 1));
}

void KInfo::setRotate(double r)
{
    rotate = r;
    rotateEdit->setText(QString::number(r, 'f', 1));
}

void KInfo::setComp(double c)
{
    comp = c;
    compEdit->setText(QString::number(c, 'f', 2));
}

void KInfo::setFx(int f)
{
    fx = f;
    static const char *const names[] = {"无", "Y", "X", "XY"};
    if (f >= 0 && f <= 3)
        fxEdit->setText(QString::fromUtf8(names[f]));
}

void KInfo::setCutSpeed(int v)
{
    cutSpeed = v;
    cutEdit->setText(QString::number(v));
}

void KInfo::setTopSpeed(int v)
{
    topSpeed = v;
    topEdit->setText(QString::number(v));
}

void KInfo::cutClicked()
{
    cutFocus();
    emit speedClicked();
}

void KInfo::topClicked()
{
    topFocus();
    emit speedClicked();
}

void KInfo::cutFocus()
{
    focusAll(cutEdit);
}

void KInfo::topFocus()
{
    focusAll(topEdit);
}

void KInfo::setStatus(const QString &s)
{
    statusLabel->setText(s);
    statusLabel->adjustSize();
}
