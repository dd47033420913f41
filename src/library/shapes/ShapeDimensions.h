#ifndef SHAPEDIMENSIONS_H
#define SHAPEDIMENSIONS_H

#include <vector>

// What each letter of a shape's dimension drawing measures, on the contour of
// one default copy as the generator writes it. Points are named by the moves
// of that copy in cutting order, rapids included: move 1 is the lead-in for
// every shape that does not start with a rapid.
struct DimPoint {
    enum Where : char {
        End,    // where move k ends (k = 0: the pierce point)
        Mid,    // half way along line k
        Centre, // centre of arc k
        PlusX,  // the points of arc k's circle farthest along each axis
        MinusX,
        PlusY,
        MinusY,
    };
    int move = 0;
    Where where = End;
};

struct ShapeDimension {
    enum Measure : char {
        AlongX,   // program X distance between `from` and `to`
        AlongY,   // program Y distance between `from` and `to`
        Radius,   // radius of arc `from.move`
        Diameter, // twice that radius, drawn across the circle
        Angle,    // opening from `from` to `to` around `centre`, counter-clockwise
    };
    // Where a straight dimension lies, as seen in the picture.
    enum Side : char { Left, Right, Above, Below };
    // `level` of a straight dimension: rows outside the outline count from 1;
    // Beside puts it just past the farther of its two points, Inside on the
    // line through `from`, between two edges, with no extension lines.
    // A diameter takes `level` as its line's angle in the picture (degrees).
    static constexpr int Beside = 0;
    static constexpr int Inside = -1;

    char letter;
    Measure measure;
    DimPoint from;
    DimPoint to;
    Side side;
    int level;
    DimPoint centre;
};

class ShapeDimensions
{
public:
    // The dimensions of shape n (1..49); empty for any other n.
    static const std::vector<ShapeDimension> &of(int n);

    // Shapes whose picture keeps the program's own axes; every other one is
    // turned a quarter turn counter-clockwise (+X up, +Y to the left).
    static bool ownAxes(int n) { return n == 5; }

    // K49 is drawn as a grid of this many plates, so that it reads as one.
    static constexpr int kGridColumns = 2; // along X
    static constexpr int kGridRows = 3;    // along Y
};

#endif
