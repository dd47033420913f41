// The editor page on a program of 30,000 integer G-code records: a whole
// load (parse, e.nc, table, text view), an apply of the loaded rows, and
// the removal of 1,000 rows spread over the table. The widgets stay hidden.

#include "files/KEditor.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelection>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kRecords = 30000;

QByteArray program()
{
    QByteArray out;
    quint32 seed = 12345u;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return qint32((seed >> 8) % 200001u) - 100000;
    };
    for (int k = 0; k < kRecords; ++k) {
        const int g = k % 4;
        out += "G0" + QByteArray::number(g) + " X" + QByteArray::number(next()) + " Y" + QByteArray::number(next());
        if (g >= 2)
            out += " I" + QByteArray::number(next()) + " J" + QByteArray::number(next());
        out += '\n';
    }
    return out;
}

// Memory-backed where the system offers it: every save ends in an fsync,
// and the disk's sync latency is not what these figures measure.
QString folderTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        return QStringLiteral("/dev/shm/bench_editor-XXXXXX");
    return QDir::tempPath() + QStringLiteral("/bench_editor-XXXXXX");
}

class Page
{
public:
    Page()
        : dir_(folderTemplate())
    {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()) || !QDir().mkpath(QStringLiteral(".tovrelcnc")))
            std::abort();
        QFile f(QStringLiteral("prog.nc"));
        const QByteArray bytes = program();
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
        editor = new KEditor(&window);
    }

    bool load() { return editor->loadFile(QDir::currentPath() + QStringLiteral("/prog.nc")); }

    QTemporaryDir dir_;
    QWidget window;
    KEditor *editor;
};

Page &page()
{
    static Page p;
    return p;
}

void BM_LoadFile(benchmark::State &state)
{
    Page &p = page();
    for (auto _ : state) {
        if (!p.load() || p.editor->rowCount() != kRecords)
            state.SkipWithError("load failed");
    }
}

void BM_SaveTempFile(benchmark::State &state)
{
    Page &p = page();
    if (!p.load())
        state.SkipWithError("load failed");
    for (auto _ : state) {
        if (!p.editor->saveTempFile() || p.editor->rowCount() != kRecords)
            state.SkipWithError("apply failed");
    }
}

void BM_DelRows(benchmark::State &state)
{
    Page &p = page();
    for (auto _ : state) {
        state.PauseTiming();
        if (!p.load())
            state.SkipWithError("load failed");
        QItemSelection rows;
        for (int r = 7; r < kRecords; r += kRecords / 1000)
            rows.select(p.editor->model()->index(r, 0), p.editor->model()->index(r, 0));
        p.editor->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        state.ResumeTiming();
        p.editor->delRows();
        if (p.editor->rowCount() != kRecords - 1000)
            state.SkipWithError("wrong row count");
    }
}

} // namespace

BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveTempFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DelRows)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
