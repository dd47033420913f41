#ifndef KLIBSIMU_H
#define KLIBSIMU_H

#include "records/DeviceRecords.h"
#include "program/KPathView.h"

#include <QPainterPath>
#include <QRectF>

class KDialogStd;

// The drawing on the part-library page: libSegments on its plate, the
// pattern between the 97 and 98 marks in red. The plate is a standard
// rectangle from KDialogStd or a polygon through up to ten recorded points;
// the plate decides scale and centre, a part view zooms onto the drawing.
class KLibSimu : public KPathView
{
    Q_OBJECT
public:
    explicit KLibSimu(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    bool morePlate;          // multi-point plate instead of the standard one
    KDialogStd *plateDialog; // child of the view

    void resetView() override;

    // The drawing's extent along program Y and X in mm (origin and rapids included).
    double getPartWidth() const { return 0.265 * partWidth(); }
    double getPartHeight() const { return 0.265 * partHeight(); }
    int getPointCount() const { return pointCount; }
    QRectF getPlateRect() const { return plateRect; }

public slots:
    void draw() override;
    void showJB();
    void cancelJB();
    void drawStdPlatte();
    void drawMorePlatte();
    void setStdPlatte();
    void addPoint(point_t point);
    void stdAcc();

protected:
    void redraw() override;
    void zoomRectTaken() override { plateRedraw(); }
    void paintEvent(QPaintEvent *event) override;

private:
    void plateRedraw();
    double partWidth() const { return v.partWidth; }
    double partHeight() const { return v.partHeight; }
    QRectF standardPlate() const;

    double savedCentreX = 0.0, savedCentreY = 0.0;
    QPainterPath cutPath, rapidPath, patternPath, platePath;
    double plateY = 180.0, plateX = 200.0; // mm along program Y and X
    QRectF plateRect;
    QRectF partRect;
    point_t points[10];
    int pointCount = -1;
    bool firstPlate = true;
    bool inPattern = false;
};

#endif
