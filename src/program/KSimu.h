#ifndef KSIMU_H
#define KSIMU_H

#include "program/ViewFit.h"

#include <QPainterPath>
#include <QRectF>
#include <QRegion>
#include <QWidget>

#include <functional>

class Parser;

// The cutting plot: cutSegments with the sheet it is cut from, the path done
// up to the torch, the part skipped before the start record, a part view and
// a sheet view, the torch marker with its two trail modes, the remaining
// travel lengths and the pierce list.
class KSimu : public QWidget
{
    Q_OBJECT
public:
    explicit KSimu(QWidget *parent = nullptr);
    ~KSimu() override;

    // Modes the main window sets and clears.
    bool cutTrail;        // partial repaints draw only a red torch dot
    bool moveTrail;       // the same with a green dot
    bool arcToStart;      // partial arc: to the start point (set) or to the torch (clear)
    bool holdTorch;       // moveTorch moves the marker but keeps the stored position
    bool holdCurrent;     // moveTorch and setCurrentNum store nothing
    bool spareFlag;       // the owner's
    bool paintEnabled;    // clear: nothing is painted
    bool cursorFollowOff; // clear: the pointer follows the torch marker

    Parser *parser; // the cutting parser; the view itself never calls it

    int shiftX, shiftY; // added to the origin by distChange

    static constexpr int kMaxPierces = 1000;

    void resetView();
    void makeCKVector();
    int getCutLength() const { return cutLength; }
    int getMoveLength() const { return moveLength; }
    int getCKNum() const { return pierceCount; }

    double getScale() const { return v.scale; }
    double getPartScale() const { return v.partScale; }
    double getSheetScale() const { return sheetScale; }
    QPointF getViewCentre() const { return QPointF(v.viewCentreX, v.viewCentreY); }
    QPointF getOrigin() const { return QPointF(v.originX, v.originY); }
    bool isSheetView() const { return sheetView; }
    int getCurrentRecord() const { return currentRecord; }
    int getStartRecord() const { return startRecord; }
    QPoint getTorch() const { return QPoint(torchX, torchY); }
    QPoint getTorchScreen() const { return QPoint(torchScreenX, torchScreenY); }
    QRectF getPlateRect() const { return plateRect; }
    const QPainterPath &getDonePath() const { return donePath; }
    const QPainterPath &getStartPath() const { return startPath; }
    const QPainterPath &getCutPath() const { return cutPath; }
    const QPainterPath &getRapidPath() const { return rapidPath; }

    // How moveTorch puts the mouse pointer on a global point; QCursor::setPos
    // unless replaced (tests record the point instead).
    using PointerMover = std::function<void(const QPoint &)>;
    static void setPointerMover(PointerMover mover);

signals:
    void beginPosChanged(int x, int y);
    void pNewChanged(double scale);
    void needUpdateCursor();

public slots:
    void posUp();
    void posDown();
    void posLeft();
    void posRight();
    void distChange();
    void fit();
    void zoomIn();
    void zoomOut();
    void setStartPos(int record, int x, int y);
    void setCurrentNum(int record);
    void moveTorch(int x, int y);
    void draw();
    void change();
    int *getCKVector();
    void calDist();
    void doCursor();
    void setSheet(int sheetx, int sheety);
    void showSheet();
    void showPart();
    void drawPlatte();
    void setAngel(double degrees);
    // The sheet's angle without the redraw setAngel makes, for a caller that
    // draws right after.
    void setSheetAngle(double degrees) { sheetAngle = degrees; }
    void setSFx(int mode);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void pan(double dx, double dy);
    void showScale(double newScale, double centreX, double centreY);
    // Pierces from row `from` on; with buildList the list is rebuilt.
    // Returns false when the count reached the list's size.
    bool scanPierces(int from, bool buildList);
    void paintSheet(QPainter &painter) const;
    // Puts the pointer on the torch marker.
    void followTorch();
    static int boundedRecord(int record);

    ViewFit v;
    int startPointX = 0, startPointY = 0;
    int beginX = 0, beginY = 0;
    double partCentreX = 0.0, partCentreY = 0.0;
    double sheetCentreX = 0.0, sheetCentreY = 0.0;
    QPainterPath donePath, cutPath, startPath, rapidPath;
    QRegion torchRegion;
    double sheetScale = 1.0;
    bool sheetView = false;
    int torchX = 0, torchY = 0;
    int torchScreenY = 0, torchScreenX = 0;
    int startRecord = 0, currentRecord = 0;
    int moveLength = 0, cutLength = 0;
    int pierceCount = 0;
    double sheetY = 0.0, sheetX = 0.0; // mm along program Y and X
    bool restoreCutTrail = false, restoreMoveTrail = false;
    int pierceList[kMaxPierces];
    QRectF plateRect;
    double sheetAngle = 0.0;
    int sheetMode = 0;
    // A press on the plot is held; the pointer was not put on the marker
    // meanwhile, and goes there at the release.
    bool plotHeld = false;
    bool followOnRelease = false;
};

#endif
