#ifndef SHAPECATALOGUE_H
#define SHAPECATALOGUE_H

class ShapeCopy;
class LibOutput;
struct patten_t;

using ContourFn = void (*)(const patten_t &p, ShapeCopy &copy);
// Writes a whole pattern that lays out its own grid, stores its extentX;
// false when its text would not fit into k.nc.
using GridFn = bool (*)(patten_t &p, LibOutput &out);

// What the library knows of one shape Kn: the texts its form fields b..g
// start with (nullptr: the field stays hidden) and how a copy is cut.
struct ShapeEntry {
    int number;
    const char *defaults[6];
    ContourFn contour;
    GridFn grid = nullptr;
};

class ShapeCatalogue
{
public:
    static constexpr int kLastIndex = 49;
    // K49, the sheet of plates: its own grid fixes rotation, mirror and
    // spacings.
    static constexpr int kGridIndex = 49;
    // The entry of shape n (1..49), or nullptr for a shape not in the table.
    static const ShapeEntry *entry(int n);
};

#endif
