// Whole-call timings of the cutting and preview parses on two generated
// programs of 30,000 records: integer G-code and the same in decimal mm.

#include "program/Parser.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kRecords = 30000;

// 3- to 6-digit magnitudes with either sign, never 0.
qint32 coordinate(quint32 &seed)
{
    seed = seed * 1103515245u + 12345u;
    const quint32 digits = 3 + (seed >> 16) % 4; // 3..6
    quint32 low = 1;
    for (quint32 d = 1; d < digits; ++d)
        low *= 10;
    seed = seed * 1103515245u + 12345u;
    const qint32 magnitude = qint32(low + (seed >> 8) % (9 * low));
    return (seed & 1u) ? -magnitude : magnitude;
}

QByteArray word(char letter, qint32 v, bool decimal)
{
    char buf[32];
    if (decimal) {
        const qint32 a = v < 0 ? -v : v;
        std::snprintf(buf, sizeof buf, " %c%s%d.%02d", letter, v < 0 ? "-" : "", a / 100, a % 100);
    } else {
        std::snprintf(buf, sizeof buf, " %c%d", letter, v);
    }
    return buf;
}

QByteArray program(bool decimal)
{
    QByteArray out;
    quint32 seed = 20261207u;
    for (int k = 0; k < kRecords; ++k) {
        const int g = k % 4;
        out += g == 0 ? "G00" : g == 1 ? "G01" : g == 2 ? "G02" : "G03";
        out += word('X', coordinate(seed), decimal);
        out += word('Y', coordinate(seed), decimal);
        if (g >= 2) {
            out += word('I', coordinate(seed), decimal);
            out += word('J', coordinate(seed), decimal);
        }
        out += '\n';
    }
    return out;
}

// The programs and the scratch folder live in one temporary working folder.
// It is memory-backed where the system offers one: the scratch writes end in
// an fsync, and the disk's sync latency is not what these figures measure.
class Workspace
{
public:
    Workspace()
        : dir_(memoryBackedTemplate())
    {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
            std::abort();
        write("int.nc", program(false));
        write("dec.nc", program(true));
    }

private:
    static QString memoryBackedTemplate()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        if (shm.isDir() && shm.isWritable())
            return QStringLiteral("/dev/shm/bench_parser-XXXXXX");
        return QDir::tempPath() + QStringLiteral("/bench_parser-XXXXXX");
    }

    static void write(const char *name, const QByteArray &bytes)
    {
        QFile f(QString::fromLatin1(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }
    QTemporaryDir dir_;
};

Workspace &workspace()
{
    static Workspace w;
    return w;
}

void parseMain(benchmark::State &state, const char *file)
{
    workspace();
    Parser parser;
    const QString name = QString::fromLatin1(file);
    for (auto _ : state) {
        if (parser.parseMain(name) != 1 || parser.getMaxN() != kRecords)
            state.SkipWithError("parse failed");
    }
}

void BM_ParseMainInteger(benchmark::State &state)
{
    parseMain(state, "int.nc");
}

void BM_ParseMainDecimal(benchmark::State &state)
{
    parseMain(state, "dec.nc");
}

void BM_ParsePreviewInteger(benchmark::State &state)
{
    workspace();
    Parser parser;
    for (auto _ : state) {
        if (parser.parsePreview(QStringLiteral("int.nc")) != 1)
            state.SkipWithError("parse failed");
    }
}

// Kerf-compensated programs (kerf 2 mm): many small closed contours, and
// many hairpins that each gain a corner record.
QByteArray contoursProgram()
{
    QByteArray out;
    for (int k = 0; k < 2307; ++k) {
        out += "G00 X2500 Y0\nG41\nG01 X0 Y500\nG01 X1000 Y0\nG01 X0 Y-1000\nG01 X-1000 Y0\nG01 X0 Y1000\nG40\n";
        out += "G00 X2500 Y0\nG41\nG01 X0 Y500\nG02 X0 Y0 I0 J-500\nG40\n";
    }
    return out;
}

QByteArray cornersProgram()
{
    QByteArray out;
    for (int k = 0; k < 4999; ++k)
        out += "G00 X2000 Y0\nG42\nG01 X1000 Y0\nG01 X-1000 Y100\nG40\n";
    return out;
}

void parseMainKerf(benchmark::State &state, const char *file, QByteArray (*make)(), int lines)
{
    workspace();
    const QString name = QString::fromLatin1(file);
    QFile f(name);
    const QByteArray bytes = make();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
    f.close();
    Parser parser;
    parser.setParameter(0, 2, 0, 10);
    for (auto _ : state) {
        if (parser.parseMain(name) != 1 || parser.getMaxN() != lines)
            state.SkipWithError("parse failed");
    }
}

void BM_ParseMainKerfContours(benchmark::State &state)
{
    // 2,307 squares of 7 lines and 2,307 circles of 4 lines.
    parseMainKerf(state, "contours.nc", contoursProgram, 2307 * 11);
}

void BM_ParseMainKerfCorners(benchmark::State &state)
{
    // Each hairpin: rapid, link, line, corner record, line, link.
    parseMainKerf(state, "corners.nc", cornersProgram, 4999 * 6);
}

} // namespace

BENCHMARK(BM_ParseMainKerfContours)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParseMainKerfCorners)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParseMainInteger)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParseMainDecimal)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParsePreviewInteger)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// --programs-to=DIR writes the two 30,000-record programs there and ends,
// so that another parser can be timed on exactly the same files.
int main(int argc, char **argv)
{
    const QByteArray flag = "--programs-to=";
    for (int k = 1; k < argc; ++k) {
        const QByteArray arg(argv[k]);
        if (!arg.startsWith(flag))
            continue;
        const QString dir = QString::fromLocal8Bit(arg.mid(flag.size()));
        for (const bool decimal : {false, true}) {
            QFile f(dir + (decimal ? "/dec.nc" : "/int.nc"));
            const QByteArray bytes = program(decimal);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
