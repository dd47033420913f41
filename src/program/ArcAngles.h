#ifndef ARCANGLES_H
#define ARCANGLES_H

#include <QtGlobal>

// Start angle and sweep of an arc record in the screen's degrees, where the
// program's +X points up (90 degrees). Every path view and the travel-length
// count take their angles from here, so a drawn arc and a measured one agree.
class ArcAngles
{
public:
    static constexpr double kPi = 3.14159265;

    float start = 0.0f;
    float sweep = 0.0f; // negative clockwise, positive counter-clockwise on screen

    // Whole arc of a record of type 2 (clockwise) or 3: end point (x, y) and
    // centre (i, j), both relative to the arc's start.
    static ArcAngles of(qint32 type, double x, double y, double i, double j);

    // The arc from its start to a target point (tx, ty) relative to the start.
    static ArcAngles partial(qint32 type, double tx, double ty, double i, double j);

    // Radius of a record's arc, in single precision as the views draw it.
    static float radius(double i, double j);

    // Travel along a record's arc in 0.01 mm; a closed arc counts as a circle.
    static double length(qint32 type, double x, double y, double i, double j);

private:
    static ArcAngles fromAngles(qint32 type, float startAngle, float endAngle);
    static float degrees(double y, double x);
};

#endif
