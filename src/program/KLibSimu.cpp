#include "program/KLibSimu.h"

#include "app/base/KeyFocus.h"
#include "program/KDialogStd.h"
#include "program/Parser.h"
#include "program/ViewPaint.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

KLibSimu::KLibSimu(QWidget *parent, Qt::WindowFlags flags)
    : KPathView(parent, flags, 572.0, 500.0)
    , morePlate(false)
    , plateDialog(nullptr)
{
    plateDialog = new KDialogStd(this);
    resetView();
    parser = new Parser;
    morePlate = false;
    firstPlate = true;
    setStdPlatte();
    connect(plateDialog, &QDialog::accepted, this, &KLibSimu::stdAcc);
}

void KLibSimu::resetView()
{
    KPathView::resetView();
    plateY = 180.0;
    plateX = 200.0;
    plateRect = QRectF(v.originX, v.originY, -plateY / v.scale, -plateX / v.scale);
    pointCount = -1;
    std::fill(std::begin(points), std::end(points), point_t());
    inPattern = false;
}

void KLibSimu::draw()
{
    PathWalk frame = v.frame();
    QPainterPath cut(frame.origin()), rapid(frame.origin()), pattern;
    // The pattern mark is the view's state, not the walk's: a 97 without its
    // 98 keeps the next walk red too, until a reset.
    frame.run(libSegments, 0, kSegmentRows, cut, rapid, false, [&](const PathWalk::Move &m) {
        switch (m.kind) {
        case PathWalk::Rapid:
            pattern.moveTo(m.end);
            break;
        case PathWalk::Line:
            if (inPattern)
                pattern.lineTo(m.end);
            else
                pattern.moveTo(m.end);
            break;
        case PathWalk::Arc:
            if (inPattern)
                pattern.arcTo(m.square, m.arc.start, m.arc.sweep);
            else
                pattern.moveTo(m.end);
            break;
        case PathWalk::Skip:
            if (m.record->type == SegType::PatternStart)
                inPattern = true;
            else if (m.record->type == SegType::PatternEnd)
                inPattern = false;
            break;
        }
    });
    cutPath = cut;
    rapidPath = rapid;
    patternPath = pattern;
    partRect = PathWalk::bounds(cut, rapid);
    v.partWidth = partRect.width() * v.scale;
    v.partHeight = partRect.height() * v.scale;
    update();
}

void KLibSimu::redraw()
{
    draw();
    plateRedraw();
}

void KLibSimu::plateRedraw()
{
    if (morePlate)
        drawMorePlatte();
    else
        drawStdPlatte();
}

QRectF KLibSimu::standardPlate() const
{
    const double k = 100.0 / PathWalk::kUnitsPerPixel / v.scale;
    return QRectF(v.originX, v.originY, -plateY * k, -plateX * k);
}

void KLibSimu::drawStdPlatte()
{
    plateRect = standardPlate();
    update();
}

void KLibSimu::drawMorePlatte()
{
    // The polygon runs from the origin through the stored points and back;
    // with no point it is the origin alone, and the fit keeps to scale 3.
    v.walk(
        [this](PathWalk frame) {
            platePath = QPainterPath(frame.origin());
            const int last = std::min(pointCount, 9);
            for (int k = 0; k <= last; ++k)
                platePath.lineTo(frame.point(points[k].x, points[k].y));
            platePath.lineTo(frame.origin());
            return platePath.controlPointRect();
        },
        3.0, false);
    update();
}

void KLibSimu::setStdPlatte()
{
    if (firstPlate) {
        firstPlate = false;
        stdAcc();
        return;
    }
    KeyFocus::open(plateDialog);
}

void KLibSimu::addPoint(point_t point)
{
    ++pointCount;
    if (pointCount >= 0 && pointCount <= 9)
        points[pointCount] = point;
}

void KLibSimu::stdAcc()
{
    bool ok = false;
    plateX = plateDialog->xLengthEdit->text().toInt(&ok, 10);
    plateY = plateDialog->yLengthEdit->text().toInt(&ok, 10);
    morePlate = false;
    const double k = 100.0 / PathWalk::kUnitsPerPixel;
    // Both sides 0 would give no scale at all: the plate is then drawn as a
    // point at scale 1.
    v.scale = v.partScale =
        PathWalk::usableScale(PathWalk::fitScale(plateY * k, plateX * k, v.viewWidth - 30, v.viewHeight - 30));
    plateRect = standardPlate();
    v.viewCentreX = plateRect.x() + plateRect.width() / 2;
    v.viewCentreY = plateRect.y() + plateRect.height() / 2;
    drawStdPlatte();
}

void KLibSimu::showJB()
{
    const double r = PathWalk::fitScale(partRect.width(), partRect.height(), v.viewWidth - 100, v.viewHeight - 100);
    if (!(r >= 0.01))
        return;
    v.scale *= r;
    draw();
    savedCentreX = v.viewCentreX;
    savedCentreY = v.viewCentreY;
    partRect = PathWalk::bounds(cutPath, rapidPath);
    v.viewCentreX = partRect.center().x();
    v.viewCentreY = partRect.center().y();
    redraw();
}

void KLibSimu::cancelJB()
{
    v.scale = v.partScale;
    v.viewCentreX = savedCentreX;
    v.viewCentreY = savedCentreY;
    redraw();
}

void KLibSimu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(pathPen(kDimensions));
    ViewPaint::axisSign(painter, 520);
    painter.save();
    beginPaint(painter);
    painter.setPen(pathPen(QColor(0, 0, 0)));
    if (morePlate)
        painter.drawPath(platePath);
    else
        painter.drawRect(plateRect.normalized());
    paintDrawing(painter, {{&rapidPath, kRapid}, {&cutPath, kCut}, {&patternPath, kMarked}}, partRect);
    endPaint(painter);
    painter.restore();
}
