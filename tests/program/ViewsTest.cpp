// The editor, preview, library, jog and pierce-part drawings, the standard
// plate dialog and the arc angles they share, driven offscreen with tables
// filled by hand, real mouse and key events and rendered pixels.

#include "GuiTest.h"
#include "TempWorkDir.h"
#include "ViewsTestSupport.h"

#include "app/base/KButton.h"
#include "app/base/TextFit.h"
#include "program/ArcAngles.h"
#include "program/KCKSimu.h"
#include "program/KDialogStd.h"
#include "program/KEditSimu.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KPreviewSimu.h"
#include "program/Parser.h"
#include "program/PathWalk.h"

#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace ViewsTestSupport;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kRapidGrey(160, 160, 164);
const QColor kSizeGrey(128, 128, 128);

bool finite(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    // ---- arc angles -------------------------------------------------------

    void arcAngles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("sweep");
        QTest::addColumn<double>("length");
        const double pi = ArcAngles::kPi;
        QTest::newRow("cw circle") << 2 << 0 << 0 << 1000 << 0 << 630.0 << -360.0 << 2000 * pi;
        QTest::newRow("ccw circle") << 3 << 0 << 0 << 1000 << 0 << 270.0 << 360.0 << 2000 * pi;
        QTest::newRow("cw half") << 2 << 2000 << 0 << 1000 << 0 << 270.0 << -180.0 << 1000 * pi;
        QTest::newRow("ccw half") << 3 << 2000 << 0 << 1000 << 0 << 270.0 << 180.0 << 1000 * pi;
        QTest::newRow("cw quarter") << 2 << 1000 << 1000 << 1000 << 0 << 270.0 << -90.0 << 500 * pi;
        QTest::newRow("ccw three quarters") << 3 << 1000 << 1000 << 1000 << 0 << 270.0 << 270.0 << 1500 * pi;
    }

    void arcAngles()
    {
        QFETCH(int, type);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, i);
        QFETCH(int, j);
        QFETCH(double, start);
        QFETCH(double, sweep);
        QFETCH(double, length);
        const ArcAngles a = ArcAngles::of(type, x, y, i, j);
        QVERIFY(std::fabs(a.start - start) < 1e-3);
        QVERIFY(std::fabs(a.sweep - sweep) < 1e-3);
        QVERIFY(std::fabs(ArcAngles::length(type, x, y, i, j) - length) < 0.01);
    }

    void partialArcEndOnAnAxisIsNudgedAlongTheArc()
    {
        // A target straight ahead of the centre (angle 0) is moved 0.001
        // degrees back along a clockwise arc and forward along a
        // counter-clockwise one.
        const ArcAngles cw = ArcAngles::partial(2, 2000, 0, 1000, 0);
        const ArcAngles ccw = ArcAngles::partial(3, 2000, 0, 1000, 0);
        QVERIFY(std::fabs(cw.sweep - (-180.001f)) < 1e-3);
        QVERIFY(std::fabs(ccw.sweep - 180.001f) < 1e-3);
        // Off the axes the partial arc to the real end is the whole arc.
        const ArcAngles whole = ArcAngles::of(2, 1400, 200, 600, 800);
        const ArcAngles part = ArcAngles::partial(2, 1400, 200, 600, 800);
        QVERIFY(std::fabs(whole.sweep - part.sweep) < 1e-3);
    }

    // ---- editor view ------------------------------------------------------

    void clockwiseArcBulgesTowardProgramY()
    {
        // Half circles from the origin up to X 2000 with the centre at X 1000:
        // clockwise passes +Y (screen left), counter-clockwise -Y (right).
        for (int type : {2, 3}) {
            fill(editSegments, {rec(type, 2000, 0, 1000, 0)});
            KEditSimu view;
            view.resize(500, 440);
            view.draw();
            const QImage image = shot(&view);
            const QRect blue = extent(image, kBlue);
            QVERIFY(!blue.isNull());
            // The column of the program origin, where the arc starts and ends.
            const int middle = static_cast<int>(250 - view.getViewCentre().x());
            if (type == 2)
                QVERIFY2(blue.left() < middle - 50 && std::abs(blue.right() - middle) <= 2, "clockwise goes left");
            else
                QVERIFY2(blue.right() > middle + 50 && std::abs(blue.left() - middle) <= 2,
                         "counter-clockwise goes right");
        }
    }

    void selectedRowsAreRedOverTheDrawing()
    {
        fill(editSegments, {rec(1, 10000, 0), rec(0, 0, 5000), rec(2, 0, 0, 2000, 0)});
        KEditSimu view;
        view.resize(500, 440);
        view.draw();
        QCOMPARE(count(shot(&view), kRed), 0);

        view.setSelectedRows({0});
        QImage image = shot(&view);
        const QRect red = extent(image, kRed);
        QVERIFY(red.width() <= 2 && red.height() > 200); // the line up the screen
        // The circle alone, highlighted along exactly the drawn arc: no blue left.
        view.setSelectedRows({2});
        image = shot(&view);
        QVERIFY(count(image, kRed) > 100);
        QVERIFY(count(image, kBlue) > 200); // the unselected line
        view.setSelectedRows({0, 2});
        QVERIFY(count(shot(&view), kBlue) <= 2);

        view.setSelectedRows({-1, 3, 29999, 40000});
        QCOMPARE(count(shot(&view), kRed), 0);
    }

    void sizeLinesBesideTheDrawing()
    {
        // The line painted from (250, 390) up to (250, 50): the vertical size
        // line 40 pixels left of it with ticks toward it, the horizontal one
        // 40 pixels below.
        fill(editSegments, {rec(1, 10000, 0)});
        KEditSimu view;
        view.resize(500, 440);
        view.draw();
        const QImage image = shot(&view);
        const QColor grey(128, 128, 128);
        for (const QPoint p : {QPoint(210, 50), QPoint(210, 220), QPoint(210, 390), QPoint(214, 50), QPoint(214, 390),
                               QPoint(250, 430), QPoint(250, 426)})
            QCOMPARE(QColor(image.pixel(p)), grey);
        QVERIFY(QColor(image.pixel(209, 220)) != grey);
        // Zooming moves the lines with the drawing.
        view.zoomOut();
        QVERIFY(QColor(shot(&view).pixel(210, 50)) != grey);
    }

    void skippedRecordsNeitherDrawNorMove()
    {
        fill(editSegments, {rec(1, 4000, 0)});
        KEditSimu plain;
        plain.resize(500, 440);
        plain.draw();
        const QImage expected = shot(&plain);
        fill(editSegments, {rec(0, 9000, 9000, 1, 0), rec(41), rec(100, 5000, 0), rec(1, 4000, 0)});
        KEditSimu view;
        view.resize(500, 440);
        view.draw();
        QCOMPARE(shot(&view), expected);
    }

    void fullTableWithoutEndIsWalkedToTheLastRow()
    {
        for (int row = 0; row < kSegmentRows; ++row)
            SegmentTable::copyWords(editSegments[row], rec(1, 10, 0));
        KEditSimu view;
        view.draw();
        QVERIFY(std::fabs(view.getScale() - 300000 / 26.5 / 340) < 1e-9);
    }

    void emptyTableKeepsAUsableScale()
    {
        fill(editSegments, {});
        KEditSimu view;
        view.resize(500, 440);
        view.draw();
        QCOMPARE(view.getScale(), 1.0);
        view.posUp();
        view.posLeft();
        view.zoomIn();
        QVERIFY(finite(view.getViewCentre()));
        QVERIFY(std::isfinite(view.getScale()) && view.getScale() > 0);
        shot(&view);
    }

    void panZoomAndDrag()
    {
        // A line of 18020 units fits at scale 2.0 exactly.
        fill(editSegments, {rec(1, 18020, 0)});
        KEditSimu view;
        view.resize(500, 440);
        view.draw();
        QVERIFY(std::fabs(view.getScale() - 2.0) < 1e-9);
        const QRect before = extent(shot(&view), kBlue);
        view.posRight();
        QCOMPARE(extent(shot(&view), kBlue), before.translated(50, 0));

        // A plain drag moves the drawing by the drag distance.
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(&view, QPoint(130, 120));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(130, 120));
        QCOMPARE(extent(shot(&view), kBlue), before.translated(80, 20));
        // Other buttons are ignored.
        QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
        QCOMPARE(extent(shot(&view), kBlue), before.translated(80, 20));

        for (int k = 0; k < 20; ++k)
            view.zoomIn();
        QVERIFY(std::fabs(view.getScale() - 2.0 * std::pow(0.95, 20)) < 1e-9);
        view.fit();
        QCOMPARE(view.getScale(), 2.0);
        QCOMPARE(extent(shot(&view), kBlue), before);
    }

    void zoomRectangleTooSmallResetsTheFactor()
    {
        fill(editSegments, {rec(1, 10000, 0)});
        KEditSimu view;
        view.resize(500, 440);
        view.draw();
        view.setJB();
        QVERIFY(view.inZoomRectMode());
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(300, 270));
        QCOMPARE(view.getRectZoom(), 0.5);
        // The enlargement keeps the rectangle's centre and doubles the line.
        const QRect blue = extent(shot(&view), kBlue);
        QVERIFY(blue.height() > 600 || blue.top() == 0);
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(110, 110));
        QCOMPARE(view.getRectZoom(), 1.0);
        view.fit();
        QVERIFY(!view.inZoomRectMode());
    }

    // ---- preview ----------------------------------------------------------

    void previewOverlayFollowsTheWrittenProgram()
    {
        fill(previewSegments, {rec(1, 10000, 0)});
        fill(cutSegments, {rec(1, 20000, 0), rec(1, 0, 9000)});
        KPreviewSimu view;
        view.resize(500, 440);
        view.previewEnabled = true;
        view.draw();
        const double plainScale = view.getScale();
        QCOMPARE(count(shot(&view), kRed), 0);

        view.showCompensated = true;
        view.resetView();
        view.draw();
        QCOMPARE(view.getScale(), plainScale);
        QVERIFY(count(shot(&view), kRed) > 300);

        QVERIFY(!PaintedTexts(&view).texts.join(QString()).contains("无预览"));
        view.previewEnabled = false;
        view.drawNoPreview();
        const QImage off = shot(&view);
        QCOMPARE(count(off, kRed) + count(off, kBlue), 0);
        // One text, set in as many pieces as it takes fonts.
        QCOMPARE(PaintedTexts(&view).texts.join(QString()), QString("无预览!"));
    }

    // A program without a motion, its first record the end: the drawing
    // shown before goes, the origin alone stands in the middle with its size
    // lines shrunk to their ticks and labelled 0 mm, and the pan and zoom
    // keys keep a scale they can divide by.
    void previewOfAProgramWithoutMotion()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile("a.nc", "G01 X800 Y0\n"));
        QVERIFY(dir.writeFile("b.nc", ""));
        KPreviewSimu view;
        view.resize(500, 440);
        view.previewEnabled = true;
        QCOMPARE(view.parser->parsePreview("a.nc"), 1);
        view.draw();
        QVERIFY(count(shot(&view), kBlue) > 100);

        view.resetView();
        QCOMPARE(view.parser->parsePreview("b.nc"), 1);
        QCOMPARE(previewSegments[0].type, qint32(SegType::End));
        view.draw();
        const QImage image = shot(&view);
        QCOMPARE(count(image, kBlue) + count(image, kRapidGrey), 0);
        // The origin painted at (250, 220): the size lines are their ticks.
        for (const QPoint p : {QPoint(210, 220), QPoint(213, 220), QPoint(250, 260), QPoint(250, 257)})
            QCOMPARE(QColor(image.pixel(p)), kSizeGrey);
        QCOMPARE(PaintedTexts(&view).texts, (QStringList{"0", "mm", "0 mm"}));
        QVERIFY(std::isfinite(view.getScale()) && view.getScale() > 0);

        view.zoomIn();
        view.posRight();
        QVERIFY(std::isfinite(view.getScale()) && view.getScale() > 0);
        const QRect panned = extent(shot(&view), kSizeGrey);
        QVERIFY(!panned.isNull());
        QVERIFY(panned.left() > extent(image, kSizeGrey).left());
        view.fit();
        QCOMPARE(shot(&view), image);
    }

    // ---- library view -----------------------------------------------------

    void patternBetweenMarksIsRed()
    {
        fill(libSegments, {rec(1, 5000, 0), rec(97), rec(1, 0, 5000), rec(98), rec(1, -5000, 0)});
        KLibSimu view;
        view.resize(572, 500);
        view.draw();
        const QRect red = extent(shot(&view), kRed);
        QVERIFY(!red.isNull());
        QVERIFY(red.height() <= 2 && red.width() > 5); // only the line along Y
    }

    void openPatternMarkLastsUntilAReset()
    {
        fill(libSegments, {rec(1, 5000, 0), rec(97), rec(1, 0, 5000)});
        KLibSimu view;
        view.resize(572, 500);
        view.draw();
        QVERIFY(count(shot(&view), kRed) > 0);
        fill(libSegments, {rec(1, 5000, 0)});
        view.draw();
        QVERIFY(count(shot(&view), kRed) > 0);
        view.resetView();
        view.draw();
        QCOMPARE(count(shot(&view), kRed), 0);
    }

    void libraryWalksAFullTableToItsLastRow()
    {
        for (int row = 0; row < kSegmentRows; ++row)
            SegmentTable::copyWords(libSegments[row], rec(1, 10, 0));
        KLibSimu view;
        view.draw();
        // Each row 0.1 mm along program X: the drawing is 3000 mm high only
        // with the last row in it.
        QVERIFY2(std::fabs(view.getPartHeight() - 3000.0) < 1e-6, qPrintable(QString::number(view.getPartHeight())));
    }

    void partSizeAndPartView()
    {
        fill(libSegments, {rec(1, 10000, 0), rec(0, 0, 4000)});
        KLibSimu view;
        view.resize(572, 500);
        view.draw();
        QVERIFY(std::fabs(view.getPartHeight() - 100.0) < 1e-6); // along program X, mm
        QVERIFY(std::fabs(view.getPartWidth() - 40.0) < 1e-6);   // along program Y, origin and rapid included
        const double plateScale = view.getScale();
        const QPointF plateCentre = view.getViewCentre();
        view.showJB();
        QVERIFY(view.getScale() < plateScale);
        QVERIFY(view.getViewCentre() != plateCentre);
        view.cancelJB();
        QCOMPARE(view.getScale(), plateScale);
        QCOMPARE(view.getViewCentre(), plateCentre);

        fill(libSegments, {});
        KLibSimu empty;
        empty.draw();
        const double scale = empty.getScale();
        empty.showJB();
        QCOMPARE(empty.getScale(), scale);
    }

    void multiPointPlate()
    {
        fill(libSegments, {rec(1, 10000, 0)});
        KLibSimu view;
        view.resize(572, 500);
        view.draw();
        view.resetView();
        view.morePlate = true;
        point_t p;
        p.x = 300000;
        view.addPoint(p);
        p.y = 200000;
        view.addPoint(p);
        view.drawMorePlatte();
        QCOMPARE(view.getPointCount(), 1);
        // 3000 mm up and 2000 mm left: fitted to 472 x 400 pixels.
        QVERIFY(std::fabs(view.getScale() - 300000 / 26.5 / 400) < 1e-9);
        QVERIFY(count(shot(&view), kBlack) > 400);
        // A zoom rectangle redraws only the plate.
        view.setJB();
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
        QVERIFY(view.getRectZoom() < 1.0);
    }

    void multiPointPlateUsesTheFirstTenPoints()
    {
        // Ten points within 1000 mm, then two far away that are only counted.
        fill(libSegments, {});
        KLibSimu view;
        view.resize(572, 500);
        view.resetView();
        view.morePlate = true;
        for (int k = 1; k <= 12; ++k) {
            point_t p;
            p.x = k <= 10 ? 100000 : 900000;
            p.y = k <= 10 ? 10000 * k : 900000;
            view.addPoint(p);
        }
        view.drawMorePlatte();
        QCOMPARE(view.getPointCount(), 11);
        QVERIFY(std::fabs(view.getScale() - 100000 / 26.5 / 400) < 1e-9);
        // Closed from the origin through the ten points and back: the outline
        // spans the whole fitted area and nothing lies beyond it.
        const QRect black = extent(shot(&view), kBlack);
        QVERIFY(std::abs(black.height() - 400) <= 2);
        QVERIFY(std::abs(black.width() - 400) <= 2);
    }

    // ---- standard plate dialog --------------------------------------------

    void plateDialogLayout()
    {
        TempWorkDir dir;
        QImage icon(22, 22, QImage::Format_ARGB32);
        icon.fill(Qt::green);
        QVERIFY(icon.save(dir.filePath(QStringLiteral("ravok/icon/ok22.png"))));
        KLibSimu view;
        KDialogStd *dialog = view.plateDialog;
        QCOMPARE(dialog->parent(), &view);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("标准钢板设置"));
        QCOMPARE(dialog->geometry(), QRect(300, 200, 580, 200));
        QCOMPARE(dialog->font().family(), QStringLiteral("WenQuanYi Bitmap Song"));
        QCOMPARE(dialog->font().pointSize(), 12);
        QCOMPARE(dialog->xLengthEdit->text(), QStringLiteral("2000"));
        QCOMPARE(dialog->yLengthEdit->text(), QStringLiteral("1800"));
        QCOMPARE(dialog->xLengthEdit->geometry(), QRect(160, 30, 100, 25));
        QCOMPARE(dialog->yLengthEdit->geometry(), QRect(160, 70, 100, 25));
        QStringList labels;
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            labels << label->text();
            QCOMPARE(label->buddy(),
                     label->text().contains(QLatin1Char('1')) ? dialog->xLengthEdit : dialog->yLengthEdit);
        }
        labels.sort();
        QCOMPARE(labels, (QStringList{"[&1] X长度[mm]:", "[&2] Y长度[mm]:"}));
        const QList<KButton *> buttons = dialog->findChildren<KButton *>();
        QCOMPARE(buttons.size(), 2);
        for (KButton *b : buttons) {
            const bool ok = b->text() == QStringLiteral("  确定");
            QCOMPARE(b->geometry(), ok ? QRect(330, 150, 100, 40) : QRect(450, 150, 100, 40));
            QCOMPARE(b->shortcut(), QKeySequence(ok ? Qt::Key_Return : Qt::Key_Escape));
            QCOMPARE(b->icon().isNull(), !ok); // cancel22.png is missing: no icon, no complaint
            QCOMPARE(b->iconSize(), QSize(32, 32));
        }
    }

    void plateDialogReturnAppliesEscapeKeepsTheText()
    {
        KLibSimu view;
        KDialogStd *dialog = view.plateDialog;
        QVERIFY(!dialog->isVisible()); // the constructor's first call shows nothing
        QVERIFY(std::fabs(view.getScale() - 16.0578) < 1e-4);
        // Before F1 is ever pressed the plate is 2000 mm along X, 1800 along Y.
        const QRectF plate = view.getPlateRect();
        QVERIFY(std::fabs(plate.height() / plate.width() - 2000.0 / 1800.0) < 1e-9);

        view.setStdPlatte();
        QVERIFY(GuiTest::activate(dialog));
        dialog->xLengthEdit->setFocus();
        dialog->xLengthEdit->selectAll();
        QTest::keyClicks(dialog->xLengthEdit, QStringLiteral("3000"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog->isVisible());
        QVERIFY(std::fabs(view.getScale() - 16.0578) < 1e-4);

        QVERIFY(GuiTest::waitClickLockFree());
        view.setStdPlatte();
        QVERIFY(GuiTest::activate(dialog));
        QCOMPARE(dialog->xLengthEdit->text(), QStringLiteral("3000"));
        QTest::keyClick(dialog, Qt::Key_2, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog->yLengthEdit));
        QTest::keyClick(dialog, Qt::Key_1, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(dialog->xLengthEdit));
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        QVERIFY(std::fabs(view.getScale() - 24.0867) < 1e-4);
        QVERIFY(GuiTest::waitClickLockFree());
    }

    // F1, 3000 typed over the X length, Return: the plate is 3000 mm along
    // X and keeps its 1800 along Y.
    void plateDialogTypedLength()
    {
        KLibSimu view;
        KDialogStd *dialog = view.plateDialog;
        view.setStdPlatte();
        QVERIFY(GuiTest::activate(dialog));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3000"));
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        // The plate's sides in mm: program X runs down the view, Y across.
        const double mm = view.getScale() * PathWalk::kUnitsPerPixel / 100.0;
        const QRectF plate = view.getPlateRect();
        QCOMPARE(qRound(-plate.height() * mm), 3000);
        QCOMPARE(qRound(-plate.width() * mm), 1800);
        QVERIFY(GuiTest::waitClickLockFree());
    }

    void notANumberIsAZeroSide()
    {
        KLibSimu view;
        view.plateDialog->xLengthEdit->setText(QStringLiteral("12.5"));
        view.plateDialog->yLengthEdit->setText(QStringLiteral("abc"));
        view.morePlate = true;
        view.stdAcc();
        QVERIFY(!view.morePlate);
        QCOMPARE(view.getScale(), 1.0);
        QCOMPARE(view.getPlateRect(), QRectF(0, 0, 0, 0));
        view.posUp();
        QVERIFY(finite(view.getViewCentre()));
        shot(&view);
    }

    // ---- jog view ---------------------------------------------------------

    void jogFollowsTheTorch()
    {
        fill(cutSegments, {rec(1, 10000, 0), rec(1, 0, 10000)});
        KJBSimu view;
        view.resize(178, 160);
        view.moveTorch(1000, 500); // before any draw: 100 units per pixel
        QCOMPARE(view.getTorchScreen(), QPoint(-5, -10));
        view.draw();
        view.moveTorch(5000, 0);
        QCOMPARE(view.getViewCentre(), QPointF(view.getTorchScreen()));
        const QImage image = shot(&view);
        QCOMPARE(QColor(image.pixel(89, 80)), kRed); // the marker in the middle
        QVERIFY(count(image, kBlue) > 50);
        // A pan slides the drawing against the marker until the next moveTorch.
        view.posUp();
        QCOMPARE(view.getViewCentre(), QPointF(view.getTorchScreen()));
        view.moveTorch(5000, 0);
        QVERIFY(view.getTorchScreen().y() != static_cast<int>(view.getViewCentre().y()) + 1000);
    }

    void jogSkipsMCodesAndSurvivesAnEmptyProgram()
    {
        fill(cutSegments, {rec(100, 90000, 0), rec(1, 10000, 0)});
        KJBSimu view;
        view.draw();
        QVERIFY(std::fabs(view.getZoom() - 0.628931) < 1e-6); // the M code does not move the walk
        fill(cutSegments, {});
        KJBSimu empty;
        empty.resize(178, 160);
        empty.draw();
        QCOMPARE(empty.getZoom(), 1.0);
        empty.zoomOut();
        empty.moveTorch(100, 100);
        QVERIFY(finite(empty.getViewCentre()));
        shot(&empty);
    }

    // ---- pierce-part view -------------------------------------------------

    void pierceCaptionIsSharedAndRowsAreClamped()
    {
        fill(cutSegments, {rec(0, 1000, 0), rec(1, 2000, 0), rec(0, 0, 3000), rec(1, 0, 2000)});
        KCKSimu a, b;
        QSignalSpy clicked(&a, &KCKSimu::ckClicked);
        a.drawCK(0, 2, 7, 9);
        QCOMPARE(a.caption(), QStringLiteral("7 - 9"));
        b.drawCK(2, 4, 2, 3);
        QCOMPARE(a.caption(), QStringLiteral("2 - 9"));
        a.drawCK(-3, 99999, 1, 1);
        QCOMPARE(a.getFirstRow(), 0);
        QCOMPARE(a.getLastRow(), kSegmentRows);
        a.drawCK(50, 10, 1, 1);
        QCOMPARE(a.getLastRow(), 50);
        QCOMPARE(a.getScale(), 1.0); // an empty range keeps scale 1
        QVERIFY(finite(a.getViewCentre()));
        a.resize(178, 160);
        QTest::mouseClick(&a, Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
        a.resetView();
        QCOMPARE(a.caption(), QStringLiteral("0 - 0"));
    }

    void jogWalksAFullTableToItsLastRow()
    {
        for (int row = 0; row < kSegmentRows; ++row)
            SegmentTable::copyWords(cutSegments[row], rec(1, 10, 0));
        KJBSimu view;
        view.draw();
        QVERIFY(std::fabs(view.getZoom() - 0.1 * 300000 / 26.5 / 60) < 1e-9);
    }

    void piercePartPassesOverOffsetRapids()
    {
        // A type-0 record with i set neither draws nor moves the part.
        fill(cutSegments, {rec(1, 10000, 0), rec(1, 0, 5000)});
        KCKSimu plain;
        plain.drawCK(0, 2, 1, 1);
        const double scale = plain.getScale();
        const QPointF centre = plain.getViewCentre();
        fill(cutSegments, {rec(0, 90000, 90000, 1, 0), rec(1, 10000, 0), rec(1, 0, 5000)});
        KCKSimu view;
        view.drawCK(0, 3, 1, 1);
        QCOMPARE(view.getScale(), scale);
        QCOMPARE(view.getViewCentre(), centre);
    }

    void piercePartDrawsOnlyItsRows()
    {
        // The second pierced part (rows 2..3) alone: its line along Y, not the first one's along X.
        fill(cutSegments, {rec(0, 1000, 0), rec(1, 20000, 0), rec(0, 0, 3000), rec(1, 0, 2000)});
        KCKSimu view;
        view.resize(178, 160);
        view.drawCK(2, 4, 2, 2);
        const QRect blue = extent(shot(&view), kBlue);
        QVERIFY(blue.height() <= 2 && blue.width() > 20);
    }

    // A long height is set smaller in its narrow box, but painted whole: the
    // ink beside the vertical size line is as wide and as high as the label
    // drawn freely in the same font.
    void longHeightLabelIsPaintedWhole()
    {
        fill(libSegments, {rec(1, 123456, 0)});
        KLibSimu view;
        view.resize(572, 500);
        view.draw();
        QVERIFY(std::fabs(view.getPartHeight() - 1234.56) < 1e-6);
        const QImage image = shot(&view);
        const QColor grey(128, 128, 128);
        // The vertical size line: the first column mostly grey.
        int line = 0;
        while (line < image.width() && count(image.copy(line, 0, 1, image.height()), grey) < 100)
            ++line;
        QVERIFY(line < image.width());
        const QRect sizeLine = extent(image.copy(line, 0, 1, image.height()), grey);
        // Ink right of it, between its ticks and short of the axis sign: the
        // label (the blue of the drawing left out).
        const QColor background = image.pixelColor(line + 1, sizeLine.top() + 5);
        auto ink = [&](const QImage &picture, const QRect &area) {
            QRect found;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = picture.pixelColor(x, y);
                    if (c != background && c.blue() <= c.red())
                        found |= QRect(x, y, 1, 1);
                }
            }
            return found;
        };
        const QRect label = ink(image, QRect(line + 1, sizeLine.top() + 1, 80, sizeLine.height() - 2));
        const QString text = QStringLiteral("1234.56\nmm");
        QImage free(300, 200, QImage::Format_ARGB32);
        free.fill(background);
        {
            QPainter painter(&free);
            painter.setPen(grey);
            painter.setFont(TextFit::fitted(view.font(), text, 30));
            painter.drawText(QRect(50, 50, 30, 50), Qt::TextDontClip, text);
        }
        const QRect whole = ink(free, free.rect());
        QVERIFY(whole.width() > 30);
        QVERIFY2(label.width() >= whole.width() - 1 && label.height() >= whole.height() - 1,
                 qPrintable(QStringLiteral("%1 x %2 painted of %3 x %4")
                                .arg(label.width())
                                .arg(label.height())
                                .arg(whole.width())
                                .arg(whole.height())));
    }
};

QTEST_MAIN(ViewsTest)
#include "ViewsTest.moc"
