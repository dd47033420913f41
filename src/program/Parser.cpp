#include "program/Parser.h"

#include "app/BasePath.h"
#include "program/CuttingPreparation.h"
#include "program/NcWriter.h"
#include "program/SegmentPasses.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>

namespace {

constexpr double kHalfTurn = 3.14159265;

// The cutting table is filled only by a read that succeeded; a failed
// parseMain leaves the program loaded for cutting as it was.
SegmentRecord scratchSegments[kSegmentRows];

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
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

enum class Load { Loaded, Missing, TooBig };

Load loadFile(const QString &name, QByteArray &bytes)
{
    if (name.isEmpty() || QFileInfo(name).isDir())
        return Load::Missing;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return Load::Missing;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Load::Missing;
    // A file too big to hold in memory comes back empty; it must not pass
    // for an empty program.
    if (!file.isSequential() && bytes.size() < file.size())
        return Load::TooBig;
    return Load::Loaded;
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
    QByteArray bytes;
    switch (loadFile(name, bytes)) {
    case Load::Missing:
        say("File not found!");
        return Outcome::NotFound;
    case Load::TooBig:
        say("File too long!");
        return Outcome::TooLong;
    case Load::Loaded:
        break;
    }
    SegmentTable::prefill(table);
    NcReader reader(bytes, table, options);
    if (!reader.read(reader.detect())) {
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
    for (int row = 0; row < kSegmentRows; ++row)
        SegmentTable::copyWords(cutSegments[row], scratchSegments[row]);
    prepareCutting();
    return 1;
}

void Parser::prepareCutting()
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
    CuttingPreparation::prepare(cutSegments, settings, kerfPass);
    writeTempFile();
    reportEmpty(cutSegments);
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
    writeEditFile(ratio);
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
    if (optimised)
        optimisedPath();
    else
        patternPath(c, s, n);
    return 1;
}

void Parser::patternPath(double c, double s, qint32 n)
{
    SegmentPasses::mirrorTurn(libSegments, mirrorMode, true);
    SegmentPasses::turnAll(libSegments, c, s, scaleDivisor, true);
    if (fileName == scratchPath(QStringLiteral("k.nc")))
        writeLibLFile();
    else
        writeLibFile(n);
    SegmentPasses::joinKerfArcs(libSegments);
    SegmentPasses::dropEmptyMoves(libSegments);
    SegmentPasses::dropTypes(libSegments, {SegType::KerfOff, SegType::KerfLeft, SegType::KerfRight});
    reportEmpty(libSegments);
}

void Parser::optimisedPath()
{
    SegmentPasses::joinRapids(libSegments);
    writeLibLFile();
}

// ---------------------------------------------------------------- writers

void Parser::writeTempFile()
{
    const NcWriter::Output out = NcWriter::format(cutSegments, NcWriter::Temp);
    if (!NcWriter::save(scratchPath(QStringLiteral("t.nc")), out.text)) {
        qWarning("write temp file error...");
        return;
    }
    maxN = out.lines;
}

void Parser::writeEditFile(double ratio)
{
    const NcWriter::Output out = NcWriter::format(editSegments, NcWriter::Edit, ratio);
    if (!NcWriter::save(scratchPath(QStringLiteral("e.nc")), out.text)) {
        qWarning("write edit file error...");
        return;
    }
    // The table shows what e.nc holds.
    for (int row = 0; row < out.lines; ++row)
        SegmentTable::copyWords(editSegments[row], NcWriter::scaled(editSegments[row], ratio));
    maxNedit = out.lines;
}

void Parser::writeLibLFile()
{
    const NcWriter::Output out = NcWriter::format(libSegments, NcWriter::Library);
    if (!NcWriter::save(scratchPath(QStringLiteral("l.nc")), out.text)) {
        qWarning("write libl file error...");
        return;
    }
    maxN = out.lines - 1;
}

void Parser::writeLibFile(qint32 n)
{
    totalX = 0;
    totalY = 0;
    const NcWriter::Output out = NcWriter::format(libSegments, NcWriter::Library);
    if (!NcWriter::save(scratchPath(QStringLiteral("b%1.nc").arg(n)), out.text)) {
        qWarning("write lib file error...");
        return;
    }
    maxN = out.lines - 1;
    totalX = out.sumX;
    totalY = out.sumY;
}
