#include "program/KJBSimu.h"

#include "program/SegmentTable.h"
#include "program/ViewPaint.h"

#include <QPainter>

KJBSimu::KJBSimu(QWidget *parent)
    : QWidget(parent)
    , v(178.0, 160.0)
{
    ViewPaint::dress(this, QColor(240, 230, 140), 9);
    resetView();
}

void KJBSimu::resetView()
{
    v = ViewFit(178.0, 160.0);
    torchScreenX = torchScreenY = torchX = torchY = 0;
}

void KJBSimu::drawWhenShown()
{
    if (isVisible())
        draw();
    else
        drawPending = true;
}

void KJBSimu::showEvent(QShowEvent *event)
{
    catchUp();
    QWidget::showEvent(event);
}

void KJBSimu::catchUp()
{
    if (!drawPending)
        return;
    const bool torchMoved = torchMovedWhilePending;
    draw();
    if (torchMoved)
        moveTorch(torchX, torchY);
}

void KJBSimu::draw()
{
    drawPending = false;
    torchMovedWhilePending = false;
    QPainterPath cut, rapid;
    for (;;) {
        PathWalk frame = v.frame();
        cut = rapid = QPainterPath(frame.origin());
        frame.run(cutSegments, 0, kSegmentRows, cut, rapid, false, [](const PathWalk::Move &) {});
        if (v.drawCount < 1) {
            // A close-up: ten times larger than the whole program would fit.
            const QRectF r = PathWalk::bounds(cut, rapid);
            v.scale = v.partScale = PathWalk::usableScale(
                0.1 * PathWalk::fitScale(r.width(), r.height(), v.viewWidth - 100, v.viewHeight - 100));
        }
        ++v.drawCount;
        if (v.drawCount > 2)
            break;
    }
    cutPath = cut;
    rapidPath = rapid;
    update();
}

void KJBSimu::moveTorch(int x, int y)
{
    torchMovedWhilePending = drawPending;
    torchX = x;
    torchY = y;
    torchScreenX = static_cast<int>(v.originX - y / v.unitsPerPixel);
    torchScreenY = static_cast<int>(v.originY - x / v.unitsPerPixel);
    v.viewCentreX = torchScreenX;
    v.viewCentreY = torchScreenY;
    update();
}

void KJBSimu::zoomIn()
{
    catchUp();
    if (v.scale > 0.5)
        v.scale *= 0.5;
    draw();
    moveTorch(torchX, torchY);
}

void KJBSimu::zoomOut()
{
    catchUp();
    if (v.scale < 5 * v.partScale)
        v.scale *= 1.5;
    draw();
    moveTorch(torchX, torchY);
}

void KJBSimu::pan(double dx, double dy)
{
    catchUp();
    v.originX += dx;
    v.originY += dy;
    draw();
}

void KJBSimu::posUp()
{
    pan(0.0, -200.0 / v.scale);
}

void KJBSimu::posDown()
{
    pan(0.0, 200.0 / v.scale);
}

void KJBSimu::posLeft()
{
    pan(-200.0 / v.scale, 0.0);
}

void KJBSimu::posRight()
{
    pan(200.0 / v.scale, 0.0);
}

void KJBSimu::fit()
{
    catchUp();
    v.originX = v.originY = 0.0;
    v.scale = v.partScale;
    draw();
    moveTorch(torchX, torchY);
}

void KJBSimu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(v.translation());
    painter.setPen(QPen(Qt::gray, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(rapidPath);
    painter.setPen(QPen(Qt::blue, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(cutPath);
    painter.setPen(QPen(Qt::red, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPoint(torchScreenX, torchScreenY);
}
