#ifndef VIEWPAINT_H
#define VIEWPAINT_H

#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

// Painting shared by the path views: the axis sign in the lower right corner
// and the size lines with their labels beside the drawing.
class ViewPaint
{
public:
    // Background filled with the colour (none when invalid) and the font size
    // (and weight, when not -1) every view sets on itself.
    static void dress(QWidget *view, const QColor &background, int pointSize, int weight = -1);

    // "Y" with an arrow to the left and "X" with an arrow upward; bottom is the
    // y of the Y arrow (630 on the cutting plot, 520 on the library page).
    static void axisSign(QPainter &painter, int bottom);

    // Size lines of r (drawing frame) with the sizes in mm of a drawing that
    // measured width x height pixels at scale 1.
    static void dimensions(QPainter &painter, const QRectF &r, double width, double height);
};

#endif
