#ifndef SHAPES_H
#define SHAPES_H

// The contours of the parametric shapes K1..K49, one function per shape.
//
// Adding a shape Kn takes one function and one catalogue entry:
//   1. Declare `void shapeKn(const patten_t &p, ShapeCopy &copy);` below and
//      define it in a shapes/ source file. It sets copy.w and copy.h (the cell
//      that the array steps by) and appends the moves of ONE copy in cutting
//      order: copy.kerfOn(), copy.line(x, y), copy.cw/ccw(x, y, i, j),
//      copy.rapid(x, y), copy.kerfOff(). Values come from the record's a..g
//      (int, 0.01 mm); halves are int divisions (p.c / 2). The engine is built
//      with -fwrapv, so plain int arithmetic wraps like the 32-bit original.
//      The moves of one copy must add up to zero on each axis: give the
//      closing move the remainder rather than a formula of its own.
//   2. Add the entry { n, {b, c, d, e, f, g default texts or nullptr}, shapeKn }
//      to the table in ShapeCatalogue.cpp; nullptr keeps a field hidden.
// The generator does the rest: extentX, the array of copies and its steps,
// rotation, mirroring, "G41"/"G42" and deleted patterns. A shape that lays out
// its own grid (K49) fills ShapeEntry::grid instead of ShapeEntry::contour.

#include "library/shapes/ShapeCopy.h"

struct patten_t;

void shapeK1(const patten_t &p, ShapeCopy &copy);
void shapeK2(const patten_t &p, ShapeCopy &copy);
void shapeK3(const patten_t &p, ShapeCopy &copy);
void shapeK4(const patten_t &p, ShapeCopy &copy);
void shapeK5(const patten_t &p, ShapeCopy &copy);
void shapeK6(const patten_t &p, ShapeCopy &copy);
void shapeK7(const patten_t &p, ShapeCopy &copy);
void shapeK8(const patten_t &p, ShapeCopy &copy);
void shapeK9(const patten_t &p, ShapeCopy &copy);
void shapeK10(const patten_t &p, ShapeCopy &copy);
void shapeK11(const patten_t &p, ShapeCopy &copy);
void shapeK12(const patten_t &p, ShapeCopy &copy);
void shapeK13(const patten_t &p, ShapeCopy &copy);
void shapeK14(const patten_t &p, ShapeCopy &copy);
void shapeK15(const patten_t &p, ShapeCopy &copy);
void shapeK16(const patten_t &p, ShapeCopy &copy);
void shapeK17(const patten_t &p, ShapeCopy &copy);
void shapeK18(const patten_t &p, ShapeCopy &copy);
void shapeK19(const patten_t &p, ShapeCopy &copy);
void shapeK20(const patten_t &p, ShapeCopy &copy);
void shapeK21(const patten_t &p, ShapeCopy &copy);
void shapeK22(const patten_t &p, ShapeCopy &copy);
void shapeK23(const patten_t &p, ShapeCopy &copy);
void shapeK24(const patten_t &p, ShapeCopy &copy);
void shapeK25(const patten_t &p, ShapeCopy &copy);
void shapeK26(const patten_t &p, ShapeCopy &copy);
void shapeK27(const patten_t &p, ShapeCopy &copy);
void shapeK28(const patten_t &p, ShapeCopy &copy);
void shapeK29(const patten_t &p, ShapeCopy &copy);
void shapeK30(const patten_t &p, ShapeCopy &copy);
void shapeK31(const patten_t &p, ShapeCopy &copy);
void shapeK32(const patten_t &p, ShapeCopy &copy);
void shapeK33(const patten_t &p, ShapeCopy &copy);
void shapeK34(const patten_t &p, ShapeCopy &copy);
void shapeK35(const patten_t &p, ShapeCopy &copy);
void shapeK36(const patten_t &p, ShapeCopy &copy);
void shapeK37(const patten_t &p, ShapeCopy &copy);
void shapeK38(const patten_t &p, ShapeCopy &copy);
void shapeK39(const patten_t &p, ShapeCopy &copy);
void shapeK40(const patten_t &p, ShapeCopy &copy);
void shapeK41(const patten_t &p, ShapeCopy &copy);
void shapeK42(const patten_t &p, ShapeCopy &copy);
void shapeK43(const patten_t &p, ShapeCopy &copy);
void shapeK44(const patten_t &p, ShapeCopy &copy);
void shapeK45(const patten_t &p, ShapeCopy &copy);
void shapeK46(const patten_t &p, ShapeCopy &copy);
void shapeK47(const patten_t &p, ShapeCopy &copy);
void shapeK48(const patten_t &p, ShapeCopy &copy);

#endif
