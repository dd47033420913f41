#include "library/shapes/Shapes.h"

#include "library/PattenRecord.h"
#include "library/shapes/ShapeMath.h"

#include <cmath>
#include <cstdlib>

// Round disc of diameter b.
void shapeK1(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.b;
    copy.h = p.b;
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.cw(0, 0, p.b / 2, 0);
    copy.kerfOff();
    copy.rapid(-p.a, 0);
}

// Disc of diameter c with a concentric hole of diameter b, the hole first.
void shapeK2(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.c;
    copy.h = p.c;
    const int toHole = 2 * p.a + (p.c - p.b) / 2;
    copy.rapid(toHole, 0);
    copy.kerfOn();
    copy.line(-p.a, 0);
    copy.ccw(0, 0, p.b / 2, 0);
    copy.kerfOff();
    copy.rapid(p.a, 0);
    // The exact way back, so odd diameters do not shift the outer circle.
    copy.rapid(-toHole, 0);
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.cw(0, 0, p.c / 2, 0);
    copy.kerfOff();
    copy.rapid(-p.a, 0);
}

// Rectangle b x c with all four corners rounded to radius d.
void shapeK3(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    copy.w = a + b;
    copy.h = c;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, c - 2 * d);
    copy.cw(d, d, d, 0);
    copy.line(b - 2 * d, 0);
    copy.cw(d, -d, 0, -d);
    copy.line(0, -(c - 2 * d));
    copy.cw(-d, -d, -d, 0);
    copy.line(-(b - 2 * d), 0);
    copy.cw(-d, d, 0, d);
    copy.kerfOff();
    copy.rapid(-a, 0);
}

// Triangle: side b upward, third corner c to the right and d above the start.
void shapeK4(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.c;
    copy.h = p.d >= p.b ? p.d : p.b;
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.line(0, p.b);
    copy.line(p.c, p.d - p.b);
    copy.line(-p.c, -p.d);
    copy.kerfOff();
    copy.rapid(-p.a, 0);
}

// Ring sector: radii b and c, opening angle d (0.01 degree). Its truncated
// trigonometric end points are kept as they are, even where they leave the
// copy a unit or two from its start.
void shapeK5(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c;
    const long long angle = std::llabs(static_cast<long long>(p.d));
    if (angle <= 9000) {
        copy.w = c;
        copy.h = a + c;
    } else if (angle <= 18000) {
        copy.w = 2 * c;
        copy.h = a + c;
    } else {
        copy.w = 2 * c;
        copy.h = a + 2 * c;
    }
    const double t = p.d * 3.14159265 / 18000.0f;
    const double cosT = std::cos(t);
    const double sinT = std::sin(t);
    copy.kerfOn();
    copy.line(0, a);
    copy.line(b - c, 0);
    copy.ccw(ShapeMath::truncated(b * cosT - b), ShapeMath::truncated(b * sinT), -b, 0);
    copy.line(ShapeMath::truncated((c - b) * cosT), ShapeMath::truncated((c - b) * sinT));
    copy.cw(ShapeMath::truncated(c - c * cosT), ShapeMath::truncated(-(c * sinT)), ShapeMath::truncated(-(c * cosT)),
            ShapeMath::truncated(-(c * sinT)));
    copy.kerfOff();
    copy.rapid(0, -a);
}

// Square of side c with a central hole of diameter b, the hole first.
void shapeK6(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c;
    copy.w = a + c;
    copy.h = c;
    const int toHole = 2 * a + (c - b) / 2;
    copy.rapid(toHole, c / 2);
    copy.kerfOn();
    copy.line(-a, 0);
    copy.ccw(0, 0, b / 2, 0);
    copy.kerfOff();
    copy.rapid(a, 0);
    copy.rapid(-toHole, -(c / 2));
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, c);
    copy.line(c, 0);
    copy.line(0, -c);
    copy.line(-c, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Quadrilateral: vertical sides b (left) and c (right), d apart, tops level.
void shapeK7(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.d;
    copy.h = p.c >= p.b ? p.c : p.b;
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.line(0, p.b);
    copy.line(p.d, 0);
    copy.line(0, -p.c);
    copy.line(-p.d, p.c - p.b);
    copy.line(-p.a, 0);
    copy.kerfOff();
}

// Trapezoid: vertical sides b and c, d apart, symmetric about b's middle.
void shapeK8(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.d;
    copy.h = p.c >= p.b ? p.c : p.b;
    const int rise = (p.c - p.b) / 2;
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.line(0, p.b);
    copy.line(p.d, rise);
    copy.line(0, -p.c);
    // The remainder of c - b, so an odd difference still closes.
    copy.line(-p.d, (p.c - p.b) - rise);
    copy.line(-p.a, 0);
    copy.kerfOff();
}

// Slot of width c and overall length b.
void shapeK9(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.c;
    copy.h = p.b;
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.line(0, p.b - p.c);
    copy.cw(p.c, 0, p.c / 2, 0);
    copy.line(0, -(p.b - p.c));
    copy.cw(-p.c, 0, -(p.c / 2), 0);
    copy.line(-p.a, 0);
    copy.kerfOff();
}

// Rectangle of width c whose lower edge is a semicircle; overall height b.
void shapeK10(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.c;
    copy.h = p.b;
    copy.kerfOn();
    copy.line(p.a, 0);
    copy.line(0, p.b - p.c / 2);
    copy.line(p.c, 0);
    copy.line(0, p.c / 2 - p.b);
    copy.cw(-p.c, 0, -(p.c / 2), 0);
    copy.line(-p.a, 0);
    copy.kerfOff();
}

// Rectangle c x b, upper left corner rounded to radius d.
void shapeK11(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.cw(d, d, d, 0);
    copy.line(c - d, 0);
    copy.line(0, -b);
    copy.line(-c, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Rectangle c x b, both upper corners rounded to radius d.
void shapeK12(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.cw(d, d, d, 0);
    copy.line(c - 2 * d, 0);
    copy.cw(d, -d, 0, -d);
    copy.line(0, -(b - d));
    copy.line(-c, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}
