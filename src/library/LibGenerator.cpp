#include "library/LibGenerator.h"

#include "app/base/BasePath.h"
#include "app/base/FileSave.h"
#include "app/base/ProgramFile.h"
#include "library/LibOutput.h"
#include "library/PattenList.h"
#include "library/shapes/ShapeCatalogue.h"
#include "library/shapes/ShapeCopy.h"
#include "library/shapes/ShapeMath.h"

#include <cmath>
#include <cstdio>

namespace {

void consoleLine(const char *text)
{
    std::fputs(text, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

LibGenerator::LibGenerator()
{
    clearSegments(kSegments);
}

QString LibGenerator::tempFilePath()
{
    return basePath + QStringLiteral("/.tovrelcnc/k.nc");
}

void LibGenerator::clearSegments(int n)
{
    if (n > kSegments)
        n = kSegments;
    for (int k = 0; k < n; ++k)
        segBuf[k] = {0, 0, 0, 0, 0};
}

void LibGenerator::setTransform(int mirror, double angle)
{
    const bool halfTurn = mirror == 2 || mirror == 3;
    mirrorFlag = mirror == 1 || mirror == 2 ? 'Y' : 'N';
    const double a = (halfTurn ? angle + 180 : angle) * 3.14159265 / 180;
    sinA = std::sin(a);
    cosA = std::cos(a);
}

void LibGenerator::writeSegments(int n, LibOutput &out)
{
    if (n > kSegments)
        n = kSegments;
    const bool mirrored = mirrorFlag == 'Y';
    for (int k = 0; k < n; ++k) {
        Segment &s = segBuf[k];
        if (s.type < 0 || s.type > 3)
            continue;
        const double x = s.x;
        const double y = s.y;
        s.x = ShapeMath::truncated(x * cosA - y * sinA);
        s.y = ShapeMath::truncated(y * cosA + x * sinA);
        if (mirrored)
            s.x = -s.x;
        if (s.type >= 2) {
            const double i = s.i;
            const double j = s.j;
            s.i = ShapeMath::truncated(i * cosA - j * sinA);
            s.j = ShapeMath::truncated(j * cosA + i * sinA);
            if (mirrored) {
                s.i = -s.i;
                s.type = s.type == 2 ? 3 : 2;
            }
            out << "G0" << s.type << " X" << s.x << " Y" << s.y << " I" << s.i << " J" << s.j;
        } else {
            out << "G0" << s.type << " X" << s.x << " Y" << s.y;
        }
        out.endl();
    }
}

void LibGenerator::writeStepY(int w, int h, int spaceY, LibOutput &out)
{
    Q_UNUSED(w);
    out << "G00"
        << " Y" << h;
    out.endl();
    out << "G00"
        << " Y" << spaceY;
    out.endl();
}

void LibGenerator::writeStepX(int w, int h, int countY, int spaceX, int spaceY, LibOutput &out)
{
    out << "G00"
        << " X" << w << " Y" << (1 - countY) * h;
    out.endl();
    out << "G00"
        << " X" << spaceX << " Y" << (1 - countY) * spaceY;
    out.endl();
}

QString LibGenerator::writeTempFile(PattenList &list)
{
    LibOutput out;
    for (int index = 1; index <= list.count(); ++index) {
        patten_t &p = list.at(index);
        const bool selected = index == list.current();
        if (selected)
            out << "G97 ";
        if (selected)
            out.endl();
        setTransform(p.mirror, p.angle);
        out << "G00 X" << p.offsetX << " Y" << p.offsetY;
        out.endl();
        if (!writePatten(list, p, out))
            return QString();
        if (selected)
            out << "G98 ";
        if (selected)
            out.endl();
    }

    const QString path = tempFilePath();
    FileError reason;
    if (!FileSave::write(path, out.bytes(), &reason)) {
        failure_ = {path, reason, true};
        consoleLine("write temp file error...");
        return QString();
    }
    failure_ = {};
    return path;
}

// Everything of one pattern after its placement line. False, with its console
// line printed, when a custom file cannot be read or the program grows too big.
bool LibGenerator::writePatten(PattenList &list, patten_t &p, LibOutput &out)
{
    const bool hasCopies = p.countX >= 1 && p.countY >= 1;
    if (p.type == 0) {
        const int w = ShapeMath::truncated(list.fileSizeX(p.fileNo));
        const int h = ShapeMath::truncated(list.fileSizeY(p.fileNo));
        if (!hasCopies) {
            p.extentX = 0;
            return true;
        }
        p.extentX = (w + p.spaceX) * p.countX;
        LibOutput copyText;
        if (!p.deleted) {
            const QString name = basePath + QStringLiteral("/.tovrelcnc/b%1.nc").arg(p.fileNo);
            QByteArray bytes;
            FileError reason;
            if (!ProgramFile::read(name, &bytes, &reason)) {
                failure_ = {name, reason, false};
                consoleLine("read patten file error...");
                return false;
            }
            QList<QByteArray> lines = bytes.split('\n');
            if (lines.last().isEmpty())
                lines.removeLast();
            for (QByteArray &line : lines) {
                if (line.endsWith('\r'))
                    line.chop(1);
                copyText << line;
                copyText.endl();
            }
            // The read that meets the end of the file yields one more, empty line.
            copyText.endl();
            copyText << "G00 X" << -static_cast<long long>(list.fileEndX(p.fileNo)) << " Y"
                     << -static_cast<long long>(list.fileEndY(p.fileNo));
            copyText.endl();
        }
        return writeArray(p, w, h, copyText, out);
    }

    const ShapeEntry *entry = ShapeCatalogue::entry(p.type);
    if (!entry)
        return true;
    if (entry->grid) {
        if (entry->grid(p, out))
            return true;
        consoleLine("write temp file error...");
        return false;
    }
    if (!entry->contour)
        return true;
    ShapeCopy copy;
    entry->contour(p, copy);
    if (!hasCopies) {
        p.extentX = 0;
        return true;
    }
    p.extentX = (copy.w + p.spaceX) * p.countX;
    LibOutput copyText;
    if (!p.deleted)
        writeCopyText(copy, copyText);
    return writeArray(p, copy.w, copy.h, copyText, out);
}

// One copy of a shape: its moves through segBuf, in the kerf bracket where
// the contour asks for it.
void LibGenerator::writeCopyText(const ShapeCopy &copy, LibOutput &out)
{
    int k = 0;
    while (k < copy.size()) {
        const ShapeCopy::Step &step = copy.at(k);
        if (step.code == ShapeCopy::KerfOn) {
            out << (mirrorFlag == 'Y' ? "G42" : "G41");
            out.endl();
            ++k;
            continue;
        }
        if (step.code == ShapeCopy::KerfOff) {
            out << "G40";
            out.endl();
            ++k;
            continue;
        }
        int n = 0;
        while (k + n < copy.size() && n < kSegments && copy.at(k + n).code <= ShapeCopy::ArcCCW)
            ++n;
        clearSegments(n);
        for (int s = 0; s < n; ++s) {
            const ShapeCopy::Step &m = copy.at(k + s);
            segBuf[s] = {m.code, m.x, m.y, m.i, m.j};
        }
        writeSegments(n, out);
        k += n > 0 ? n : 1;
    }
}

// Columns of rows: copy (c, r) starts at (c (W + spaceX), r (H + spaceY)) from
// the pattern's origin; the last column step leaves the tool at (extentX, 0).
// A deleted pattern has an empty copy text and keeps only the steps. An array
// whose text would not fit into k.nc writes nothing and fails.
bool LibGenerator::writeArray(const patten_t &p, int w, int h, const LibOutput &copyText, LibOutput &out)
{
    LibOutput rowStep;
    writeStepY(w, h, p.spaceY, rowStep);
    LibOutput columnStep;
    writeStepX(w, h, p.countY, p.spaceX, p.spaceY, columnStep);
    const double column = double(p.countY) * copyText.bytes().size() + double(p.countY - 1) * rowStep.bytes().size()
                          + columnStep.bytes().size();
    if (!out.fits(double(p.countX) * column)) {
        failure_ = {tempFilePath(), FileError(FileError::TooLong), true};
        consoleLine("write temp file error...");
        return false;
    }
    for (int column = 0; column < p.countX; ++column) {
        for (int row = 0; row < p.countY; ++row) {
            out << copyText.bytes();
            if (row + 1 < p.countY)
                out << rowStep.bytes();
        }
        out << columnStep.bytes();
    }
    return true;
}
