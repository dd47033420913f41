#include "program/KEditSimu.h"

#include "program/Parser.h"

#include <QPainter>

#include <algorithm>
#include <vector>

KEditSimu::KEditSimu(QWidget *parent)
    : KPathView(parent, Qt::WindowFlags(), 500.0, 440.0)
{
    resetView();
    parser = new Parser;
}

void KEditSimu::setSelectedRows(const QList<int> &rows)
{
    selectedRows = rows;
    draw();
}

void KEditSimu::draw()
{
    // Sorted once, so each record finds its selections without a search; a
    // row named twice is drawn twice, as the editor asked for it twice.
    std::vector<int> selected(selectedRows.begin(), selectedRows.end());
    std::sort(selected.begin(), selected.end());

    QPainterPath cut, rapid, selection;
    v.walk([&](PathWalk frame) {
        cut = QPainterPath(frame.origin());
        rapid = QPainterPath(frame.origin());
        selection = QPainterPath(frame.origin());
        auto next = selected.cbegin();
        frame.run(editSegments, 0, kSegmentRows, cut, rapid, false, [&](const PathWalk::Move &m) {
            if (m.kind == PathWalk::Skip)
                return;
            while (next != selected.cend() && *next < m.row)
                ++next;
            for (; next != selected.cend() && *next == m.row; ++next) {
                if (m.kind == PathWalk::Arc)
                    selection.arcTo(m.square, m.arc.start, m.arc.sweep);
                else
                    selection.lineTo(m.end);
            }
            selection.moveTo(m.end);
        });
        return PathWalk::bounds(cut, rapid);
    });
    walkX = walkY = 0.0;
    cutPath = cut;
    rapidPath = rapid;
    selectionPath = selection;
    update();
}

void KEditSimu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginPaint(painter);
    paintDrawing(painter, {{&rapidPath, kRapid}, {&cutPath, kCut}, {&selectionPath, kMarked}},
                 PathWalk::bounds(cutPath, rapidPath));
    endPaint(painter);
}
