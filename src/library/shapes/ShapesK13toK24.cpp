#include "library/shapes/Shapes.h"

#include "library/PattenRecord.h"

// K13..K18: rectangle c wide and b high, corners rounded or chamfered by d.
// The lead-in ends on the left side; every contour runs clockwise.

namespace {

void rectangleCell(const patten_t &p, ShapeCopy &copy)
{
    copy.w = p.a + p.c;
    copy.h = p.b;
}

} // namespace

// Rounded upper left, upper right and lower right corners.
void shapeK13(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    rectangleCell(p, copy);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.cw(d, d, d, 0);
    copy.line(c - 2 * d, 0);
    copy.cw(d, -d, 0, -d);
    copy.line(0, -(b - 2 * d));
    copy.cw(-d, -d, -d, 0);
    copy.line(-(c - d), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Rounded upper left and lower right corners.
void shapeK14(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    rectangleCell(p, copy);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.cw(d, d, d, 0);
    copy.line(c - d, 0);
    copy.line(0, -(b - d));
    copy.cw(-d, -d, -d, 0);
    copy.line(-(c - d), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// All four corners chamfered.
void shapeK15(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    rectangleCell(p, copy);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - 2 * d);
    copy.line(d, d);
    copy.line(c - 2 * d, 0);
    copy.line(d, -d);
    copy.line(0, -(b - 2 * d));
    copy.line(-d, -d);
    copy.line(-(c - 2 * d), 0);
    copy.line(-d, d);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Chamfered upper left, upper right and lower right corners.
void shapeK16(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    rectangleCell(p, copy);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.line(d, d);
    copy.line(c - 2 * d, 0);
    copy.line(d, -d);
    copy.line(0, -(b - 2 * d));
    copy.line(-d, -d);
    copy.line(-(c - d), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Chamfered upper right and lower right corners.
void shapeK17(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    rectangleCell(p, copy);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c - d, 0);
    copy.line(d, -d);
    copy.line(0, -(b - 2 * d));
    copy.line(-d, -d);
    copy.line(-(c - d), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Chamfered lower right corner.
void shapeK18(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    rectangleCell(p, copy);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c, 0);
    copy.line(0, -(b - d));
    copy.line(-d, -d);
    copy.line(-(c - d), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K19..K24: L-shaped plates. The base edge b runs along +Y from the lead's
// end, the arm of width e reaches c in +X at its far end, the step is d high.

// Plain L, square corners.
void shapeK19(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, e - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Arm ending in a semicircle of diameter e, step ending in one of diameter d.
void shapeK20(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c + e / 2;
    copy.h = b + d / 2;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d / 2);
    copy.line(c - e / 2, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 - c, 0);
    copy.line(0, d / 2 + e - b);
    copy.cw(-d, 0, -(d / 2), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Plain L whose arm ends in a semicircle of diameter e.
void shapeK21(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c + e / 2;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c - e / 2, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 - c, 0);
    copy.line(0, e - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Plain L with a 45 degree chamfer of legs f at the outer corner.
void shapeK22(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - f);
    copy.line(f, f);
    copy.line(c - f, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, e - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// As K22, with a second chamfer of legs g at the inner corner.
void shapeK23(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f, g = p.g;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - f);
    copy.line(f, f);
    copy.line(c - f, 0);
    copy.line(0, -e);
    copy.line(d + g - c, 0);
    copy.line(-g, -g);
    copy.line(0, e + g - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Plain L with an arc of radius f at the outer corner.
void shapeK24(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - f);
    copy.cw(f, f, f, 0);
    copy.line(c - f, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, e - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}
