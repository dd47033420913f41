#include "program/KPathView.h"

#include "app/base/HeldPress.h"
#include "program/Parser.h"
#include "program/ViewPaint.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

KPathView::KPathView(QWidget *parent, Qt::WindowFlags flags, double viewWidth, double viewHeight)
    : QWidget(parent, flags)
    , parser(nullptr)
    , v(viewWidth, viewHeight)
{
    ViewPaint::dress(this, QColor(250, 250, 200), 10, 50);
}

KPathView::~KPathView()
{
    delete parser;
}

void KPathView::resetView()
{
    const double width = v.viewWidth;
    const double height = v.viewHeight;
    v = ViewFit(width, height);
    walkX = walkY = 0.0;
    shiftX = shiftY = pressX = pressY = dragX = dragY = lastPressX = lastPressY = 0;
    rectZoom = 1.0;
    zoomRectMode = false;
    eraseRequest = false;
}

void KPathView::pan(double dx, double dy)
{
    v.originX += dx;
    v.originY += dy;
    redraw();
}

void KPathView::posUp()
{
    pan(0.0, -100.0 / v.scale);
}

void KPathView::posDown()
{
    pan(0.0, 100.0 / v.scale);
}

void KPathView::posLeft()
{
    pan(-100.0 / v.scale, 0.0);
}

void KPathView::posRight()
{
    pan(100.0 / v.scale, 0.0);
}

void KPathView::distChange()
{
    pan(shiftX, shiftY);
}

void KPathView::fit()
{
    zoomRectMode = false;
    v.originY = v.homeOriginY;
    v.originX = v.homeOriginX;
    v.scale = v.partScale;
    rectZoom = 1.0;
    redraw();
}

void KPathView::setJB()
{
    zoomRectMode = true;
}

void KPathView::zoomIn()
{
    v.scale *= 0.95;
    redraw();
}

void KPathView::zoomOut()
{
    v.scale *= 1.05;
    redraw();
}

void KPathView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressX = event->x();
    pressY = event->y();
}

void KPathView::mouseMoveEvent(QMouseEvent *event)
{
    if (!zoomRectMode)
        return;
    dragX = event->x();
    dragY = event->y();
    if (dragX > pressX && dragY > pressY)
        update();
}

void KPathView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (HeldPress::ending()) {
        // Taken from the operator mid-drag (a box over the view, its page
        // gone): the drawing stays where it stands, and a zoom rectangle
        // being dragged goes.
        dragX = pressX;
        dragY = pressY;
        update();
        return;
    }
    eraseRequest = true;
    lastPressX = pressX;
    lastPressY = pressY;
    shiftX = event->x() - pressX;
    shiftY = event->y() - pressY;
    if (!zoomRectMode) {
        distChange();
        return;
    }
    if (shiftX >= 1 && shiftY >= 1) {
        const double r = PathWalk::fitScale(shiftX, shiftY, v.viewWidth - 100, v.viewHeight - 100) * rectZoom;
        rectZoom = r > 0.05 ? r : 1.0;
        zoomRectTaken();
    }
}

void KPathView::beginPaint(QPainter &painter)
{
    if (zoomRectMode) {
        painter.setPen(pathPen(kMarked));
        painter.drawRect(QRect(QPoint(pressX, pressY), QPoint(dragX - 1, dragY - 1)));
        painter.save();
        paintSaved_ = true;
        const QPointF c(lastPressX + shiftX / 2, lastPressY + shiftY / 2);
        painter.translate(c);
        painter.scale(1.0 / rectZoom, 1.0 / rectZoom);
        painter.translate(-c);
    }
    if (eraseRequest) {
        painter.eraseRect(QRect(pressX, pressY, dragX - pressX, dragY - pressY));
        eraseRequest = false;
        dragX = pressX;
        dragY = pressY;
    }
    painter.translate(v.translation());
}

void KPathView::endPaint(QPainter &painter)
{
    if (paintSaved_)
        painter.restore();
    paintSaved_ = false;
}

const QColor KPathView::kRapid(160, 160, 164);
const QColor KPathView::kCut(0, 0, 255);
const QColor KPathView::kMarked(255, 0, 0);
const QColor KPathView::kDimensions(128, 128, 128);

void KPathView::paintDrawing(QPainter &painter, std::initializer_list<Layer> layers, const QRectF &r)
{
    for (const Layer &layer : layers) {
        if (!layer.path)
            continue;
        painter.setPen(pathPen(layer.colour));
        painter.drawPath(*layer.path);
    }
    painter.setPen(pathPen(kDimensions));
    ViewPaint::dimensions(painter, r, v.partWidth, v.partHeight);
}

QPen KPathView::pathPen(const QColor &colour)
{
    return QPen(colour, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}
