#ifndef LIBGENERATOR_H
#define LIBGENERATOR_H

#include "app/base/FileFailure.h"

#include <QString>

class LibOutput;
class PattenList;
class ShapeCopy;
struct patten_t;

// Turns the pattern list into the relative G-code program .tovrelcnc/k.nc.
// Every pattern starts with a rapid by its offset from where the previous one
// left the tool, cuts its array of copies and ends at its origin plus
// (extentX, 0). Contours are rotated and mirrored here; the array grid always
// runs along the machine axes.
class LibGenerator
{
public:
    // One entry of the segment buffer: a move of the copy being written.
    struct Segment {
        int type;
        int x;
        int y;
        int i;
        int j;
    };
    static constexpr int kSegments = 50;

    LibGenerator();

    // Writes k.nc (created with its folder when missing) and stores each
    // pattern's extentX. Returns the file's path, or a null string after
    // printing "write temp file error..." (k.nc cannot be written, or its
    // text would pass LibOutput::kMaxBytes) or "read patten file error...";
    // a failed run leaves the previous k.nc as it was, and lastFailure()
    // names the file (k.nc, or the custom file that could not be read) and
    // the reason.
    QString writeTempFile(PattenList &list);
    const FileFailure &lastFailure() const { return failure_; }

    static QString tempFilePath();

    // Zeroes entries 0..n-1 of segBuf.
    void clearSegments(int n);
    // Rotates and mirrors entries 0..n-1 in place and writes one line each;
    // entries of a type other than 0..3 are skipped.
    void writeSegments(int n, LibOutput &out);
    // The two lines between rows: Y by h, then Y by spaceY.
    void writeStepY(int w, int h, int spaceY, LibOutput &out);
    // The two lines after a column: back down the column and over to the next.
    void writeStepX(int w, int h, int countY, int spaceX, int spaceY, LibOutput &out);

    // Sets sinA, cosA and mirrorFlag for a pattern's mirror code and angle.
    void setTransform(int mirror, double angle);

    Segment segBuf[kSegments];
    double sinA = 0.0;
    double cosA = 1.0;
    char mirrorFlag = 'N';

private:
    bool writePatten(PattenList &list, patten_t &p, LibOutput &out);
    void writeCopyText(const ShapeCopy &copy, LibOutput &out);
    bool writeArray(const patten_t &p, int w, int h, const LibOutput &copyText, LibOutput &out);

    FileFailure failure_;
};

#endif
