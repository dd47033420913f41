#ifndef SHAPEMATH_H
#define SHAPEMATH_H

class ShapeCopy;

// Arithmetic the contours of K25..K48 share.
class ShapeMath
{
public:
    // The Y move that brings the copy back level with its pierce point, given
    // the Y moves already in `copy` and those still to come. Halves truncated
    // apart (b/2 and e/2) do not add up to the whole for odd values, so the
    // closing edge takes the remainder instead of a formula of its own.
    static int closingY(const ShapeCopy &copy, int stillToCome = 0);

    // Truncation toward zero of a double; results past the 32-bit range wrap
    // as a 32-bit store would, and a value that is no number gives 0.
    static int truncated(double v);

    // Where the straight sides of a triangular plate touch a corner circle of
    // radius d: the angle t = atan((c - 2d) / (b/2 - d)) as p = trunc(d sin t)
    // and q = trunc(d cos t). With b/2 = d the sides are parallel (t = +90°,
    // or -90° when c - 2d is negative); nothing is divided then.
    struct Tangent {
        int p;
        int q;
    };
    static Tangent tipTangent(int b, int c, int d);
};

#endif
