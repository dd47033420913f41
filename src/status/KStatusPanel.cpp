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

void KStatusPanel::addPhases(QVector<Mark> &marks, const QVector<PhaseRow> &rows) const
{
    for (const PhaseRow &r : rows) {
        if (r.active) {
            marks.append({QPoint(110, 20 + kRowHeight * r.row), valueText(r.remain), nullptr});
            marks.append({QPoint(10, 2 + kRowHeight * r.row), QString(), &markPixmap});
            return;
        }
    }
    for (const PhaseRow &r : rows) {
        if (r.idleValueShown)
            marks.append({QPoint(110, 20 + kRowHeight * r.row), valueText(r.remain), nullptr});
        marks.append({QPoint(10, 1 + kRowHeight * r.row), QString(), &markDisabledPixmap});
    }
}

void KStatusPanel::addIndicator(QVector<Mark> &marks, int k, const QPixmap &image, const QString &state,
                                int textX) const
{
    marks.append({QPoint(10, 232 + kRowHeight * k), QString(), &image});
    marks.append({QPoint(textX, 250 + kRowHeight * k), state, nullptr});
}

void KStatusPanel::addSwitch(QVector<Mark> &marks, int k, bool on) const
{
    addIndicator(marks, k, on ? onPixmap : offPixmap, on ? QStringLiteral("开") : QStringLiteral("关"));
}

void KStatusPanel::paintMarks(const QVector<Mark> &marks)
{
    QPainter p(this);
    for (const Mark &m : marks) {
        if (m.image)
            p.drawPixmap(m.at, *m.image);
        else
            p.drawText(m.at, m.text);
    }
}
