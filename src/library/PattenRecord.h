#ifndef PATTENRECORD_H
#define PATTENRECORD_H

#include <QString>

// One placed pattern of the part library. Lengths are in 0.01 mm.
struct patten_t {
    int type = 0; // 0 custom shape file, 1..49 shape Kn
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    int e = 0;
    int f = 0;
    int g = 0;
    int countX = 1; // columns
    int countY = 1; // rows
    int spaceX = 0;
    int spaceY = 0;
    int offsetX = 0; // rapid before the pattern, from where the previous one ended
    int offsetY = 0;
    int savedOffsetX = 0; // offset as last committed, to keep the next pattern in place
    int savedOffsetY = 0;
    double angle = 0.0; // degrees, counter-clockwise
    int mirror = 0;     // 0 none, 1 "Y", 2 "X", 3 "XY"
    int extentX = 0;    // X advance of the whole pattern, stored by the generator
    int fileNo = 0;     // index into the custom-file tables
    QString fileName;
    bool deleted = false; // keeps its place and its moves but cuts nothing
};

#endif
