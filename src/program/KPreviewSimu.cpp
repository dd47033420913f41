#include "program/KPreviewSimu.h"

#include "program/Parser.h"

#include <QPainter>

KPreviewSimu::KPreviewSimu(QWidget *parent, Qt::WindowFlags flags)
    : KPathView(parent, flags, 500.0, 440.0)
    , previewEnabled(false)
    , showCompensated(false)
{
    resetView();
    parser = new Parser;
}

void KPreviewSimu::draw()
{
    QPainterPath cut, rapid, compCut, compRapid;
    const bool compensated = showCompensated;
    const SegmentRecord *overlay = compensatedSource ? compensatedSource : cutSegments;
    v.walk([&](PathWalk frame) {
        cut = rapid = compCut = compRapid = QPainterPath(frame.origin());
        const auto nothing = [](const PathWalk::Move &) {};
        frame.run(previewSegments, 0, kSegmentRows, cut, rapid, false, nothing);
        if (compensated)
            frame.run(overlay, 0, kSegmentRows, compCut, compRapid, false, nothing);
        // The fit follows the program as written; the compensated one is only laid over it.
        return PathWalk::bounds(cut, rapid);
    });
    cutPath = cut;
    rapidPath = rapid;
    compCutPath = compCut;
    compRapidPath = compRapid;
    update();
}

void KPreviewSimu::drawNoPreview()
{
    update();
}

void KPreviewSimu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!previewEnabled) {
        painter.setPen(QPen(QColor(0, 0, 0), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawText(QPoint(220, 240), tr("无预览!"));
        return;
    }
    beginPaint(painter);
    const QPainterPath *compRapid = showCompensated ? &compRapidPath : nullptr;
    const QPainterPath *compCut = showCompensated ? &compCutPath : nullptr;
    paintDrawing(painter, {{&rapidPath, kRapid}, {&cutPath, kCut}, {compRapid, kRapid}, {compCut, kMarked}},
                 PathWalk::bounds(cutPath, rapidPath));
    endPaint(painter);
}
