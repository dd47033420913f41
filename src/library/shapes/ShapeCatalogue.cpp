#include "library/shapes/ShapeCatalogue.h"

#include "library/shapes/Shapes.h"

namespace {

// One entry per shape: number, default texts of b, c, d, e, f, g, contour.
const ShapeEntry kShapes[] = {
    {1, {"100", nullptr, nullptr, nullptr, nullptr, nullptr}, shapeK1},
    {2, {"100", "200", nullptr, nullptr, nullptr, nullptr}, shapeK2},
    {3, {"150", "100", "20", nullptr, nullptr, nullptr}, shapeK3},
    {4, {"150", "100", "100", nullptr, nullptr, nullptr}, shapeK4},
    {5, {"100", "140", "180", nullptr, nullptr, nullptr}, shapeK5},
    {6, {"100", "200", nullptr, nullptr, nullptr, nullptr}, shapeK6},
    {7, {"100", "80", "50", nullptr, nullptr, nullptr}, shapeK7},
    {8, {"100", "70", "50", nullptr, nullptr, nullptr}, shapeK8},
    {9, {"100", "70", nullptr, nullptr, nullptr, nullptr}, shapeK9},
    {10, {"100", "50", nullptr, nullptr, nullptr, nullptr}, shapeK10},
    {11, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK11},
    {12, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK12},
    {13, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK13},
    {14, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK14},
    {15, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK15},
    {16, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK16},
    {17, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK17},
    {18, {"200", "150", "20", nullptr, nullptr, nullptr}, shapeK18},
    {19, {"200", "150", "60", "30", nullptr, nullptr}, shapeK19},
    {20, {"200", "150", "60", "30", nullptr, nullptr}, shapeK20},
    {21, {"200", "150", "60", "30", nullptr, nullptr}, shapeK21},
    {22, {"200", "150", "60", "30", "10", nullptr}, shapeK22},
    {23, {"200", "150", "60", "30", "10", "5"}, shapeK23},
    {24, {"200", "150", "60", "30", "10", nullptr}, shapeK24},
};

} // namespace

const ShapeEntry *ShapeCatalogue::entry(int n)
{
    for (const ShapeEntry &e : kShapes) {
        if (e.number == n)
            return &e;
    }
    return nullptr;
}
