// L-shaped plates with round ends, fillets and corner arcs (K25..K30).
//
// The base edge runs from the lead's end along +Y; the arm of width e stands
// at its far end and reaches c in +X; the rest of the base carries the step,
// d high. The outer corner where base and arm meet is an arc of radius f.

#include "library/shapes/Shapes.h"

#include "library/PattenRecord.h"

namespace {

enum LPlate {
    SquareL = 0,
    RoundArm = 1,  // the arm ends in a semicircle of diameter e, its top at c
    RoundStep = 2, // the step ends in a semicircle of diameter d on the start side
    Fillet = 4,    // the inner corner is filleted to radius g
};

void lPlate(const patten_t &p, ShapeCopy &copy, int form)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    const int arm = (form & RoundArm) ? e / 2 : 0;
    const int step = (form & RoundStep) ? d / 2 : 0;
    const int g = (form & Fillet) ? p.g : 0;
    copy.w = a + c + arm;
    copy.h = b + step;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - step - f);
    copy.cw(f, f, f, 0);
    copy.line(c - arm - f, 0);
    if (form & RoundArm)
        copy.cw(0, -e, 0, -(e / 2));
    else
        copy.line(0, -e);
    copy.line(d + arm + g - c, 0);
    if (form & Fillet)
        copy.ccw(-g, -g, 0, -g);
    copy.line(0, step + e + g - b);
    if (form & RoundStep)
        copy.cw(-d, 0, -(d / 2), 0);
    else
        copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

} // namespace

void shapeK25(const patten_t &p, ShapeCopy &copy)
{
    lPlate(p, copy, RoundArm | RoundStep);
}

void shapeK26(const patten_t &p, ShapeCopy &copy)
{
    lPlate(p, copy, RoundArm);
}

void shapeK27(const patten_t &p, ShapeCopy &copy)
{
    lPlate(p, copy, Fillet);
}

void shapeK28(const patten_t &p, ShapeCopy &copy)
{
    lPlate(p, copy, RoundArm | RoundStep | Fillet);
}

void shapeK29(const patten_t &p, ShapeCopy &copy)
{
    lPlate(p, copy, RoundArm | Fillet);
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
