// Moving through the file browser between two programs of 30,000 records,
// with the preview on and with the compensated preview on as well; the paint
// is left out (no events are processed). The compensated case includes the
// cutting parse, the copies that keep the cutting table and the t.nc restore.

#include "app/base/KButton.h"
#include "files/KMenuPreview1.h"
#include "files/KPreview.h"
#include "program/Parser.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kRecords = 30000;

// Integer G-code read into exactly kRecords records: per part a rapid, G41,
// a rectangle of four lines with a half-circle notch, G40. seed varies the sizes.
QByteArray program(quint32 seed)
{
    QByteArray out;
    int records = 0;
    char line[96];
    while (records + 9 <= kRecords) {
        seed = seed * 1103515245u + 12345u;
        const int w = 2000 + int((seed >> 8) % 20000);
        const int h = 2000 + int((seed >> 12) % 20000);
        const int r = 200 + int((seed >> 4) % 400);
        std::snprintf(line, sizeof line, "G00 X%d Y%d\nG41\n", w + 1000, 0);
        out += line;
        std::snprintf(line, sizeof line, "G01 X0 Y%d\nG01 X%d Y0\nG01 X0 Y%d\n", h, -w, -h);
        out += line;
        std::snprintf(line, sizeof line, "G01 X%d Y0\nG03 X%d Y0 I%d J0\nG01 X%d Y0\nG40\n", w / 2 - r, 2 * r, r,
                      w / 2 - r);
        out += line;
        records += 9;
    }
    for (; records < kRecords; ++records)
        out += "G00 X100 Y0\n";
    return out;
}

// The working folder is memory-backed where the system offers one: the
// scratch writes end in an fsync, which is not what these figures measure.
class Workspace
{
public:
    Workspace()
        : dir_(memoryBackedTemplate())
    {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()) || !QDir().mkpath("ncfile")
            || !QDir().mkpath(".tovrelcnc"))
            std::abort();
        write("ncfile/a.nc", program(7u));
        write("ncfile/b.nc", program(20261207u));
        // The program loaded for cutting, which every compensated step puts back.
        // Both fit the cutting table once compensated.
        Parser check;
        check.setParameter(0.0, 1.5, 0, 10);
        if (check.parseMain("ncfile/a.nc") != 1 || check.parseMain("ncfile/b.nc") != 1)
            std::abort();
        write(".tovrelcnc/t.nc", QByteArray("G01 X100 Y0\n").repeated(kRecords));
    }

private:
    static QString memoryBackedTemplate()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        if (shm.isDir() && shm.isWritable())
            return QStringLiteral("/dev/shm/bench_browser-XXXXXX");
        return QDir::tempPath() + QStringLiteral("/bench_browser-XXXXXX");
    }

    static void write(const char *name, const QByteArray &bytes)
    {
        QFile f(QString::fromLatin1(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }
    QTemporaryDir dir_;
};

void browse(benchmark::State &state, bool compensated)
{
    static Workspace workspace;
    QWidget window;
    auto *browser = new KPreview(&window);
    browser->setParameter(0.0, 1.5, 0);
    browser->enterPage();
    browser->keyRow->previewButton->click();
    if (compensated)
        browser->keyRow->compButton->click();
    for (auto _ : state) {
        if (browser->currentIndex().row() == 0)
            browser->nextline();
        else
            browser->prevline();
    }
    if (!previewSelectedFile.endsWith(QLatin1String(".nc")))
        state.SkipWithError("no program current");
}

void BM_BrowsePreview(benchmark::State &state)
{
    browse(state, false);
}

void BM_BrowseCompensated(benchmark::State &state)
{
    browse(state, true);
}

} // namespace

BENCHMARK(BM_BrowsePreview)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BrowseCompensated)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
