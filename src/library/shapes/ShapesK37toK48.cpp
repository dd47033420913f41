// Crosses with round ends (K37, K38), C-shaped plates open towards +X
// (K39..K42), regular polygons of side b (K43..K46) and triangular plates with
// rounded corners (K47, K48).
//
// Crosses: an upright arm d wide runs along +Y from the lead's end, a cross
// arm e wide crosses it halfway up, reaching f behind the upright arm's near
// edge and c in all. C plates: c long, b high, the back d wide, the upper arm
// e wide and the lower arm f wide.
//
// The angles are the machine program's own radian constants, and each
// truncated term is computed once per copy; the cell W x H has formulas of
// its own.

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

} // namespace

// Cross with square ends but for the cross arm's far end, a semicircle of
// diameter e.
void shapeK37(const patten_t &p, ShapeCopy &copy)
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
    copy.line(c - d - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(e / 2 + d + f - c, 0);
    copy.line(0, e / 2 - b / 2);
    copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// Cross whose four arm ends are semicircles, diameter d on the upright arm
// (b long overall) and e on the cross arm.
void shapeK38(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b / 2 - d / 2 - e / 2);
    copy.line(e / 2 - f, 0);
    copy.cw(0, e, 0, e / 2);
    copy.line(f - e / 2, 0);
    copy.line(0, b / 2 - d / 2 - e / 2);
    copy.cw(d, 0, d / 2, 0);
    copy.line(0, d / 2 + e / 2 - b / 2);
    copy.line(c - d - e / 2 - f, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(e / 2 + d + f - c, 0);
    copy.line(0, d / 2 + e / 2 - b / 2);
    copy.cw(-d, 0, -(d / 2), 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// C plate with square corners.
void shapeK39(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, e + f - b);
    copy.line(c - d, 0);
    copy.line(0, -f);
    copy.line(-c, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K39 with round arm ends (diameters e and f), the arms still reaching c.
void shapeK40(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b);
    copy.line(c - e / 2, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(e / 2 + d - c, 0);
    copy.line(0, e + f - b);
    copy.line(c - d - f / 2, 0);
    copy.cw(0, -f, 0, -(f / 2));
    copy.line(f / 2 - c, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K39 with the back's outer corners rounded to radius g; the plate reaches g
// below the lead's end.
void shapeK41(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f, g = p.g;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - 2 * g);
    copy.cw(g, g, g, 0);
    copy.line(c - g, 0);
    copy.line(0, -e);
    copy.line(d - c, 0);
    copy.line(0, e + f - b);
    copy.line(c - d, 0);
    copy.line(0, -f);
    copy.line(g - c, 0);
    copy.cw(-g, g, 0, g);
    copy.line(-a, 0);
    copy.kerfOff();
}

// K41 with K40's round arm ends.
void shapeK42(const patten_t &p, ShapeCopy &copy)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f, g = p.g;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, b - 2 * g);
    copy.cw(g, g, g, 0);
    copy.line(c - e / 2 - g, 0);
    copy.cw(0, -e, 0, -(e / 2));
    copy.line(e / 2 + d - c, 0);
    copy.line(0, e + f - b);
    copy.line(c - d - f / 2, 0);
    copy.cw(0, -f, 0, -(f / 2));
    copy.line(f / 2 + g - c, 0);
    copy.cw(-g, g, 0, g);
    copy.line(-a, 0);
    copy.kerfOff();
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
