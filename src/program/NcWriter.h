#ifndef NCWRITER_H
#define NCWRITER_H

#include "app/base/FileError.h"
#include "program/SegmentTable.h"

#include <QByteArray>
#include <QString>

// The normalised line format of the scratch programs: one line per record up
// to the first end record (or the whole table when it has none).
class NcWriter
{
public:
    enum Style {
        Temp,   // t.nc: M00/M58/M55, coordinate fields of width 2
        Edit,   // e.nc: "M00  "/"M58  "/"M55  ", fields of width 8
        Library // l.nc, b<N>.nc: every type as G, fields of width 8
    };

    struct Output {
        QByteArray text;
        int lines = 0;
        // Sums of x and y of the motion records written (32-bit wrap-around).
        qint32 sumX = 0;
        qint32 sumY = 0;
    };

    // The text of a table; with a ratio other than 1.0 every motion record is
    // written scaled (see scaled()).
    static Output format(const SegmentRecord *table, Style style, double ratio = 1.0);

    // x, y of a motion record and i, j of an arc times ratio, truncated toward
    // zero; other records unchanged.
    static SegmentRecord scaled(const SegmentRecord &r, double ratio);

    // Replaces the file as a whole, creating its folder when missing; on any
    // failure the old file stays as it was. False on failure, with the
    // reason in error when given.
    static bool save(const QString &path, const QByteArray &text, FileError *error = nullptr);
};

#endif
