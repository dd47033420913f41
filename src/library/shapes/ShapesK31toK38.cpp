// T-shaped (K31..K34) and cross-shaped (K35..K38) plates.
//
// T plates: a bar b long and d high along the base edge, which runs from the
// lead's end along +Y, with a stem e wide centred on it whose end lies c from
// the base edge. Crosses: an upright arm d wide along +Y crossed halfway up by
// an arm e wide that reaches f behind the upright arm's near edge and c in all.

#include "library/shapes/Shapes.h"

#include "library/PattenRecord.h"
#include "library/shapes/ShapeMath.h"

namespace {

enum Ends {
    SquareEnds = 0,
    RoundBar = 1,      // T: both bar ends semicircles of diameter d
    RoundStem = 2,     // T: the stem ends in a semicircle of diameter e, its top at c
    RoundNear = 4,     // cross: the arm's end behind the upright arm is a semicircle of diameter e
    RoundFar = 8,      // cross: the arm's far end is a semicircle of diameter e
    RoundUpright = 16, // cross: both ends of the upright arm semicircles of diameter d, b overall
};

void tPlate(const patten_t &p, ShapeCopy &copy, int ends)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e;
    const int stemEnd = (ends & RoundStem) ? e / 2 : 0;
    copy.w = a + c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    if (ends & RoundBar) {
        copy.line(0, b - d);
        copy.cw(d, 0, d / 2, 0);
        copy.line(0, d / 2 + e / 2 - b / 2);
    } else {
        copy.line(0, b);
        copy.line(d, 0);
        copy.line(0, e / 2 - b / 2);
    }
    copy.line(c - d - stemEnd, 0);
    if (ends & RoundStem)
        copy.cw(0, -e, 0, -(e / 2));
    else
        copy.line(0, -e);
    copy.line(d + stemEnd - c, 0);
    // The halves above are truncated apart; the way back down takes the
    // remainder, so odd values still close.
    copy.line(0, ShapeMath::closingY(copy));
    if (ends & RoundBar)
        copy.cw(-d, 0, -(d / 2), 0);
    else
        copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

void cross(const patten_t &p, ShapeCopy &copy, int ends)
{
    const int a = p.a, b = p.b, c = p.c, d = p.d, e = p.e, f = p.f;
    const int nearEnd = (ends & RoundNear) ? e / 2 : 0;
    const int farEnd = (ends & RoundFar) ? e / 2 : 0;
    const bool roundUpright = ends & RoundUpright;
    const int up = roundUpright ? b / 2 - d / 2 - e / 2 : b / 2 - e / 2;
    const int down = roundUpright ? d / 2 + e / 2 - b / 2 : e / 2 - b / 2;
    copy.w = c;
    copy.h = b;
    copy.kerfOn();
    copy.line(a, 0);
    copy.line(0, up);
    copy.line(nearEnd - f, 0);
    if (ends & RoundNear)
        copy.cw(0, e, 0, e / 2);
    else
        copy.line(0, e);
    copy.line(f - nearEnd, 0);
    copy.line(0, up);
    if (roundUpright)
        copy.cw(d, 0, d / 2, 0);
    else
        copy.line(d, 0);
    copy.line(0, down);
    copy.line(c - d - farEnd - f, 0);
    if (ends & RoundFar)
        copy.cw(0, -e, 0, -(e / 2));
    else
        copy.line(0, -e);
    copy.line(farEnd + d + f - c, 0);
    copy.line(0, down);
    if (roundUpright)
        copy.cw(-d, 0, -(d / 2), 0);
    else
        copy.line(-d, 0);
    copy.line(-a, 0);
    copy.kerfOff();
}

} // namespace

void shapeK31(const patten_t &p, ShapeCopy &copy)
{
    tPlate(p, copy, SquareEnds);
}

void shapeK32(const patten_t &p, ShapeCopy &copy)
{
    tPlate(p, copy, RoundBar);
}

void shapeK33(const patten_t &p, ShapeCopy &copy)
{
    tPlate(p, copy, RoundStem);
}

void shapeK34(const patten_t &p, ShapeCopy &copy)
{
    tPlate(p, copy, RoundBar | RoundStem);
}

void shapeK35(const patten_t &p, ShapeCopy &copy)
{
    cross(p, copy, SquareEnds);
}

// c runs from arc top to arc top.
void shapeK36(const patten_t &p, ShapeCopy &copy)
{
    cross(p, copy, RoundNear | RoundFar);
}

void shapeK37(const patten_t &p, ShapeCopy &copy)
{
    cross(p, copy, RoundFar);
}

void shapeK38(const patten_t &p, ShapeCopy &copy)
{
    cross(p, copy, RoundNear | RoundFar | RoundUpright);
}
