// The cutting plot: fit, sheet outline and views, zoom limits, done and start
// paths, torch marker and trail modes, mouse timer, travel lengths and the
// pierce list, with cutSegments filled by hand.

#include "ViewsTestSupport.h"

#include "program/KSimu.h"

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace ViewsTestSupport;

namespace {

const QColor kBlue(Qt::blue);
const QColor kRed(Qt::red);
const QColor kGreen(Qt::green);
const QColor kBlack(Qt::black);

// Two parts: a line, a rapid to the second part and two lines.
void steps()
{
    fill(cutSegments, {rec(1, 1000, 0), rec(0, 0, 1000), rec(1, 1000, 0), rec(0, 0, 1000), rec(1, -1000, 0)});
}

QPointF drawn(const KSimu &view, double x, double y)
{
    const double upp = 26.5 * view.getScale();
    return QPointF(view.getOrigin().x() - y / upp, view.getOrigin().y() - x / upp);
}

// Some pixel of the colour within one pixel of p.
bool colourNear(const QImage &image, const QPointF &p, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(static_cast<int>(p.x()) + dx, static_cast<int>(p.y()) + dy);
            if (image.valid(q) && QColor(image.pixel(q)) == colour)
                return true;
        }
    }
    return false;
}

bool near(const QPointF &a, const QPointF &b, double tolerance = 0.01)
{
    return std::fabs(a.x() - b.x()) < tolerance && std::fabs(a.y() - b.y()) < tolerance;
}

// Paint events a widget receives, with the region of each.
class PaintLog : public QObject
{
public:
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

class ViewsCutTest : public QObject
{
    Q_OBJECT

    QList<QPoint> pointerMoves;

private slots:
    void init()
    {
        pointerMoves.clear();
        KSimu::setPointerMover([this](const QPoint &p) { pointerMoves << p; });
    }

    void emptyProgramFitsAtTheMinimum()
    {
        KSimu view;
        view.resize(572, 640);
        // Reset as a load resets it, after another program's drawing.
        steps();
        view.draw();
        fill(cutSegments, {});
        view.resetView();
        QSignalSpy scales(&view, &KSimu::pNewChanged);
        view.draw();
        QCOMPARE(view.getScale(), 3.0);
        QCOMPARE(scales.count(), 1);
        QCOMPARE(view.getViewCentre(), QPointF(320, 286));
        view.draw();
        QCOMPARE(scales.count(), 1); // later walks keep the fit
        // Both size labels: a point has no size. The height's two lines are
        // set one by one.
        QCOMPARE(PaintedTexts(&view).texts, (QStringList{"Y", "X", "0", "mm", "0 mm"}));
        view.calDist();
        view.makeCKVector();
        QCOMPARE(view.getCKNum(), 0);
        shot(&view);
    }

    void zeroSheetHasScaleOneAndNoOutline()
    {
        steps();
        KSimu view;
        view.resize(572, 640);
        QCOMPARE(view.getSheetScale(), 1.0);
        view.draw();
        view.showSheet();
        QCOMPARE(view.getScale(), 1.0);
        QCOMPARE(count(shot(&view), kBlack), 0);
        view.setSheet(1000, 0); // one side 0: still no outline
        view.showSheet();
        QCOMPARE(count(shot(&view), kBlack), 0);
        view.posUp();
        QVERIFY(std::isfinite(view.getViewCentre().x()));
    }

    void sheetLiesInTheQuadrantOfItsStartCorner_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("signX"); // screen direction from the origin
        QTest::addColumn<int>("signY");
        QTest::newRow("lower right") << 0 << -1 << -1;
        QTest::newRow("upper right") << 1 << -1 << 1;
        QTest::newRow("lower left") << 2 << 1 << -1;
        QTest::newRow("upper left") << 3 << 1 << 1;
    }

    void sheetLiesInTheQuadrantOfItsStartCorner()
    {
        QFETCH(int, mode);
        QFETCH(int, signX);
        QFETCH(int, signY);
        fill(cutSegments, {});
        KSimu view;
        view.resize(572, 640);
        view.setSFx(mode);
        view.setSheet(2000, 1000);
        QVERIFY(std::fabs(view.getSheetScale() - std::max(1000 * 100 / 26.5 / 542, 2000 * 100 / 26.5 / 610)) < 1e-9);
        view.draw();
        view.showSheet();
        // The outline is painted from the origin into the start corner's quadrant.
        const QImage image = shot(&view);
        const QRect black = extent(image, kBlack);
        const QPointF origin = view.getOrigin() + QPointF(286, 320) - view.getViewCentre();
        const int w = static_cast<int>(2000 * 100 / 26.5 / view.getScale() / 2); // half the sides, pixels
        const int h = static_cast<int>(1000 * 100 / 26.5 / view.getScale() / 2);
        QVERIFY(black.width() > h);
        QVERIFY(colourNear(image, QPointF(origin.x() + signX * h, origin.y()), kBlack));
        QVERIFY(colourNear(image, QPointF(origin.x(), origin.y() + signY * w), kBlack));
        QVERIFY(black.contains(QPointF(origin.x() + signX * h, origin.y() + signY * w).toPoint()));
        // The view centre is the sheet's middle.
        QVERIFY(std::abs(black.center().x() - 286) <= 1 && std::abs(black.center().y() - 320) <= 1);

        // Right after a reset the rectangle comes from setSheet, already
        // pointing into the quadrant: the outline still lies there.
        view.resetView();
        view.draw();
        QVERIFY(view.isSheetView());
        const QRect again = extent(shot(&view), kBlack);
        const QPointF o = view.getOrigin() + QPointF(286, 320) - view.getViewCentre();
        QVERIFY(signX < 0 ? again.right() <= o.x() + 1 : again.left() >= o.x() - 1);
        QVERIFY(signY < 0 ? again.bottom() <= o.y() + 1 : again.top() >= o.y() - 1);
    }

    void sheetAngleTurnsTheOutline()
    {
        fill(cutSegments, {});
        KSimu view;
        view.resize(572, 640);
        view.setSheet(2000, 1000);
        view.draw();
        view.showSheet();
        const QRect square = extent(shot(&view), kBlack);
        view.fit(); // the sheet view fits the sheet
        QCOMPARE(view.getScale(), view.getSheetScale());
        view.showPart();
        QCOMPARE(view.getScale(), view.getPartScale());
        view.showSheet();
        view.setAngel(30);
        const QRect turned = extent(shot(&view), kBlack);
        QVERIFY(turned != square);
        QVERIFY(turned.width() > square.width()); // a turned rectangle needs more width
    }

    void zoomLimitsStillEmitAndRebuild()
    {
        steps();
        KSimu view;
        view.draw();
        QSignalSpy scales(&view, &KSimu::pNewChanged);
        for (int k = 0; k < 40; ++k)
            view.zoomIn();
        QCOMPARE(scales.count(), 40);
        QVERIFY(view.getScale() <= 0.5 && view.getScale() > 0.45);
        view.showPart();
        for (int k = 0; k < 40; ++k)
            view.zoomOut();
        QVERIFY(view.getScale() >= 5 * view.getPartScale() && view.getScale() < 5.5 * view.getPartScale());
        view.fit();
        QCOMPARE(view.getScale(), view.getPartScale());
        QCOMPARE(scales.last().first().toDouble(), view.getPartScale());
    }

    void panStepsDependOnTheScale()
    {
        steps();
        KSimu view;
        view.draw(); // scale 3
        const QPointF origin = view.getOrigin();
        view.posUp();
        QVERIFY(near(view.getOrigin(), origin + QPointF(0, -200.0 / 3)));
        view.posRight();
        QVERIFY(near(view.getOrigin(), origin + QPointF(200.0 / 3, -200.0 / 3)));
        view.shiftX = 5;
        view.shiftY = 7;
        view.distChange();
        QVERIFY(near(view.getOrigin(), origin + QPointF(200.0 / 3 + 5, -200.0 / 3 + 7)));
        view.fit();
        QCOMPARE(view.getOrigin(), QPointF(320, 286));
    }

    void startPathAndBeginPoint()
    {
        steps();
        KSimu view;
        QSignalSpy begins(&view, &KSimu::beginPosChanged);
        view.draw();
        view.setStartPos(0, 0, 0);
        QCOMPARE(begins.last(), (QList<QVariant>{0, 0}));
        QCOMPARE(view.getStartPath().elementCount(), 1); // the origin alone

        view.setStartPos(2, 1500, 1000);
        QCOMPARE(begins.last(), (QList<QVariant>{1000, 1000}));
        const QPainterPath start = view.getStartPath();
        QVERIFY(near(start.currentPosition(), drawn(view, 1500, 1000)));
        QVERIFY(near(start.elementAt(2), drawn(view, 1000, 1000))); // the rapid as a line

        view.setStartPos(-4, 0, 0);
        QCOMPARE(view.getStartRecord(), 0);
    }

    void donePathReachesTheTorch()
    {
        steps();
        KSimu view;
        view.draw();
        view.cursorFollowOff = true;
        view.setCurrentNum(2);
        view.moveTorch(1500, 1000);
        view.draw();
        QVERIFY(near(view.getDonePath().currentPosition(), drawn(view, 1500, 1000)));
        // holdTorch moves the marker but keeps the stored torch position.
        view.holdTorch = true;
        view.moveTorch(1800, 1000);
        QCOMPARE(view.getTorch(), QPoint(1500, 1000));
        view.draw();
        QVERIFY(near(view.getDonePath().currentPosition(), drawn(view, 1500, 1000)));
    }

    void partialArcToTheTorchOrToTheStartPoint()
    {
        // A clockwise half circle from the origin to X 2000 (centre X 1000).
        fill(cutSegments, {rec(2, 2000, 0, 1000, 0)});
        KSimu view;
        view.cursorFollowOff = true;
        view.draw();
        view.setCurrentNum(0);
        view.moveTorch(1000, 1000); // a quarter along
        view.arcToStart = false;
        view.draw();
        QVERIFY(near(view.getDonePath().currentPosition(), drawn(view, 1000, 1000), 0.05));
        view.arcToStart = true;
        view.setStartPos(0, 1000, 1000);
        QVERIFY(near(view.getStartPath().currentPosition(), drawn(view, 1000, 1000), 0.05));
        QCOMPARE(view.getDonePath().elementCount(), 1); // no partial arc to the torch now
    }

    void torchMarkerMovesThePointer()
    {
        steps();
        KSimu view;
        view.resize(572, 640);
        view.draw();
        view.moveTorch(1000, 0);
        QCOMPARE(view.getTorch(), QPoint(1000, 0));
        QCOMPARE(pointerMoves.size(), 1);
        const QPoint marker = view.getTorchScreen();
        const QPoint expected(static_cast<int>(286 + marker.x() - view.getViewCentre().x()),
                              static_cast<int>(320 + marker.y() - view.getViewCentre().y()));
        QCOMPARE(pointerMoves.last(), view.mapToGlobal(expected));
        QCOMPARE(view.cursor().shape(), Qt::SizeAllCursor);
        // Not while the operator holds a button: the press would go with it.
        QWidget dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton);
        view.moveTorch(1500, 0);
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton);
        QCOMPARE(pointerMoves.size(), 1);
        view.moveTorch(1000, 0);
        QCOMPARE(pointerMoves.size(), 2);
        view.cursorFollowOff = true;
        view.moveTorch(2000, 0);
        QCOMPARE(pointerMoves.size(), 2);
        view.holdCurrent = true;
        view.moveTorch(3000, 0);
        QCOMPARE(view.getTorch(), QPoint(2000, 0));
    }

    // The pointer is not moved from under a press held on the plot past the
    // follow-up either; it goes to the marker at the release.
    void heldPressOnThePlotFollowsAtTheRelease()
    {
        steps();
        KSimu view;
        view.resize(572, 640);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.draw();
        // As the program wires it: the position read anew moves the torch.
        connect(&view, &KSimu::needUpdateCursor, &view, [&] { view.moveTorch(1200, 0); });
        QSignalSpy followUp(&view, &KSimu::needUpdateCursor);
        QTest::mousePress(view.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(followUp.wait(5000));
        QCOMPARE(pointerMoves.size(), 0);
        QTest::mouseRelease(view.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(pointerMoves.size(), 1);
        const QPoint marker = view.getTorchScreen();
        const QPoint expected(static_cast<int>(286 + marker.x() - view.getViewCentre().x()),
                              static_cast<int>(320 + marker.y() - view.getViewCentre().y()));
        QCOMPARE(pointerMoves.last(), view.mapToGlobal(expected));
        // A quick click: the follow-up comes after the release, at once.
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(pointerMoves.size(), 1);
        QVERIFY(followUp.wait(5000));
        QCOMPARE(pointerMoves.size(), 2);
    }

    void torchRepaintsOnlyItsSquareWhileCutting()
    {
        steps();
        KSimu view;
        view.resize(572, 640);
        view.cursorFollowOff = true;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.draw();
        QCoreApplication::processEvents();
        PaintLog log;
        view.installEventFilter(&log);

        // Current record 1 is a rapid: the marker moves, nothing is painted.
        view.setCurrentNum(1);
        view.moveTorch(1000, 500);
        QCOMPARE(view.getTorch(), QPoint(1000, 500));
        QCOMPARE(log.regions.size(), 0);

        // On a line the 4 x 4 square round the marker is painted at once.
        view.setCurrentNum(2);
        view.moveTorch(1500, 1000);
        QCOMPARE(log.regions.size(), 1);
        const QPoint marker = view.getTorchScreen();
        const QPoint shift(static_cast<int>(286 - view.getViewCentre().x()),
                           static_cast<int>(320 - view.getViewCentre().y()));
        QCOMPARE(log.regions.first(), QRegion(marker.x() - 2 + shift.x(), marker.y() - 2 + shift.y(), 4, 4));

        // A move trail repaints on a rapid too.
        view.setCurrentNum(1);
        view.moveTrail = true;
        view.moveTorch(1200, 1000);
        QCOMPARE(log.regions.size(), 2);
        view.removeEventFilter(&log);
    }

    void trailModesPaintOnlyTheDot()
    {
        steps();
        KSimu view;
        view.resize(572, 640);
        view.draw();
        view.cursorFollowOff = true;
        view.moveTorch(1000, 500);
        view.cutTrail = true;
        view.moveTrail = true; // the cut trail wins
        QImage image = shot(&view);
        QCOMPARE(count(image, kBlue), 0);
        QVERIFY(count(image, kRed) > 10);
        QCOMPARE(count(image, kGreen), 0);
        view.cutTrail = false;
        image = shot(&view);
        QVERIFY(count(image, kGreen) > 10);
        QCOMPARE(count(image, kBlue), 0);

        // change() suspends the trail for one full paint.
        view.moveTrail = false;
        view.cutTrail = true;
        view.change();
        QVERIFY(!view.cutTrail);
        QVERIFY(count(shot(&view), kBlue) > 0);
        QVERIFY(view.cutTrail);
        view.draw(); // draw alone does not suspend it
        QCOMPARE(count(shot(&view), kBlue), 0);

        view.paintEnabled = false;
        view.cutTrail = false;
        QCOMPARE(count(shot(&view), kBlue), 0);
    }

    void mousePressFollowsUpOrToggles()
    {
        KSimu view;
        view.resize(572, 640);
        QSignalSpy cursor(&view, &KSimu::needUpdateCursor);
        view.cursorFollowOff = true;
        QTest::mouseClick(&view, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(!view.cursorFollowOff);
        QCOMPARE(cursor.count(), 0);
        QVERIFY(cursor.wait(1000));
        QCOMPARE(cursor.count(), 1);

        view.moveTrail = true;
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(view.cursorFollowOff);
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(!view.cursorFollowOff);
        QVERIFY(!cursor.wait(700));
    }

    void recordClassesInDrawingAndCounting()
    {
        // An M code is drawn as a rapid but counted nowhere; a type-0 record
        // with i set is neither drawn nor moved, yet counts as rapid travel.
        fill(cutSegments, {rec(100, 1000, 0), rec(0, 3000, 4000, 1, 0), rec(1, 0, 1000)});
        KSimu view;
        view.draw();
        QVERIFY(near(view.getCutPath().currentPosition(), drawn(view, 1000, 1000)));
        QVERIFY(near(view.getRapidPath().elementAt(1), drawn(view, 1000, 0)));
        view.calDist();
        QCOMPARE(view.getMoveLength(), 5000);
        QCOMPARE(view.getCutLength(), 1000);
        view.makeCKVector();
        QCOMPARE(view.getCKNum(), 1);
        QCOMPARE(view.getCKVector()[0], 2);
    }

    void pierceListWhenTheProgramStartsWithACut()
    {
        fill(cutSegments, {rec(1, 1000, 0), rec(1, 0, 1000), rec(0, 500, 0), rec(3, 0, 0, 100, 0), rec(0, 500, 0),
                           rec(0, 500, 0), rec(2, 0, 0, 100, 0)});
        KSimu view;
        view.makeCKVector();
        QCOMPARE(view.getCKNum(), 2);
        QCOMPARE(view.getCKVector()[0], 3);
        QCOMPARE(view.getCKVector()[1], 3); // rapid 5 minus rapid 2
        view.cutTrail = true;
        fill(cutSegments, {});
        view.makeCKVector(); // the cut trail keeps the list
        QCOMPARE(view.getCKNum(), 2);
    }

    void pierceCountStopsAtAThousand()
    {
        SegmentTable::prefill(cutSegments);
        for (int row = 0; row < 2400; row += 2) {
            SegmentTable::copyWords(cutSegments[row], rec(0, 100, 0));
            SegmentTable::copyWords(cutSegments[row + 1], rec(1, 100, 0));
        }
        KSimu view;
        QSignalSpy cursor(&view, &KSimu::needUpdateCursor);
        view.setCurrentNum(0);
        QCOMPARE(view.getCKNum(), 1000);
        QCOMPARE(view.getCKVector()[999], 2);
        QCOMPARE(cursor.count(), 0);
        view.setCurrentNum(400); // 1000 ahead still
        QCOMPARE(view.getCKNum(), 1000);
        QCOMPARE(cursor.count(), 0);
        view.setCurrentNum(1000); // 700 ahead: counted, the list left alone
        QCOMPARE(view.getCKNum(), 700);
        QCOMPARE(view.getCKVector()[0], 1);
        QCOMPARE(cursor.count(), 1);
        view.cutTrail = true;
        view.setCurrentNum(5);
        QCOMPARE(view.getCKNum(), 700);
        QCOMPARE(cursor.count(), 2);
    }

    void recordsFromTheCardAreBounded()
    {
        steps();
        KSimu view;
        view.setCurrentNum(40000);
        QCOMPARE(view.getCurrentRecord(), kSegmentRows);
        view.calDist();
        QCOMPARE(view.getCutLength(), 0);
        QCOMPARE(view.getCKNum(), 0);
        view.draw();
        view.moveTorch(10, 10);
        view.holdCurrent = true;
        view.setCurrentNum(1);
        QCOMPARE(view.getCurrentRecord(), kSegmentRows);
    }

    void fullTableWithoutEnd()
    {
        for (int row = 0; row < kSegmentRows; ++row)
            SegmentTable::copyWords(cutSegments[row], rec(row % 2 ? 1 : 0, 10, 0));
        KSimu view;
        view.draw();
        QVERIFY(std::fabs(view.getScale() - 300000 / 26.5 / 540) < 1e-9);
        view.calDist();
        QCOMPARE(view.getCutLength(), 150000);
        QCOMPARE(view.getMoveLength(), 150000);
        view.makeCKVector();
        QCOMPARE(view.getCKNum(), 1000);
    }
};

QTEST_MAIN(ViewsCutTest)
#include "ViewsCutTest.moc"
