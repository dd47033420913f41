// L-shaped plates with round ends, fillets and corner arcs (K25..K30) and
// T- and cross-shaped plates (K31..K36).
//
// The L plates: the base edge runs from the lead's end along +Y; the arm of
// width e stands at its far end and reaches c in +X; the rest of the base
// carries the step, d high. The outer corner is an arc of radius f.
// The T and cross plates: a bar b long and d high along the base edge, with a
// stem e wide centred on it and running in +X.

#include "library/shapes/Shapes.h"

#include "library/PattenRecord.h"
#include "library/shapes/ShapeMath.h"

// Arm ending in a semicircle of diameter e (top at c), step ending in a
// semicircle of diameter d on the start side, b the base including it.
void shapeK25(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c + e / 2;
    copy.h = b + d / 2;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d / 2 - f);
    copy.cw(f, f, f, 0);
    copy.line(c - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 - c, 0);
    copy.line(0, d / 2 + e - b);
    copy.cw(-d, 0, -(d / 2), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Arm ending in a semicircle of diameter e, square step.
void shapeK26(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c + e / 2;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - f);
    copy.cw(f, f, f, 0);
    copy.line(c - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 - c, 0);
    copy.line(0, e - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Square arm and step, inner corner filleted to radius g.
void shapeK27(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f, g = p.g;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - f);
    copy.cw(f, f, f, 0);
    copy.line(c - f, 0);
    copy.line(0, -e);
    copy.line(d + g - c, 0);
    copy.ccw(-g, -g, 0, -g);
    copy.line(0, e + g - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K25 with the inner corner filleted to radius g.
void shapeK28(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f, g = p.g;
    copy.w = a + c + e / 2;
    copy.h = b + d / 2;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d / 2 - f);
    copy.cw(f, f, f, 0);
    copy.line(c - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 + g - c, 0);
    copy.ccw(-g, -g, 0, -g);
    copy.line(0, d / 2 + e + g - b);
    copy.cw(-d, 0, -(d / 2), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K26 with the inner corner filleted to radius g.
void shapeK29(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f, g = p.g;
    copy.w = a + c + e / 2;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - f);
    copy.cw(f, f, f, 0);
    copy.line(c - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 + g - c, 0);
    copy.ccw(-g, -g, 0, -g);
    copy.line(0, e + g - b);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// All six corners of the L rounded to radius f, the inner one concave. The
// lead meets the straight base edge one radius above the corner.
void shapeK30(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c + e / 2;
    copy.h = b + d / 2;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - 2 * f);
    copy.cw(f, f, f, 0);
    copy.line(c - 2 * f, 0);
    copy.cw(f, -f, 0, -f);
    copy.line(0, 2 * f - e);
    copy.cw(-f, -f, -f, 0);
    copy.line(d + 2 * f - c, 0);
    copy.ccw(-f, -f, 0, -f);
    copy.line(0, e + 2 * f - b);
    copy.cw(-f, -f, -f, 0);
    copy.line(2 * f - d, 0);
    copy.cw(-f, f, 0, f);
    copy.line(-a, 0);
    copy.kerfOff();
}

// T plate: bar b x d, rectangular stem e wide whose end lies c from the base.
void shapeK31(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(d, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(c - d, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, ShapeMath::closingY(copy));
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K31 with both ends of the bar semicircles of diameter d.
void shapeK32(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.cw(d, 0, d / 2, 0);
    copy.line(0, d / 2 + e / 2 - b / 2);
    copy.line(c - d, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, ShapeMath::closingY(copy));
    copy.cw(-d, 0, -(d / 2), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K31 with the stem ending in a semicircle of diameter e, its top at c.
void shapeK33(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(d, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(c - d - e / 2, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 - c, 0);
    copy.line(0, ShapeMath::closingY(copy));
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K32's round-ended bar with K33's round-ended stem.
void shapeK34(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - d);
    copy.cw(d, 0, d / 2, 0);
    copy.line(0, d / 2 + e / 2 - b / 2);
    copy.line(c - d - e / 2, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 - c, 0);
    copy.line(0, ShapeMath::closingY(copy));
    copy.cw(-d, 0, -(d / 2), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Cross: bar b x d crossed by a stem e wide, c long in all, reaching f
// behind the base edge.
void shapeK35(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b / 2 - e / 2);
    copy.line(-f, 0);
    copy.line(0, e);
    copy.line(f, 0);
    copy.line(0, b / 2 - e / 2);
    copy.line(d, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(c - d - f, 0);
    copy.line(0, -e);
    copy.line(d + f - c, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K35 with both stem ends semicircles of diameter e; c from arc top to arc top.
void shapeK36(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b / 2 - e / 2);
    copy.line(e / 2 - f, 0);
    copy.cw(0, e, 0, e / 2);
    copy.line(f - e / 2, 0);
    copy.line(0, b / 2 - e / 2);
    copy.line(d, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(c - d - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(d + e / 2 + f - c, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}
