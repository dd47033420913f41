#include "program/KCKSimu.h"

#include "program/SegmentTable.h"
#include "program/ViewPaint.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

int KCKSimu::firstPart = 0;

KCKSimu::KCKSimu(QWidget *parent)
    : QWidget(parent)
    , v(178.0, 160.0)
{
    ViewPaint::dress(this, QColor(240, 230, 140), 9);
    auto *label = new QLabel(QStringLiteral("当前穿孔部件 No."), this);
    label->move(15, 10);
    label->adjustSize();
    resetView();
}

void KCKSimu::resetView()
{
    v = ViewFit(178.0, 160.0);
    firstRow = lastRow = currentPart = 0;
    firstPart = 0;
}

QString KCKSimu::caption() const
{
    return QStringLiteral("%1 - %2").arg(firstPart).arg(currentPart);
}

void KCKSimu::drawCK(int first, int last, int firstPartNo, int currentPartNo)
{
    resetView();
    // The rows come from the pierce-code page; the walk stays inside the table.
    firstRow = std::clamp(first, 0, kSegmentRows);
    lastRow = std::clamp(last, firstRow, kSegmentRows);
    firstPart = firstPartNo;
    currentPart = currentPartNo;
    draw();
}

void KCKSimu::draw()
{
    QPainterPath cut, rapid;
    v.walk([&](PathWalk frame) {
        cut = rapid = QPainterPath(frame.origin());
        frame.run(cutSegments, firstRow, lastRow, cut, rapid, false, [](const PathWalk::Move &) {});
        return PathWalk::bounds(cut, rapid);
    });
    cutPath = cut;
    rapidPath = rapid;
    update();
}

void KCKSimu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawText(QPoint(120, 22), caption());
    painter.translate(v.translation());
    painter.setPen(QPen(Qt::gray, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawPath(rapidPath);
    painter.setPen(QPen(Qt::blue, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawPath(cutPath);
}
