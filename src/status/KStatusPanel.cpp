#include "status/KStatusPanel.h"

#include "status/Caption.h"
#include "status/Countdown.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>

namespace {
const int kRowHeight = 30;
}

KStatusPanel::KStatusPanel(QWidget *parent, int markSize)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(10);
    setFont(f);

    const QIcon mark(QStringLiteral(":/icon/04.png"));
    markPixmap = mark.pixmap(markSize, markSize, QIcon::Normal);
    markDisabledPixmap = mark.pixmap(markSize, markSize, QIcon::Disabled);
    onPixmap = QIcon(QStringLiteral(":/icon/on24.png")).pixmap(24, 24);
    offPixmap = QIcon(QStringLiteral(":/icon/off24.png")).pixmap(24, 24);
}

QRect KStatusPanel::band(int row)
{
    return QRect(8, kRowHeight * row, 160, kRowHeight);
}

QString KStatusPanel::valueText(double seconds)
{
    return QString::number(seconds);
}

QLabel *KStatusPanel::addPhaseLabel(int row, const QString &text)
{
    return Caption::add(this, text, 40, 8 + kRowHeight * row);
}

QLabel *KStatusPanel::addIndicatorLabel(int k, const QString &text)
{
    return Caption::add(this, text, 40, 238 + kRowHeight * k);
}

void KStatusPanel::addSeparator(const QRect &geometry)
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(geometry);
}

void KStatusPanel::setPhase(double &total, double &remain, double seconds)
{
    total = seconds;
    remain = seconds;
    update();
}

bool KStatusPanel::tickPhase(double &remain, bool &active, int row)
{
    if (Countdown::tick(remain, active))
        return true;
    update(band(row));
    return false;
}

void KStatusPanel::paintPhases(QPainter &p, const QVector<PhaseRow> &rows) const
{
    for (const PhaseRow &r : rows) {
        if (r.active) {
            p.drawText(110, 20 + kRowHeight * r.row, valueText(r.remain));
            p.drawPixmap(10, 2 + kRowHeight * r.row, markPixmap);
            return;
        }
    }
    for (const PhaseRow &r : rows) {
        if (r.idleValueShown)
            p.drawText(110, 20 + kRowHeight * r.row, valueText(r.remain));
        p.drawPixmap(10, 1 + kRowHeight * r.row, markDisabledPixmap);
    }
}

void KStatusPanel::paintIndicator(QPainter &p, int k, const QPixmap &image, const QString &state, int textX) const
{
    p.drawPixmap(10, 232 + kRowHeight * k, image);
    p.drawText(textX, 250 + kRowHeight * k, state);
}

void KStatusPanel::paintSwitch(QPainter &p, int k, bool on) const
{
    paintIndicator(p, k, on ? onPixmap : offPixmap, on ? QStringLiteral("开") : QStringLiteral("关"));
}
