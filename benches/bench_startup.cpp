// Start-up with a 30,000-record last program: the main window builds every
// page, reads both configuration files, parses the program, writes t.nc and
// e.nc, fills the program-line list and draws the plots.

#include "app/FileSave.h"
#include "app/KMainWindow.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

bool writeText(const QString &path, const QByteArray &bytes)
{
    return FileSave::write(path, bytes);
}

// 1000 parts of 30 records: a rapid, 27 sides of a 27-gon, two half arcs.
QByteArray program()
{
    QByteArray text;
    const double pi = 3.14159265358979;
    for (int part = 0; part < 1000; ++part) {
        const double cx = (part % 40) * 50.0, cy = (part / 40) * 50.0;
        text += "G00 X" + QByteArray::number(cx + 20) + " Y" + QByteArray::number(cy) + "\n";
        for (int m = 1; m <= 27; ++m) {
            const double a = 2 * pi * (m % 27) / 27;
            text += "G01 X" + QByteArray::number(cx + 20 * std::cos(a), 'f', 2) + " Y"
                    + QByteArray::number(cy + 20 * std::sin(a), 'f', 2) + "\n";
        }
        text += "G02 X" + QByteArray::number(cx + 30) + " Y" + QByteArray::number(cy) + " I"
                + QByteArray::number(cx + 25) + " J" + QByteArray::number(cy) + "\n";
        text += "G02 X" + QByteArray::number(cx + 20) + " Y" + QByteArray::number(cy) + " I"
                + QByteArray::number(cx + 25) + " J" + QByteArray::number(cy) + "\n";
    }
    return "G90\n" + text;
}

void BM_StartUp(benchmark::State &state)
{
    // Scratch files are committed on every load; keep them off the disk.
    QTemporaryDir dir(QDir("/dev/shm").exists() ? "/dev/shm/tovrel-bench-XXXXXX" : QString());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkpath(".tovrelcnc");
    QDir().mkpath("ncfile");
    QDir().mkpath("ravok/.tovrelcnc");
    writeText("ncfile/big.nc", program());
    writeText(".tovrelcnc/fileconfig.xml",
              "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n    <File filename=\"./ncfile/big.nc\"/>\n"
              "</FileConfig>\n");
    writeText(".tovrelcnc/config.xml",
              "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n    <Base angel=\"0\" comp=\"0\" fx=\"0\" "
              "preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" sheety=\"1500\"/>\n    <Mode mode=\"1\"/>\n"
              "</RavokConfig>\n");
    for (auto _ : state) {
        KMainWindow window;
        benchmark::DoNotOptimize(window.recordCount);
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(icons);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
