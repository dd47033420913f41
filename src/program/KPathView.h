#ifndef KPATHVIEW_H
#define KPATHVIEW_H

#include "program/ViewFit.h"

#include <QPainterPath>
#include <QPen>
#include <QWidget>

#include <initializer_list>

class Parser;
class QPainter;

// Base of the editor, preview and library drawings: a pale view that owns the
// Parser its page parses with, pans and zooms in fixed steps, and follows the
// mouse: a left drag moves the drawing, or, after setJB(), a drag right and
// down zooms into the dragged rectangle.
class KPathView : public QWidget
{
    Q_OBJECT
public:
    KPathView(QWidget *parent, Qt::WindowFlags flags, double viewWidth, double viewHeight);
    ~KPathView() override;

    Parser *parser; // the page's parser; deleted with the view

    // Zoom and pan back to their start; the next draw() fits anew.
    virtual void resetView();

    double getScale() const { return v.scale; }
    QPointF getViewCentre() const { return QPointF(v.viewCentreX, v.viewCentreY); }
    double getRectZoom() const { return rectZoom; }
    bool inZoomRectMode() const { return zoomRectMode; }
    // Leaves the zoom-rectangle mode without redrawing: a page that shows
    // the view again starts it in the plain mode.
    void cancelZoomRect() { zoomRectMode = false; }

public slots:
    virtual void draw() = 0;
    void posUp();
    void posDown();
    void posLeft();
    void posRight();
    void distChange();
    void fit();
    void setJB();
    void zoomIn();
    void zoomOut();

protected:
    // What a pan, zoom or fit redraws; the library adds its plate.
    virtual void redraw() { draw(); }
    // After a zoom rectangle has changed rectZoom.
    virtual void zoomRectTaken() { draw(); }

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // Zoom rectangle, enlargement about the last rectangle, erase after a
    // release, and the translation that centres the drawing.
    void beginPaint(QPainter &painter);
    // Restores what beginPaint saved.
    void endPaint(QPainter &painter);

    static QPen pathPen(const QColor &colour);

    struct Layer {
        const QPainterPath *path;
        QColor colour;
    };
    // The drawing's paths, each with its pen, then the size lines of r.
    void paintDrawing(QPainter &painter, std::initializer_list<Layer> layers, const QRectF &r);

    static const QColor kRapid, kCut, kMarked, kDimensions;

    ViewFit v;
    double walkX = 0.0, walkY = 0.0;
    int shiftX = 0, shiftY = 0;
    int pressX = 0, pressY = 0;
    int dragX = 0, dragY = 0;
    int lastPressX = 0, lastPressY = 0;
    double rectZoom = 1.0;
    bool zoomRectMode = false;
    bool eraseRequest = false;

private:
    void pan(double dx, double dy);

    bool paintSaved_ = false;
};

#endif
