#ifndef GRIDPLATES_H
#define GRIDPLATES_H

struct patten_t;
class LibOutput;

// Shape K49: a sheet cut into countX x countY plates of b x c, one diagonal of
// plates after the other, so that every edge two plates share is cut once.
// Each diagonal is one continuous staircase cut between two leads of length a;
// rapids carry the torch to the next diagonal's entry. Nothing is rotated or
// mirrored and no kerf compensation is switched on.
class GridPlates
{
public:
    // Writes the pattern's cut, its return to the start point and the extent
    // move, and stores extentX = b * countX + 2a. A deleted pattern writes
    // nothing and keeps its extentX. Counts below 1 act as 1. A grid whose
    // lines might not fit into `out` (LibOutput::fits) writes nothing, keeps
    // extentX and gives false.
    static bool write(patten_t &p, LibOutput &out);

    // An upper bound of the bytes that a grid's lines take.
    static double textBound(int countX, int countY);

    // The same lines for plain values; returns the extent (b * columns + 2a).
    static long long write(int a, int b, int c, int countX, int countY, LibOutput &out);
};

#endif
