#include "program/Parser.h"

#include "app/base/BasePath.h"
#include "app/base/ProgramFile.h"
#include "program/CuttingPreparation.h"
#include "program/NcWriter.h"
#include "program/SegmentPasses.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kHalfTurn = 3.14159265;

// Where a parse builds its table before it is known to succeed: a failed
// parseMain leaves the program loaded for cutting as it was.
SegmentRecord scratchSegments[kSegmentRows];

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void copyTable(SegmentRecord *to, const SegmentRecord *from)
{
    for (int row = 0; row < kSegmentRows; ++row)
        SegmentTable::copyWords(to[row], from[row]);
}

double finiteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

double radians(double degrees)
{
    return kHalfTurn * degrees / 180;
}

bool mirrorModeFor(int mirror, char &mode)
{
    if (mirror < 0 || mirror > 3)
        return false;
    mode = char('0' + mirror);
    return true;
}

} // namespace

Parser::Parser() = default;

// ---------------------------------------------------------------- slots

void Parser::setAngel(double degrees)
{
    plateAngle = radians(finiteOrZero(degrees));
    emit updateFile(fileName);
}

void Parser::setParameter(double degrees, double kerf, int mirror, int tolerance)
{
    plateAngle = radians(finiteOrZero(degrees));
    // A kerf typed with two decimals gives the whole number it names.
    kerfWidth = std::round(finiteOrZero(kerf) * 100 * 1e6) / 1e6;
    mirrorModeFor(mirror, mirrorMode);
    this->tolerance = tolerance;
    emit updateFile(fileName);
}

void Parser::setPFmove(int x, int y)
{
    pfMoveX = static_cast<qint32>(quint32(x) * 100u);
    pfMoveY = static_cast<qint32>(quint32(y) * 100u);
}

int Parser::getMaxN()
{
    return maxN;
}

int Parser::getMaxNedit()
{
    return maxNedit;
}

void Parser::setFileName(QString name)
{
    fileName = name;
}

int Parser::getTotalX()
{
    return totalX;
}

int Parser::getTotalY()
{
    return totalY;
}

// ---------------------------------------------------------------- reading

QString Parser::scratchPath(const QString &file)
{
    return basePath + QStringLiteral("/.tovrelcnc/") + file;
}

Parser::Outcome Parser::readProgram(const QString &name, SegmentRecord *table, const NcReader::Options &options)
{
    // Only a plain file can be a program: a device or a pipe could neither be
    // read twice (detection, then reading) nor be relied on to end. The read
    // ends at the table's last row or at the byte cap, whichever comes first,
    // so a file picked by mistake is refused as soon as that is known.
    ProgramFile::Reader file;
    FileError reason;
    if (!file.openPath(name, &reason)) {
        failure = {name, reason, false};
        say(file.tooLong() ? "File too long!" : "File not found!");
        return file.tooLong() ? Outcome::TooLong : Outcome::NotFound;
    }
    SegmentTable::prefill(table);
    NcReader reader(&file, table, options);
    const bool fits = reader.read(reader.detect()) && !file.tooLong();
    if (reader.deviceFailed() && !file.tooLong()) {
        failure = {name, file.lastError(), false};
        say("File not found!");
        return Outcome::NotFound;
    }
    if (!fits) {
        failure = {name, FileError(FileError::TooLong), false};
        say("File too long!");
        return Outcome::TooLong;
    }
    return Outcome::Read;
}

void Parser::reportEmpty(const SegmentRecord *table) const
{
    if (SegmentTable::typeAt(table, firstIndex) == SegType::End)
        say("File or No error!");
}

// ---------------------------------------------------------------- entries

int Parser::parseMain(const QString &name)
{
    fileName = name;
    if (readProgram(name, scratchSegments, NcReader::Options()) != Outcome::Read)
        return 0;
    prepareCutting(scratchSegments);
    // t.nc and cutSegments are one program: neither changes unless both do.
    if (!writeTemp(scratchSegments))
        return 0;
    copyTable(cutSegments, scratchSegments);
    reportEmpty(cutSegments);
    return 1;
}

void Parser::prepareCutting(SegmentRecord *table)
{
    CuttingPreparation::Settings settings;
    settings.kerfWidth = kerfWidth;
    settings.tolerance = tolerance;
    settings.mirrorMode = mirrorMode;
    settings.plateCos = std::cos(plateAngle);
    settings.plateSin = std::sin(plateAngle);
    settings.scaleDivisor = scaleDivisor;
    settings.pfMoveX = pfMoveX;
    settings.pfMoveY = pfMoveY;
    CuttingPreparation::prepare(table, settings, kerfPass);
}

int Parser::parsePreview(const QString &name)
{
    fileName = name;
    if (readProgram(name, previewSegments, NcReader::Options()) != Outcome::Read)
        return 0;
    reportEmpty(previewSegments);
    return 1;
}

int Parser::parseEdit(const QString &name, double ratio)
{
    fileName = name;
    if (readProgram(name, editSegments, NcReader::Options()) != Outcome::Read)
        return 0;
    if (!writeEditFile(ratio))
        return 0;
    reportEmpty(editSegments);
    return 1;
}

int Parser::parseLib(const QString &name, double angle, qint32 n, qint32 mirror)
{
    const double a = radians(angle);
    const double c = std::cos(a);
    const double s = std::sin(a);
    fileName = name;
    mirrorModeFor(mirror, mirrorMode);
    // A one-shot request: gone after this call whatever its outcome.
    const bool optimised = libFlag != 0;
    libFlag = 0;

    NcReader::Options options;
    options.library = true;
    options.patternFile = name == scratchPath(QStringLiteral("k.nc"));
    options.libMode = libMode;
    if (readProgram(name, libSegments, options) != Outcome::Read)
        return 0;
    // The passes run on a copy, so a scratch file that cannot be written
    // leaves the table as it was read.
    copyTable(scratchSegments, libSegments);
    if (optimised)
        return optimisedPath() ? 1 : 0;
    return patternPath(c, s, n) ? 1 : 0;
}

bool Parser::patternPath(double c, double s, qint32 n)
{
    SegmentPasses::mirrorTurn(scratchSegments, mirrorMode, true);
    SegmentPasses::turnAll(scratchSegments, c, s, scaleDivisor, true);
    const bool written =
        fileName == scratchPath(QStringLiteral("k.nc")) ? writeLibL(scratchSegments) : writeLib(scratchSegments, n);
    if (!written)
        return false;
    copyTable(libSegments, scratchSegments);
    SegmentPasses::joinKerfArcs(libSegments);
    SegmentPasses::dropEmptyMoves(libSegments);
    SegmentPasses::dropTypes(libSegments, {SegType::KerfOff, SegType::KerfLeft, SegType::KerfRight});
    reportEmpty(libSegments);
    return true;
}

bool Parser::optimisedPath()
{
    SegmentPasses::joinRapids(scratchSegments);
    if (!writeLibL(scratchSegments))
        return false;
    copyTable(libSegments, scratchSegments);
    return true;
}

// ---------------------------------------------------------------- writers

bool Parser::saveScratch(const QString &file, const QByteArray &text, const char *failure)
{
    FileError reason;
    if (NcWriter::save(scratchPath(file), text, &reason))
        return true;
    this->failure = {scratchPath(file), reason, true};
    qWarning("%s", failure);
    return false;
}

bool Parser::writeTempFile()
{
    return writeTemp(cutSegments);
}

bool Parser::writeTemp(const SegmentRecord *table)
{
    const NcWriter::Output out = NcWriter::format(table, NcWriter::Temp);
    if (!saveScratch(QStringLiteral("t.nc"), out.text, "write temp file error..."))
        return false;
    maxN = out.lines;
    return true;
}

bool Parser::writeEditFile(double ratio)
{
    const NcWriter::Output out = NcWriter::format(editSegments, NcWriter::Edit, ratio);
    if (!saveScratch(QStringLiteral("e.nc"), out.text, "write edit file error..."))
        return false;
    // The table shows what e.nc holds.
    for (int row = 0; row < out.lines; ++row)
        SegmentTable::copyWords(editSegments[row], NcWriter::scaled(editSegments[row], ratio));
    maxNedit = out.lines;
    return true;
}

bool Parser::writeLibLFile()
{
    return writeLibL(libSegments);
}

bool Parser::writeLibL(const SegmentRecord *table)
{
    const NcWriter::Output out = NcWriter::format(table, NcWriter::Library);
    if (!saveScratch(QStringLiteral("l.nc"), out.text, "write libl file error..."))
        return false;
    maxN = out.lines - 1;
    return true;
}

bool Parser::writeLibFile(qint32 n)
{
    return writeLib(libSegments, n);
}

bool Parser::writeLib(const SegmentRecord *table, qint32 n)
{
    totalX = 0;
    totalY = 0;
    const NcWriter::Output out = NcWriter::format(table, NcWriter::Library);
    if (!saveScratch(QStringLiteral("b%1.nc").arg(n), out.text, "write lib file error..."))
        return false;
    maxN = out.lines - 1;
    totalX = out.sumX;
    totalY = out.sumY;
    return true;
}
