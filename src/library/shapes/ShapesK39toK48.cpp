// C-shaped plates open towards +X (K39..K42), regular polygons of side b
// (K43..K46) and triangular plates with rounded corners (K47, K48).
//
// C plates: c long, b high, with a slot cut in from the far side; the back is
// d wide, the upper arm e wide and the lower arm f wide.
//
// The polygons and triangles use the machine program's own radian constants,
// and each truncated term is computed once per copy; the cell W x H has
// formulas of its own.

#include "library/shapes/Shapes.h"

#include "library/PattenRecord.h"
#include "library/shapes/ShapeMath.h"

#include <cmath>

namespace {

constexpr double kRad60 = 1.04719755;
constexpr double kRad30 = 0.523598775;
constexpr double kRad36 = 0.62831853;
constexpr double kRad72 = 1.25663706;
constexpr double kRad45 = 0.7853981625;

int truncTerm(double v)
{
    return ShapeMath::truncated(v);
}

enum CPlate {
    SquareC = 0,
    RoundArms = 1, // the arms end in semicircles of diameters e and f, still reaching c
    RoundBack = 2, // the back's outer corners are rounded to radius g; the plate reaches g below the lead
};

void cPlate(const patten_t &p, ShapeCopy &copy, int form)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    const int upperEnd = (form & RoundArms) ? e / 2 : 0;
    const int lowerEnd = (form & RoundArms) ? f / 2 : 0;
    const int g = (form & RoundBack) ? p.g : 0;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    if (form & RoundBack) {
        copy.line(0, b - 2 * g);
        copy.cw(g, g, g, 0);
    } else {
        copy.line(0, b);
    }
    copy.line(c - upperEnd - g, 0);
    if (form & RoundArms)
        copy.cw(0, -e, 0, -(e / 2));
    else
        copy.line(0, -e);
    copy.line(upperEnd + d - c, 0);
    copy.line(0, e + f - b);
    copy.line(c - d - lowerEnd, 0);
    if (form & RoundArms)
        copy.cw(0, -f, 0, -(f / 2));
    else
        copy.line(0, -f);
    copy.line(lowerEnd + g - c, 0);
    if (form & RoundBack)
        copy.cw(-g, g, 0, g);
    copy.line(-a, 0);
    copy.kerfOff();
}

} // namespace

void shapeK39(const patten_t &p, ShapeCopy &copy)
{
    cPlate(p, copy, SquareC);
}

void shapeK40(const patten_t &p, ShapeCopy &copy)
{
    cPlate(p, copy, RoundArms);
}

void shapeK41(const patten_t &p, ShapeCopy &copy)
{
    cPlate(p, copy, RoundBack);
}

void shapeK42(const patten_t &p, ShapeCopy &copy)
{
    cPlate(p, copy, RoundArms | RoundBack);
}

// Equilateral triangle of side b, one side on the back edge.
void shapeK43(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b;
    copy.w = truncTerm(a + b * std::sin(kRad60));
    copy.h = b;
    const int s = truncTerm(b * std::sin(kRad60));
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(s, -(b / 2));
    copy.line(-s, ShapeMath::closingY(copy));
    copy.line(-a, 0);
    copy.kerfOff();
}

// Regular pentagon of side b, one side on the back edge. Its four truncated
// terms may leave the copy a unit or two from its start; they are kept as
// they are.
void shapeK44(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b;
    copy.w = truncTerm(a + b * std::sin(kRad36) + b * std::sin(kRad72));
    copy.h = truncTerm(b + 2 * b * std::cos(kRad72));
    const int s72 = truncTerm(b * std::sin(kRad72));
    const int c72 = truncTerm(b * std::cos(kRad72));
    const int s36 = truncTerm(b * std::sin(kRad36));
    const int c36 = truncTerm(b * std::cos(kRad36));
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(s72, c72);
    copy.line(s36, -c36);
    copy.line(-s36, -c36);
    copy.line(-s72, c72);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Regular hexagon of side b, two sides parallel to Y.
void shapeK45(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b;
    copy.w = truncTerm(a + 2 * b * std::cos(kRad30));
    copy.h = 2 * b;
    const int s = truncTerm(b * std::sin(kRad60));
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(s, b / 2);
    copy.line(s, -(b / 2));
    copy.line(0, -b);
    copy.line(-s, -(b / 2));
    copy.line(-s, b / 2);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Regular octagon of side b, sides parallel to X and Y.
void shapeK46(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b;
    copy.w = truncTerm(a + b + 2 * b * std::sin(kRad45));
    copy.h = truncTerm(b + 2 * b * std::sin(kRad45));
    const int s = truncTerm(b * std::sin(kRad45));
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(s, s);
    copy.line(b, 0);
    copy.line(s, -s);
    copy.line(0, -b);
    copy.line(-s, -s);
    copy.line(-b, 0);
    copy.line(-s, s);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Triangular plate on the back edge b with a tip of radius d whose centre
// lies c - d in front of the back edge at half height.
void shapeK47(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    copy.w = a + c;
    copy.h = b;
    const ShapeMath::Tangent t = ShapeMath::tipTangent(b, c, d);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c - d + t.q, t.p - b / 2);
    copy.cw(0, -2 * t.p, -t.q, -t.p);
    copy.line(d - c - t.q, ShapeMath::closingY(copy));
    copy.line(-a, 0);
    copy.kerfOff();
}

// Triangular plate with all three corners rounded to radius d; the back edge
// runs b - 2d between the two back corner arcs, and the plate reaches d below
// the lead's end.
void shapeK48(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d;
    copy.w = a + c;
    copy.h = b;
    const ShapeMath::Tangent t = ShapeMath::tipTangent(b, c, d);
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - 2 * d);
    copy.cw(d + t.q, t.p, d, 0);
    copy.line(c - 2 * d, d - b / 2);
    copy.cw(0, -2 * t.p, -t.q, -t.p);
    // The lower corner arc still rises by p after this side.
    copy.line(2 * d - c, ShapeMath::closingY(copy, t.p));
    copy.cw(-d - t.q, t.p, -t.q, t.p);
    copy.line(-a, 0);
    copy.kerfOff();
}
