#include "library/shapes/ShapeCatalogue.h"

#include "library/GridPlates.h"
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
    {25, {"200", "150", "60", "30", "10", nullptr}, shapeK25},
    {26, {"200", "150", "60", "30", "10", nullptr}, shapeK26},
    {27, {"200", "150", "60", "30", "20", "10"}, shapeK27},
    {28, {"200", "150", "60", "30", "20", "10"}, shapeK28},
    {29, {"200", "150", "60", "30", "20", "10"}, shapeK29},
    {30, {"200", "150", "60", "30", "10", nullptr}, shapeK30},
    {31, {"200", "100", "60", "40", nullptr, nullptr}, shapeK31},
    {32, {"200", "100", "60", "40", nullptr, nullptr}, shapeK32},
    {33, {"200", "100", "60", "40", nullptr, nullptr}, shapeK33},
    {34, {"200", "100", "60", "40", nullptr, nullptr}, shapeK34},
    {35, {"200", "170", "60", "40", "30", nullptr}, shapeK35},
    {36, {"200", "170", "60", "40", "30", nullptr}, shapeK36},
    {37, {"200", "170", "60", "40", "30", nullptr}, shapeK37},
    {38, {"200", "170", "60", "40", "30", nullptr}, shapeK38},
    {39, {"200", "150", "60", "40", "50", nullptr}, shapeK39},
    {40, {"200", "150", "60", "40", "50", nullptr}, shapeK40},
    {41, {"200", "150", "60", "40", "50", "20"}, shapeK41},
    {42, {"200", "150", "60", "40", "50", "20"}, shapeK42},
    {43, {"200", nullptr, nullptr, nullptr, nullptr, nullptr}, shapeK43},
    {44, {"200", nullptr, nullptr, nullptr, nullptr, nullptr}, shapeK44},
    {45, {"200", nullptr, nullptr, nullptr, nullptr, nullptr}, shapeK45},
    {46, {"200", nullptr, nullptr, nullptr, nullptr, nullptr}, shapeK46},
    {47, {"200", "150", "30", nullptr, nullptr, nullptr}, shapeK47},
    {48, {"200", "150", "30", nullptr, nullptr, nullptr}, shapeK48},
    {49, {"200", "150", nullptr, nullptr, nullptr, nullptr}, nullptr, GridPlates::write},
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
