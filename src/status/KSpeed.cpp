#include "status/KSpeed.h"

#include "status/Caption.h"

#include <QDial>
#include <QFrame>
#include <QPainter>

namespace {
const QRect kNumberBox(40, 125, 70, 18);
}

KSpeed::KSpeed(QWidget *parent)
    : QWidget(parent)
    , dial(new QDial(this))
{
    QFont f = font();
    f.setPointSize(9);
    setFont(f);

    dial->setGeometry(40, 20, 90, 90);
    dial->setRange(0, 60);
    dial->setNotchesVisible(true);
    dial->setNotchTarget(5.0);
    dial->setSingleStep(5);
    dial->setFocusPolicy(Qt::NoFocus);
    QPalette pal = dial->palette();
    pal.setBrush(QPalette::Disabled, QPalette::Button, QBrush(QColor(173, 255, 47), Qt::SolidPattern));
    dial->setPalette(pal);
    dial->setEnabled(false);

    const struct {
        const char *text;
        int x, y;
    } scale[] = {{"0", 55, 105},    {"1000", 13, 68},  {"2000", 23, 25},   {"4000", 75, 5},
                 {"6000", 123, 25}, {"8000", 135, 68}, {"14000", 110, 105}};
    for (const auto &s : scale)
        Caption::add(this, QString::fromLatin1(s.text), s.x, s.y);
    Caption::add(this, tr("mm/min"), 120, 125);

    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Plain);
    box->setGeometry(kNumberBox);

    reset();
}

void KSpeed::reset()
{
    vcur = 0;
    vshown = 0;
    flag = 0;
    oflag = 0;
    cutRunning = false;
    stepRunning = false;
    stopAllPending = false;
    stepStopPending = false;
    moveRunning = false;
    stopSegPassive = false;
    stopSegActive = false;
    segEndSilent = false;
}

int KSpeed::dialPosition(int speed)
{
    if (speed >= 2001 && speed <= 8000)
        return (speed / 2 + 1000) / 100;
    if (speed >= 8001 && speed <= 14000)
        return (speed / 6 + 3666) / 100;
    return speed / 100;
}

QRect KSpeed::numberRect()
{
    return QRect(40, 120, 70, 18);
}

QString KSpeed::vcurText() const
{
    return QString::number(vcur);
}

void KSpeed::setVcur(int v)
{
    vcur = v;

    if (flag == 1 && (stopSegPassive || stopSegActive) && cutRunning) {
        flag = 0;
        if (segEndSilent && !stopAllPending && !stopSegActive)
            return;
        emit cutStopped();
        vcur = 0;
    }

    if (vcur <= vs + 5) {
        if (cutRunning && stopAllPending)
            emit cutStopped();
        if ((stepRunning || moveRunning) && (stepStopPending || oflag != 0))
            emit stepStopped();
        // A machine at rest shows 0 rather than a small residual speed.
        if (!cutRunning && !stepRunning && !moveRunning)
            vcur = 0;
    }

    if (vcur != vshown) {
        vshown = vcur;
        dial->setValue(dialPosition(vcur));
        update(numberRect());
    }
}

void KSpeed::setVS(int v)
{
    vs = v;
}

void KSpeed::setFlag(int f)
{
    flag = f;
}

void KSpeed::setoFlag(int f)
{
    oflag = f;
}

int KSpeed::getoFlag()
{
    return oflag;
}

void KSpeed::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawText(55, 138, vcurText());
    p.drawRect(kNumberBox);
}
