#ifndef KJBSIMU_H
#define KJBSIMU_H

#include "program/ViewFit.h"

#include <QPainterPath>
#include <QWidget>

// The jog close-up on the speed panel: cutSegments drawn ten times larger than
// a whole-program fit, sliding under the torch marker in the middle.
class KJBSimu : public QWidget
{
    Q_OBJECT
public:
    explicit KJBSimu(QWidget *parent = nullptr);

    void resetView();
    // draw() now when the close-up is shown, else when it is next shown: a
    // load while the panel shows something else costs nothing here.
    void drawWhenShown();

    double getZoom() const { return v.scale; }
    double getFitZoom() const { return v.partScale; }
    QPointF getViewCentre() const { return QPointF(v.viewCentreX, v.viewCentreY); }
    QPoint getTorchScreen() const { return QPoint(torchScreenX, torchScreenY); }

public slots:
    void draw();
    void moveTorch(int x, int y);
    void zoomIn();
    void zoomOut();
    void posUp();
    void posDown();
    void posLeft();
    void posRight();
    void fit();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void pan(double dx, double dy);
    // The draw drawWhenShown() left for later, and the torch placed again
    // when it moved meanwhile (its screen point depends on the fit).
    void catchUp();

    // scale is the zoom, partScale the fitted zoom.
    ViewFit v;
    QPainterPath cutPath;
    QPainterPath rapidPath;
    int torchScreenY = 0, torchScreenX = 0;
    int torchY = 0, torchX = 0;
    bool drawPending = false;
    bool torchMovedWhilePending = false;
};

#endif
