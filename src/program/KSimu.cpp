#include "program/KSimu.h"

#include "app/base/HeldPress.h"
#include "program/Parser.h"
#include "program/SegmentTable.h"
#include "program/ViewPaint.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

Q_LOGGING_CATEGORY(lcArcs, "tovrel.simu.arcs", QtWarningMsg)

KSimu::PointerMover &pointerMover()
{
    static KSimu::PointerMover mover = [](const QPoint &global) { QCursor::setPos(global); };
    return mover;
}

QPen roundPen(const QColor &colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

constexpr double kMmUnits = 100.0 / PathWalk::kUnitsPerPixel; // pixels of 1 mm at scale 1

} // namespace

KSimu::KSimu(QWidget *parent)
    : QWidget(parent)
    , cutTrail(false)
    , moveTrail(false)
    , arcToStart(true)
    , holdTorch(false)
    , holdCurrent(false)
    , spareFlag(true)
    , paintEnabled(true)
    , cursorFollowOff(false)
    , parser(nullptr)
    , shiftX(0)
    , shiftY(0)
    , v(572.0, 640.0)
{
    ViewPaint::dress(this, QColor(), 10, 50);
    sheetX = sheetY = 0.0;
    sheetMode = 0;
    resetView();
    parser = new Parser;
}

KSimu::~KSimu()
{
    delete parser;
}

void KSimu::setPointerMover(PointerMover mover)
{
    pointerMover() = std::move(mover);
}

int KSimu::boundedRecord(int record)
{
    return std::clamp(record, 0, kSegmentRows);
}

void KSimu::resetView()
{
    v = ViewFit(572.0, 640.0);
    v.originY = v.homeOriginY = 286.0;
    v.originX = v.homeOriginX = 320.0;
    v.unitsPerPixel = 500.0;
    partCentreX = partCentreY = 0.0;
    startPointX = startPointY = beginX = beginY = 0;
    torchX = torchY = torchScreenX = torchScreenY = 0;
    shiftX = shiftY = 0;
    startRecord = currentRecord = moveLength = cutLength = pierceCount = 0;
    std::fill(std::begin(pierceList), std::end(pierceList), 0);
    cutTrail = moveTrail = holdTorch = holdCurrent = cursorFollowOff = false;
    restoreCutTrail = restoreMoveTrail = false;
    arcToStart = spareFlag = paintEnabled = true;
    plateRect = QRectF(v.originX, v.originY, -v.viewWidth, -v.viewHeight);
    setSheet(static_cast<int>(sheetX), static_cast<int>(sheetY));
}

void KSimu::draw()
{
    QPainterPath cut, rapid, start, done;
    const bool measuring = v.drawCount < 2;
    const bool fitted = v.walk(
        [&](PathWalk frame) {
            cut = rapid = start = done = QPainterPath(frame.origin());
            beginX = beginY = 0;
            frame.run(cutSegments, 0, kSegmentRows, cut, rapid, true, [&](const PathWalk::Move &m) {
                const SegmentRecord &rec = *m.record;
                if (m.kind == PathWalk::Arc)
                    qCDebug(lcArcs, "Ae=%f", rec.type == SegType::ArcCW ? m.arc.start : m.arc.start + m.arc.sweep);
                // Done path: everything before the current record, then up to the torch.
                if (m.row < currentRecord) {
                    if (m.kind == PathWalk::Rapid)
                        done.moveTo(m.end);
                    else if (m.kind == PathWalk::Line)
                        done.lineTo(m.end);
                    else if (m.kind == PathWalk::Arc)
                        done.arcTo(m.square, m.arc.start, m.arc.sweep);
                } else if (m.row == currentRecord) {
                    if (m.kind == PathWalk::Rapid || m.kind == PathWalk::Line) {
                        if (torchX != 0 || torchY != 0) {
                            const QPointF torch = frame.point(torchX, torchY);
                            if (m.kind == PathWalk::Rapid)
                                done.moveTo(torch);
                            else
                                done.lineTo(torch);
                        }
                    } else if (m.kind == PathWalk::Arc && !arcToStart) {
                        const ArcAngles a =
                            ArcAngles::partial(rec.type, torchX - m.startX, torchY - m.startY, rec.i, rec.j);
                        done.arcTo(m.square, a.start, a.sweep);
                    }
                }
                // Start path: the part skipped ahead of the start record.
                if (m.row < startRecord) {
                    if (m.kind == PathWalk::Rapid || m.kind == PathWalk::Line)
                        start.lineTo(m.end);
                    else if (m.kind == PathWalk::Arc)
                        start.arcTo(m.square, m.arc.start, m.arc.sweep);
                    if (m.row == startRecord - 1) {
                        beginX = static_cast<int>(m.endX);
                        beginY = static_cast<int>(m.endY);
                    }
                } else if (m.row == startRecord && (startPointX != 0 || startPointY != 0)) {
                    if (m.kind == PathWalk::Rapid || m.kind == PathWalk::Line) {
                        start.lineTo(frame.point(startPointX, startPointY));
                    } else if (m.kind == PathWalk::Arc && arcToStart) {
                        const ArcAngles a =
                            ArcAngles::partial(rec.type, startPointX - m.startX, startPointY - m.startY, rec.i, rec.j);
                        start.arcTo(m.square, a.start, a.sweep);
                    }
                }
            });
            return PathWalk::bounds(cut, rapid);
        },
        3.0);
    if (fitted)
        emit pNewChanged(v.scale);
    if (measuring) {
        partCentreX = v.viewCentreX;
        partCentreY = v.viewCentreY;
    }
    cutPath = cut;
    rapidPath = rapid;
    startPath = start;
    donePath = done;
    update();
}

void KSimu::change()
{
    if (cutTrail) {
        cutTrail = false;
        if (sheetView)
            drawPlatte();
        draw();
        restoreCutTrail = true;
    } else if (moveTrail) {
        moveTrail = false;
        if (sheetView)
            drawPlatte();
        draw();
        restoreMoveTrail = true;
    } else {
        if (sheetView)
            drawPlatte();
        draw();
    }
}

void KSimu::pan(double dx, double dy)
{
    v.originX += dx;
    v.originY += dy;
    change();
}

void KSimu::posUp()
{
    pan(0.0, -200.0 / v.scale);
}

void KSimu::posDown()
{
    pan(0.0, 200.0 / v.scale);
}

void KSimu::posLeft()
{
    pan(-200.0 / v.scale, 0.0);
}

void KSimu::posRight()
{
    pan(200.0 / v.scale, 0.0);
}

void KSimu::distChange()
{
    pan(shiftX, shiftY);
}

void KSimu::showScale(double newScale, double centreX, double centreY)
{
    v.scale = newScale;
    emit pNewChanged(v.scale);
    v.viewCentreX = centreX;
    v.viewCentreY = centreY;
    change();
}

void KSimu::fit()
{
    v.originX = v.homeOriginX;
    v.originY = v.homeOriginY;
    if (sheetView)
        showScale(sheetScale, sheetCentreX, sheetCentreY);
    else
        showScale(v.partScale, partCentreX, partCentreY);
}

void KSimu::showSheet()
{
    sheetView = true;
    showScale(sheetScale, sheetCentreX, sheetCentreY);
}

void KSimu::showPart()
{
    sheetView = false;
    showScale(v.partScale, partCentreX, partCentreY);
}

void KSimu::zoomIn()
{
    if (v.scale > 0.5)
        v.scale *= 0.9;
    emit pNewChanged(v.scale);
    change();
}

void KSimu::zoomOut()
{
    if (v.scale < 5 * v.partScale)
        v.scale *= 1.1;
    emit pNewChanged(v.scale);
    change();
}

void KSimu::setStartPos(int record, int x, int y)
{
    startRecord = boundedRecord(record);
    startPointX = x;
    startPointY = y;
    change();
    emit beginPosChanged(beginX, beginY);
}

bool KSimu::scanPierces(int from, bool buildList)
{
    pierceCount = 0;
    int previousRapid = 0;
    for (int n = from; n + 1 < kSegmentRows; ++n) {
        const qint32 type = cutSegments[n].type;
        if (type == SegType::End)
            break;
        if (type != SegType::Rapid || !isCut(cutSegments[n + 1].type))
            continue;
        if (buildList)
            pierceList[pierceCount] = pierceCount == 0 ? n + 1 : n - previousRapid;
        previousRapid = n;
        if (++pierceCount >= kMaxPierces)
            return false;
    }
    return true;
}

void KSimu::makeCKVector()
{
    if (cutTrail)
        return;
    scanPierces(0, true);
}

void KSimu::setCurrentNum(int record)
{
    if (!holdCurrent)
        currentRecord = boundedRecord(record);
    if (cutTrail) {
        emit needUpdateCursor();
        return;
    }
    if (scanPierces(currentRecord, currentRecord == 0))
        emit needUpdateCursor();
}

int *KSimu::getCKVector()
{
    return pierceList;
}

void KSimu::calDist()
{
    moveLength = cutLength = 0;
    for (int n = currentRecord; n < kSegmentRows; ++n) {
        const SegmentRecord &rec = cutSegments[n];
        if (rec.type == SegType::End)
            break;
        if (rec.type == SegType::Rapid)
            moveLength = static_cast<int>(moveLength + std::hypot(double(rec.x), double(rec.y)));
        else if (rec.type == SegType::Line)
            cutLength = static_cast<int>(cutLength + std::hypot(double(rec.x), double(rec.y)));
        else if (isArc(rec.type))
            cutLength = static_cast<int>(cutLength + ArcAngles::length(rec.type, rec.x, rec.y, rec.i, rec.j));
    }
}

void KSimu::moveTorch(int x, int y)
{
    if (!holdTorch && !holdCurrent) {
        torchX = x;
        torchY = y;
    }
    torchScreenX = static_cast<int>(v.originX - y / v.unitsPerPixel);
    torchScreenY = static_cast<int>(v.originY - x / v.unitsPerPixel);
    const QPointF t = v.translation();
    const QPoint shift(static_cast<int>(t.x()), static_cast<int>(t.y()));
    torchRegion = QRegion(torchScreenX - 2, torchScreenY - 2, 4, 4).translated(shift);
    if (isCut(SegmentTable::typeAt(cutSegments, currentRecord)) || moveTrail)
        repaint(torchRegion);
    if (cursorFollowOff)
        return;
    // A pointer moved from under a held button would take the press with it:
    // the key the operator holds on a dialog comes up and its click is lost.
    // A press held on the plot itself loses nothing: the pointer goes to the
    // marker when it is released.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        followOnRelease = plotHeld;
        return;
    }
    followTorch();
}

void KSimu::followTorch()
{
    followOnRelease = false;
    setCursor(Qt::SizeAllCursor);
    const QPoint marker(static_cast<int>(v.viewWidth / 2 + torchScreenX - v.viewCentreX),
                        static_cast<int>(v.viewHeight / 2 + torchScreenY - v.viewCentreY));
    pointerMover()(mapToGlobal(marker));
}

void KSimu::doCursor()
{
    emit needUpdateCursor();
}

void KSimu::mousePressEvent(QMouseEvent *)
{
    plotHeld = true;
    if (cutTrail || moveTrail) {
        cursorFollowOff = !cursorFollowOff;
        return;
    }
    cursorFollowOff = false;
    QTimer::singleShot(500, this, &KSimu::doCursor);
}

void KSimu::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    plotHeld = false;
    // A press taken from the operator ends while the hand still holds the
    // button: the pointer follows at the next move of the torch after it.
    if (HeldPress::ending())
        followOnRelease = false;
    if (followOnRelease && !cursorFollowOff)
        followTorch();
    followOnRelease = false;
}

void KSimu::setSheet(int sheetx, int sheety)
{
    sheetX = sheetx;
    sheetY = sheety;
    // A sheet without size has no scale of its own: it then keeps scale 1.
    sheetScale = PathWalk::usableScale(
        PathWalk::fitScale(sheetY * kMmUnits, sheetX * kMmUnits, v.viewWidth - 30, v.viewHeight - 30));
    const double w = sheetY * kMmUnits / sheetScale;
    const double h = sheetX * kMmUnits / sheetScale;
    static const int signs[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    if (sheetMode >= 0 && sheetMode <= 3)
        plateRect = QRectF(v.originX, v.originY, signs[sheetMode][0] * w, signs[sheetMode][1] * h);
    sheetCentreX = plateRect.x() + plateRect.width() / 2;
    sheetCentreY = plateRect.y() + plateRect.height() / 2;
}

void KSimu::drawPlatte()
{
    plateRect = QRectF(v.originX, v.originY, -sheetY * kMmUnits / v.scale, -sheetX * kMmUnits / v.scale);
}

void KSimu::setAngel(double degrees)
{
    setSheetAngle(degrees);
    draw();
}

void KSimu::setSFx(int mode)
{
    sheetMode = mode;
}

void KSimu::paintSheet(QPainter &painter) const
{
    if (sheetX == 0.0 || sheetY == 0.0 || sheetMode < 0 || sheetMode > 3)
        return;
    const double t = sheetAngle * ArcAngles::kPi / 180.0;
    const double c = std::cos(t);
    const double s = std::sin(t);
    // The outline is laid out from the extents as a rebuild leaves them
    // (left and up from the origin) and turned into the start corner's
    // quadrant here, so a paint right after setSheet, whose rectangle already
    // points into that quadrant, does not turn it a second time.
    static const int signs[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    const double w = -std::fabs(plateRect.width()) * signs[sheetMode][0];
    const double h = -std::fabs(plateRect.height()) * signs[sheetMode][1];
    const QPointF p0 = plateRect.topLeft();
    const QPointF u(w * c, -w * s);
    const QPointF vv(h * s, h * c);
    const QPolygonF outline({p0, p0 + u, p0 + u + vv, p0 + vv, p0});
    painter.drawPolyline(outline);
}

void KSimu::paintEvent(QPaintEvent *)
{
    if (!paintEnabled)
        return;
    QPainter painter(this);
    if (cutTrail || moveTrail) {
        painter.translate(v.translation());
        painter.setPen(roundPen(cutTrail ? Qt::red : Qt::green, 6));
        painter.drawPoint(torchScreenX, torchScreenY);
        return;
    }
    painter.setPen(roundPen(Qt::darkGray, 1));
    ViewPaint::axisSign(painter, 630);
    painter.translate(v.translation());
    painter.setPen(roundPen(Qt::gray, 1));
    painter.drawPath(rapidPath);
    painter.setPen(roundPen(Qt::blue, 1));
    painter.drawPath(cutPath);
    painter.setPen(roundPen(Qt::red, 2));
    painter.drawPath(donePath);
    painter.setPen(roundPen(Qt::darkRed, 2));
    painter.drawPath(startPath);
    if (sheetView) {
        painter.setPen(roundPen(Qt::black, 1));
        paintSheet(painter);
    }
    painter.setPen(roundPen(Qt::darkGray, 1));
    ViewPaint::dimensions(painter, PathWalk::bounds(cutPath, rapidPath), v.partWidth, v.partHeight);
    if (restoreCutTrail) {
        restoreCutTrail = false;
        cutTrail = true;
    }
    if (restoreMoveTrail) {
        restoreMoveTrail = false;
        moveTrail = true;
    }
}
