// Loading a program of 30,000 records: the main window built with it as the
// last program (every page, both configuration files, the cutting and the
// editor parse, t.nc and e.nc, the program-line list, the plots), and the
// same program opened from the file browser of a running window.
//
// Two generated sheets in integer G-code (0.01 mm, incremental): a nest of
// small rounded plates whose lines all fit the list's column, and a run of
// large flanges whose arc lines wrap there.

#include "app/base/FileSave.h"
#include "app/KMainWindow.h"
#include "files/KPreview.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kRecords = 30000;
// What the cutting table keeps of them: the kerf codes of a program without
// kerf are dropped.
constexpr int kLoadedRecords = 22000;

// Writes the words of a program and keeps the pen position, so every record
// can be given as the move from where the last one ended.
class Program
{
public:
    int records() const { return count; }
    QByteArray text() const { return bytes; }

    void rapidTo(qint64 x, qint64 y) { move("G00", x, y); }
    void lineTo(qint64 x, qint64 y) { move("G01", x, y); }
    // An arc to (x, y) around (cx, cy); ccw: G03.
    void arcTo(bool ccw, qint64 x, qint64 y, qint64 cx, qint64 cy)
    {
        char line[96];
        std::snprintf(line, sizeof line, "%s X%lld Y%lld I%lld J%lld\n", ccw ? "G03" : "G02", x - penX, y - penY,
                      cx - penX, cy - penY);
        add(line, x, y);
    }
    void code(const char *word)
    {
        bytes += word;
        bytes += '\n';
        ++count;
    }

private:
    void move(const char *word, qint64 x, qint64 y)
    {
        char line[64];
        std::snprintf(line, sizeof line, "%s X%lld Y%lld\n", word, x - penX, y - penY);
        add(line, x, y);
    }
    void add(const char *line, qint64 x, qint64 y)
    {
        bytes += line;
        penX = x;
        penY = y;
        ++count;
    }

    QByteArray bytes;
    int count = 0;
    qint64 penX = 0;
    qint64 penY = 0;
};

// A round hole pierced at its centre: lead-in line and half-circle arc onto
// the circle, the circle, a short lead-out.
void hole(Program &p, qint64 cx, qint64 cy, qint64 r)
{
    p.rapidTo(cx, cy);
    p.code("G41");
    p.lineTo(cx + r / 2, cy);
    p.arcTo(true, cx + r, cy, cx + 3 * r / 4, cy);
    p.arcTo(true, cx + r, cy, cx, cy);
    p.lineTo(cx + 3 * r / 4, cy);
    p.code("G40");
}

// A sheet of 3000 x 1500 mm nested with 55 x 35 mm plates with rounded
// corners and a hole, 21 records each; every line fits the list.
QByteArray plateNest()
{
    Program p;
    const qint64 w = 5500, h = 3500, r = 500, hr = 1000, lead = 500;
    for (int part = 0; p.records() + 21 + 2 <= kRecords; ++part) {
        const qint64 x = 1000 + (part % 46) * 6500, y = 1000 + (part / 46) * 4500;
        // Pierced outside the plate, led in to the middle of its left edge.
        p.rapidTo(x - lead, y + h / 2);
        p.code("G41");
        p.lineTo(x, y + h / 2);
        p.lineTo(x, y + r);
        p.arcTo(true, x + r, y, x + r, y + r);
        p.lineTo(x + w - r, y);
        p.arcTo(true, x + w, y + r, x + w - r, y + r);
        p.lineTo(x + w, y + h - r);
        p.arcTo(true, x + w - r, y + h, x + w - r, y + h - r);
        p.lineTo(x + r, y + h);
        p.arcTo(true, x, y + h - r, x + r, y + h - r);
        p.lineTo(x, y + h / 2);
        p.lineTo(x - lead, y + h / 2 + lead);
        p.code("G40");
        hole(p, x + w / 2, y + h / 2, hr);
    }
    p.rapidTo(0, 0);
    p.code("M02");
    return p.text();
}

// Flanges of 500 to 700 mm with six bolt holes, the rim cut as twelve arcs
// whose four words all carry four or five digits: those lines wrap.
QByteArray flangeRun()
{
    Program p;
    const double pi = 3.14159265358979;
    quint32 seed = 20261207u;
    for (int part = 0; p.records() + 18 + 6 * 7 + 2 <= kRecords; ++part) {
        seed = seed * 1103515245u + 12345u;
        const qint64 ro = 25000 + qint64((seed >> 8) % 10000);
        const qint64 cx = 40000 + (part % 4) * 72000, cy = 40000 + (part / 4) * 72000;
        p.rapidTo(cx - ro - 800, cy);
        p.code("G41");
        p.lineTo(cx - ro - 400, cy);
        p.arcTo(false, cx - ro, cy + 0, cx - ro - 200, cy);
        for (int k = 1; k <= 12; ++k) {
            const double a = pi + 2 * pi * k / 12;
            p.arcTo(false, cx + std::llround(ro * std::cos(a)), cy - std::llround(ro * std::sin(a)), cx, cy);
        }
        p.lineTo(cx - ro - 400, cy + 400);
        p.code("G40");
        for (int k = 0; k < 6; ++k) {
            const double a = 2 * pi * k / 6;
            hole(p, cx + std::llround(0.8 * ro * std::cos(a)), cy + std::llround(0.8 * ro * std::sin(a)), 1100);
        }
    }
    p.rapidTo(0, 0);
    p.code("M02");
    return p.text();
}

class Workspace
{
public:
    Workspace()
        // Scratch files are committed on every load; keep them off the disk.
        : dir(QDir("/dev/shm").exists() ? "/dev/shm/tovrel-bench-XXXXXX" : QString())
        , previous(QDir::currentPath())
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(".tovrelcnc");
        QDir().mkpath("ncfile");
        QDir().mkpath("ravok/.tovrelcnc");
        FileSave::write("ncfile/plates.nc", plateNest());
        FileSave::write("ncfile/flanges.nc", flangeRun());
        FileSave::write("ncfile/small.nc", "G00 X1000 Y1000\nG01 X5000 Y0\nG01 X0 Y5000\nM02\n");
        FileSave::write(".tovrelcnc/config.xml",
                        "<?xml version='1.0'?><!DOCTYPE RAVOK>\n<RavokConfig>\n    <Base angel=\"0\" comp=\"0\" "
                        "fx=\"0\" preci=\"10\" rotate=\"0\" sfx=\"0\" sheetx=\"3000\" sheety=\"1500\"/>\n    <Mode "
                        "mode=\"1\"/>\n</RavokConfig>\n");
    }
    ~Workspace() { QDir::setCurrent(previous); }

    static void setLastProgram(const char *name)
    {
        FileSave::write(
            ".tovrelcnc/fileconfig.xml",
            QByteArray("<?xml version='1.0'?><!DOCTYPE RAVOK>\n<FileConfig>\n    <File filename=\"./ncfile/") + name
                + "\"/>\n</FileConfig>\n");
    }

private:
    QTemporaryDir dir;
    QString previous;
};

void startUp(benchmark::State &state, const char *name)
{
    Workspace workspace;
    Workspace::setLastProgram(name);
    for (auto _ : state) {
        auto *window = new KMainWindow;
        if (window->recordCount < kLoadedRecords)
            state.SkipWithError("program not loaded");
        // Construction only: the window is never closed while the program runs.
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

void BM_StartUpPlates(benchmark::State &state)
{
    startUp(state, "plates.nc");
}
BENCHMARK(BM_StartUpPlates)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_StartUpFlanges(benchmark::State &state)
{
    startUp(state, "flanges.nc");
}
BENCHMARK(BM_StartUpFlanges)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

// The open key of the browser on a program of 30,000 records; the window
// started with a small one, and each open replaces the other big program.
void BM_OpenFromBrowser(benchmark::State &state)
{
    Workspace workspace;
    Workspace::setLastProgram("small.nc");
    KMainWindow window;
    const QString names[2] = {QDir::currentPath() + "/ncfile/plates.nc", QDir::currentPath() + "/ncfile/flanges.nc"};
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.file2preview();
        previewSelectedFile = names[k++ % 2];
        state.ResumeTiming();
        window.preview->openFile();
        if (window.recordCount < kLoadedRecords)
            state.SkipWithError("program not loaded");
    }
}
BENCHMARK(BM_OpenFromBrowser)->Unit(benchmark::kMillisecond)->Iterations(6)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

// --programs-to=DIR writes the two programs there and ends (to load them
// into the program itself, say).
int main(int argc, char **argv)
{
    const QByteArray flag = "--programs-to=";
    for (int k = 1; k < argc; ++k) {
        const QByteArray arg(argv[k]);
        if (arg.startsWith(flag)) {
            const QString dir = QString::fromLocal8Bit(arg.mid(flag.size()));
            return FileSave::write(dir + "/plates.nc", plateNest()) && FileSave::write(dir + "/flanges.nc", flangeRun())
                       ? 0
                       : 1;
        }
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(icons);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
