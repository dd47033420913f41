#ifndef VIEWFIT_H
#define VIEWFIT_H

#include "program/PathWalk.h"

#include <QPointF>

// Scale, origin and centre of a path view, and the walk that fits a drawing
// after a reset: the first walk measures at the kept scale and fits, the second
// centres at the fitted scale, the third builds what is shown. Later walks keep
// scale and centre, so a zoom scales about the origin and a pan slides the
// drawing under a fixed centre.
class ViewFit
{
public:
    ViewFit(double width, double height)
        : viewWidth(width)
        , viewHeight(height)
    {
    }

    double scale = 1.0;     // larger draws smaller
    double partScale = 1.0; // the fitted scale
    double unitsPerPixel = 100.0;
    double originX = 0.0, originY = 0.0;         // drawing-frame point of the program origin
    double homeOriginX = 0.0, homeOriginY = 0.0; // what a fit returns to
    double viewCentreX = 0.0, viewCentreY = 0.0; // painted at the middle of the view
    double viewWidth, viewHeight;                // the area the picture is laid out for
    double partWidth = 0.0, partHeight = 0.0;    // drawing size in pixels at scale 1
    int drawCount = 0;                           // walks since the last reset

    PathWalk frame()
    {
        unitsPerPixel = PathWalk::kUnitsPerPixel * scale;
        return PathWalk(originX, originY, unitsPerPixel);
    }

    // Drawing-frame offset that puts the view centre in the middle.
    QPointF translation() const { return QPointF(viewWidth / 2 - viewCentreX, viewHeight / 2 - viewCentreY); }

    // walk(PathWalk) builds the paths and returns their control-point bounds.
    // The fitted scale keeps to minimum and never becomes zero; measure keeps
    // the fitted drawing's size in partWidth and partHeight. Returns true when
    // this call fitted the scale.
    template <typename Walk> bool walk(Walk walkOnce, double minimum = 0.0, bool measure = true)
    {
        bool fitted = false;
        for (;;) {
            const QRectF r = walkOnce(frame());
            if (drawCount <= 1) {
                if (drawCount == 0) {
                    if (measure) {
                        partWidth = r.width();
                        partHeight = r.height();
                    }
                    scale = partScale = PathWalk::usableScale(
                        PathWalk::fitScale(r.width(), r.height(), viewWidth - 100, viewHeight - 100), minimum);
                    fitted = true;
                }
                viewCentreX = r.center().x();
                viewCentreY = r.center().y();
            }
            ++drawCount;
            if (drawCount > 2)
                return fitted;
        }
    }
};

#endif
