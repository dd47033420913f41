#include "FuzzInput.h"
#include "FuzzTargets.h"

#include "program/Parser.h"

#include <QFile>

#include <algorithm>

namespace {

const QString kInput = QStringLiteral("in.nc");
const QString kPatternFile = QStringLiteral("./.tovrelcnc/k.nc");

// The input file itself is the harness's, not the program's: a plain write.
bool writeInput(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int FuzzTargets::parseMain(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    if (!writeInput(kInput, in.bytes()))
        return 0;
    // Kerfs of a real torch mostly, now and then a hundred times wider.
    const double kerf = (in.peek(0) % 64) * 0.1 * ((in.peek(1) & 1) ? 100 : 1);
    const int mirror = in.peek(2) % 5;
    const double angle = std::int8_t(in.peek(3)) * 0.5;
    const int tolerance = in.peek(6) % 101;
    Parser parser;
    parser.setPFmove(std::int8_t(in.peek(4)), std::int8_t(in.peek(5)));
    parser.setParameter(angle, kerf, mirror, tolerance);
    parser.parseMain(kInput);
    return 0;
}

int FuzzTargets::parsePreview(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    if (!writeInput(kInput, in.bytes()))
        return 0;
    Parser parser;
    parser.parsePreview(kInput);
    return 0;
}

int FuzzTargets::parseEdit(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    if (!writeInput(kInput, in.bytes()))
        return 0;
    // The editor keeps its scale within 0.01 to 100.
    const double ratio = std::clamp((in.peek(0) | (in.peek(1) << 8)) / 600.0, 0.01, 100.0);
    Parser parser;
    if (parser.parseEdit(kInput, 1.0))
        parser.parseEdit(QStringLiteral("./.tovrelcnc/e.nc"), ratio);
    return 0;
}

int FuzzTargets::parseLib(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput in(data, size);
    const bool optimised = in.peek(0) & 1;
    const QString name = (in.peek(0) & 2) ? kPatternFile : kInput;
    if (!writeInput(name, in.bytes()))
        return 0;
    Parser parser;
    parser.setLibFlag(optimised);
    parser.parseLib(name, std::int8_t(in.peek(2)) * 3.0, in.peek(3) % 100, in.peek(1) % 5);
    return 0;
}
