#include "pages/KBeam.h"

#include <QPainter>

KBeam::KBeam(QWidget *parent)
    : QWidget(parent)
{
    setPalette(QPalette(QColor(250, 250, 200)));
    setAutoFillBackground(true);
    reset();
}

QString KBeam::angleLine(double value)
{
    return QStringLiteral("横梁矫正 %1 度").arg(value, 8, 'f', 5, QLatin1Char(' '));
}

QString KBeam::stateText(int state)
{
    static const char *const texts[] = {"",
                                        "两侧开关同时感应",
                                        "两侧开关均未感应",
                                        "右侧开关未感应或左侧超前大于100mm",
                                        "左侧开关未感应或右侧超前大于100mm",
                                        "左超前",
                                        "右超前"};
    if (state < 1 || state > 6)
        return QString();
    return QString::fromUtf8(texts[state]);
}

QStringList KBeam::lines() const
{
    QStringList texts{angleLine(value)};
    const QString text = stateText(stateValue);
    if (!text.isEmpty())
        texts << text;
    return texts;
}

void KBeam::setValue(double v)
{
    value = v;
    update();
}

void KBeam::reset()
{
    value = 0;
    stateValue = 0;
}

void KBeam::setState(int state)
{
    stateValue = state;
    update();
}

void KBeam::bothTouch()
{
    setState(1);
    setValue(0);
}

void KBeam::bothNoTouch()
{
    setState(2);
}

void KBeam::onlyLeftTouch(double v)
{
    setState(3);
    setValue(v);
}

void KBeam::onlyRightTouch(double v)
{
    setState(4);
    setValue(v);
}

void KBeam::leftRightTouch(double v)
{
    setState(5);
    setValue(v);
}

void KBeam::rightLeftTouch(double v)
{
    setState(6);
    setValue(v);
}

void KBeam::paintEvent(QPaintEvent *)
{
    const QStringList texts = lines();
    QPainter painter(this);
    painter.drawText(20, 50, texts[0]);
    if (texts.size() > 1)
        painter.drawText(20, 30, texts[1]);
}
