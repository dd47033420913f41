#include "library/shapes/ShapeDimensions.h"

#include <map>

// Read beside the contour functions: V(k) is where move k of ShapeCopy ends,
// counting kerfOn/kerfOff as no move. The pictures are turned so that the
// program's X runs up and Y to the left (except K5), which is why an X
// distance stands left or right of the outline and a Y distance above or
// below it.

namespace {

using D = ShapeDimension;

template <DimPoint::Where where> constexpr DimPoint at(int move)
{
    return {move, where};
}

// V(k): where move k ends; C(k): the centre of arc k; Xmax(k) .. Ymin(k):
// the points of arc k's circle farthest along each axis.
constexpr auto V = at<DimPoint::End>;
constexpr auto Mid = at<DimPoint::Mid>;
constexpr auto C = at<DimPoint::Centre>;
constexpr auto Xmax = at<DimPoint::PlusX>;
constexpr auto Xmin = at<DimPoint::MinusX>;
constexpr auto Ymax = at<DimPoint::PlusY>;
constexpr auto Ymin = at<DimPoint::MinusY>;

constexpr D X(char letter, DimPoint from, DimPoint to, D::Side side, int level)
{
    return {letter, D::AlongX, from, to, side, level, {}};
}

constexpr D Y(char letter, DimPoint from, DimPoint to, D::Side side, int level)
{
    return {letter, D::AlongY, from, to, side, level, {}};
}

constexpr D R(char letter, int arc)
{
    return {letter, D::Radius, V(arc), V(arc), D::Left, 0, {}};
}

constexpr D Dia(char letter, int arc, int degrees)
{
    return {letter, D::Diameter, V(arc), V(arc), D::Left, degrees, {}};
}

constexpr D Ang(char letter, DimPoint centre, DimPoint from, DimPoint to)
{
    return {letter, D::Angle, from, to, D::Left, 0, centre};
}

// The lead-in from the pierce point, in the first row right of the outline,
// where it continues the X dimension that starts at its end.
constexpr D kLead = X('a', V(0), V(1), D::Right, 1);

// L plates K19..K29: base b along the bottom, overall height c at the left,
// upright arm e at the top, step d at the right; `baseEnd` is where the
// straight base edge ends, `armTop` the top of the arm.
std::vector<D> lPlate(DimPoint baseStart, DimPoint baseEnd, DimPoint heightFrom, DimPoint armTop, int armOuter,
                      int stepMove, DimPoint stepEnd)
{
    return {kLead, Y('b', baseStart, baseEnd, D::Below, 1), X('c', heightFrom, armTop, D::Left, 1),
            X('d', stepEnd, V(stepMove), D::Right, 1), Y('e', V(armOuter), V(armOuter + 1), D::Above, 1)};
}

// T plates K31..K34: bar b along the bottom, d high; stem e wide, reaching
// c from the bar's base edge at `stemTop`.
std::vector<D> tPlate(DimPoint barFrom, DimPoint barTo, DimPoint stemTop)
{
    return {kLead, Y('b', barFrom, barTo, D::Below, 1), X('c', V(2), stemTop, D::Left, 1),
            X('d', V(1), V(8), D::Right, 1), Y('e', V(5), V(6), D::Above, 1)};
}

// Crosses K35..K38: upright arm b along the bottom, d high; cross arm e
// wide, c from `armFoot` below the upright arm to `armTop`, f of it below.
std::vector<D> cross(DimPoint uprightFrom, DimPoint uprightTo, DimPoint armFoot, DimPoint armTop)
{
    return {kLead,
            Y('b', uprightFrom, uprightTo, D::Below, 1),
            X('c', armFoot, armTop, D::Right, 2),
            X('d', V(6), V(7), D::Left, 1),
            Y('e', V(9), V(10), D::Above, 1),
            X('f', armFoot, V(2), D::Right, D::Beside)};
}

// C plates K39..K42: back b along the bottom, d up to the slot's bottom
// (line `slotBottom`), arms e (left, from move `upperArm`) and f (right),
// c overall to `top`.
std::vector<D> cPlate(DimPoint backFrom, DimPoint backTo, DimPoint top, int slotBottom, int upperArm)
{
    const int lowerArm = upperArm + 4;
    return {kLead,
            Y('b', backFrom, backTo, D::Below, 1),
            X('c', V(2), top, D::Left, 1),
            X('d', Mid(slotBottom), V(1), D::Right, D::Inside),
            Y('e', V(upperArm), V(upperArm + 1), D::Above, 1),
            Y('f', V(lowerArm), V(lowerArm + 1), D::Above, 1)};
}

std::vector<D> with(std::vector<D> list, std::initializer_list<D> more)
{
    list.insert(list.end(), more);
    return list;
}

const std::map<int, std::vector<D>> &table()
{
    static const std::map<int, std::vector<D>> shapes = {
        {1, {X('a', V(0), V(1), D::Right, D::Beside), Y('b', Ymin(2), Ymax(2), D::Above, 1)}},
        {2, {X('a', V(5), V(6), D::Right, D::Beside), Dia('b', 3, 45), Y('c', Ymin(7), Ymax(7), D::Above, 1)}},
        {3, {kLead, X('b', V(2), V(5), D::Left, 1), Y('c', V(8), V(3), D::Below, 1), R('d', 7)}},
        {4, {kLead, Y('b', V(1), V(2), D::Below, 1), X('c', V(1), V(3), D::Right, 1), Y('d', V(1), V(3), D::Above, 1)}},
        {5,
         {Y('a', V(0), V(1), D::Right, D::Beside), X('b', C(3), V(2), D::Below, 1), X('c', C(3), V(1), D::Below, 2),
          Ang('d', C(3), V(1), V(4))}},
        {6, {X('a', V(5), V(6), D::Right, 1), Dia('b', 3, 45), Y('c', V(6), V(7), D::Below, 1)}},
        {7, {kLead, Y('b', V(1), V(2), D::Below, 1), Y('c', V(3), V(4), D::Above, 1), X('d', V(2), V(3), D::Left, 1)}},
        {8, {kLead, Y('b', V(1), V(2), D::Below, 1), Y('c', V(3), V(4), D::Above, 1), X('d', V(1), V(4), D::Right, 1)}},
        {9, {kLead, Y('b', Ymin(5), Ymax(3), D::Below, 1), X('c', V(2), V(3), D::Left, 1)}},
        {10, {kLead, Y('b', Ymin(5), V(2), D::Below, 1), X('c', V(2), V(3), D::Left, 1)}},
        {11, {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(1), V(5), D::Right, 1), R('d', 3)}},
        {12, {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(1), V(6), D::Right, 1), R('d', 5)}},
        {13, {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(2), V(5), D::Left, 1), R('d', 7)}},
        {14, {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(2), V(4), D::Left, 1), R('d', 6)}},
        {15, {kLead, Y('b', V(8), V(3), D::Below, 1), X('c', V(2), V(5), D::Left, 1), Y('d', V(4), V(5), D::Above, 1)}},
        {16, {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(2), V(5), D::Left, 1), Y('d', V(4), V(5), D::Above, 1)}},
        {17, {kLead, Y('b', V(1), V(2), D::Below, 1), X('c', V(2), V(4), D::Left, 1), Y('d', V(3), V(4), D::Above, 1)}},
        {18, {kLead, Y('b', V(1), V(2), D::Below, 1), X('c', V(2), V(3), D::Left, 1), Y('d', V(4), V(5), D::Above, 1)}},
        {19, lPlate(V(1), V(2), V(2), V(3), 3, 6, V(1))},
        {20, lPlate(Ymin(7), V(2), V(2), Xmax(4), 3, 6, V(7))},
        {21, lPlate(V(1), V(2), V(2), Xmax(4), 3, 6, V(1))},
        {22,
         {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(2), V(4), D::Left, 2), X('d', V(1), V(7), D::Right, 1),
          Y('e', V(4), V(5), D::Above, 1), X('f', V(2), V(3), D::Left, 1)}},
        {23,
         {kLead, Y('b', V(1), V(3), D::Below, 1), X('c', V(2), V(4), D::Left, 2), X('d', V(1), V(8), D::Right, 1),
          Y('e', V(4), V(5), D::Above, 1), X('f', V(2), V(3), D::Left, 1), Y('g', V(6), V(7), D::Above, D::Beside)}},
        {24, with(lPlate(V(1), V(3), V(2), V(4), 4, 7, V(1)), {R('f', 3)})},
        {25, with(lPlate(Ymin(8), V(3), V(2), Xmax(5), 4, 7, V(8)), {R('f', 3)})},
        {26, with(lPlate(V(1), V(3), V(2), Xmax(5), 4, 7, V(1)), {R('f', 3)})},
        {27, with(lPlate(V(1), V(3), V(2), V(4), 4, 8, V(1)), {R('f', 3), R('g', 7)})},
        {28, with(lPlate(Ymin(9), V(3), V(2), Xmax(5), 4, 8, V(9)), {R('f', 3), R('g', 7)})},
        {29, with(lPlate(V(1), V(3), V(2), Xmax(5), 4, 8, V(1)), {R('f', 3), R('g', 7)})},
        {30,
         {kLead, Y('b', V(12), V(3), D::Below, 1), X('c', V(2), V(5), D::Left, 1), X('d', V(13), V(10), D::Right, 1),
          Y('e', V(4), V(7), D::Above, 1), R('f', 5)}},
        {31, tPlate(V(1), V(2), V(5))},
        {32, tPlate(Ymin(9), Ymax(3), V(5))},
        {33, tPlate(V(1), V(2), Xmax(6))},
        {34, tPlate(Ymin(9), Ymax(3), Xmax(6))},
        {35, cross(V(1), V(6), V(3), V(10))},
        {36, cross(V(1), V(6), Xmin(4), Xmax(10))},
        {37, cross(V(1), V(6), V(3), Xmax(10))},
        {38, cross(Ymin(13), Ymax(7), Xmin(4), Xmax(10))},
        {39, cPlate(V(1), V(2), V(3), 6, 3)},
        {40, cPlate(V(1), V(2), Xmax(4), 6, 3)},
        {41, with(cPlate(V(10), V(3), V(4), 7, 4), {R('g', 3)})},
        {42, with(cPlate(V(10), V(3), Xmax(5), 7, 4), {R('g', 3)})},
        // Regular polygons stand on their back edge b.
        {43, {kLead, Y('b', V(1), V(2), D::Below, 1)}},
        {44, {kLead, Y('b', V(1), V(2), D::Below, 1)}},
        {45, {kLead, Y('b', V(1), V(2), D::Below, 1)}},
        {46, {kLead, Y('b', V(1), V(2), D::Below, 1)}},
        {47, {kLead, Y('b', V(1), V(2), D::Below, 1), X('c', V(2), Xmax(4), D::Left, 1), R('d', 4)}},
        {48, {kLead, Y('b', Ymin(7), Ymax(3), D::Below, 1), X('c', V(2), Xmax(5), D::Left, 1), R('d', 5)}},
        // The first plate of the grid, at its lower right: b up, c across.
        {49, {kLead, X('b', V(1), V(4), D::Right, 1), Y('c', V(1), V(2), D::Below, 1)}},
    };
    return shapes;
}

} // namespace

const std::vector<ShapeDimension> &ShapeDimensions::of(int n)
{
    static const std::vector<ShapeDimension> none;
    const auto &shapes = table();
    const auto it = shapes.find(n);
    return it == shapes.end() ? none : it->second;
}
