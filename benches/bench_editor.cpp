// The editor page on a program of 30,000 integer G-code records, shown as
// the operator meets it (table, path frame, name bar and key row on screen):
// a whole load over another program (parse, e.nc, the rows, the text view,
// the path drawn), an apply of the loaded rows, and the removal of 1,000 rows
// spread over the table. Each figure runs until the screen has been painted.
// Beside them, the text alone: the program's bytes read into the text shown
// and written back untouched, as UTF-8, with a GBK comment on every tenth
// line, and with a byte no codec takes (Latin-1).

#include "files/EditorText.h"
#include "files/KEditor.h"
#include "files/KEditorName.h"
#include "files/KEditorSimuFrame.h"
#include "files/KMenuEditor1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelection>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

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

// The page as the main window shows it: the editor in table mode with its
// companions, in a window on screen.
class Page
{
public:
    Page()
        : dir_(folderTemplate())
    {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()) || !QDir().mkpath(QStringLiteral(".tovrelcnc")))
            std::abort();
        write(QStringLiteral("prog.nc"), program());
        write(QStringLiteral("other.nc"), "G00 X100 Y100\nG01 X0 Y200\nM02\n");
        window.resize(1024, 748);
        editor = new KEditor(&window);
        editor->menuEditor->show();
        editor->simuFrame->show();
        editor->nameFrame->show();
        editor->showEditor();
        window.show();
        settle();
    }

    // Until what the last step queued has run and the window is painted.
    static void settle() { QCoreApplication::processEvents(); }

    static void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }

    // A load as the operator waits for it; false unless every row is filled.
    bool load()
    {
        if (!editor->loadFile(QDir::currentPath() + QStringLiteral("/prog.nc")))
            return false;
        settle();
        return filled(kRecords);
    }

    // Another program in the page, so that the next load changes every row.
    bool loadOther()
    {
        const bool loaded = editor->loadFile(QDir::currentPath() + QStringLiteral("/other.nc"));
        settle();
        return loaded;
    }

    bool filled(int rows) const
    {
        if (editor->rowCount() != rows)
            return false;
        for (int r : {0, rows / 2, rows - 1}) {
            const QTableWidgetItem *it = editor->item(r, 0);
            if (!it || it->text().isEmpty())
                return false;
        }
        return true;
    }

    QTemporaryDir dir_;
    QWidget window;
    KEditor *editor;
};

// Made at the first figure, and gone before the application object is:
// shown widgets do not outlive it.
std::unique_ptr<Page> thePage;

Page &page()
{
    if (!thePage)
        thePage = std::make_unique<Page>();
    return *thePage;
}

void BM_LoadFile(benchmark::State &state)
{
    Page &p = page();
    for (auto _ : state) {
        state.PauseTiming();
        if (!p.loadOther()) {
            state.SkipWithError("the other program did not load");
            break;
        }
        state.ResumeTiming();
        if (!p.load()) {
            state.SkipWithError("load failed or left rows empty");
            break;
        }
    }
}

void BM_SaveTempFile(benchmark::State &state)
{
    Page &p = page();
    if (!p.load()) {
        state.SkipWithError("load failed or left rows empty");
        return;
    }
    for (auto _ : state) {
        const bool applied = p.editor->saveTempFile();
        Page::settle();
        if (!applied || !p.filled(kRecords)) {
            state.SkipWithError("apply failed");
            break;
        }
    }
}

void BM_TextRoundTrip(benchmark::State &state)
{
    static const char *const comment[] = {" (\xe5\x88\x87)", " (\xc7\xd0)", " (\xff)"};
    QByteArray bytes;
    const QList<QByteArray> lines = program().split('\n');
    for (int k = 0; k < lines.size(); ++k)
        bytes += lines.at(k) + (k % 10 == 0 ? comment[state.range(0)] : "") + '\n';
    for (auto _ : state) {
        EditorText text;
        const QString shown = text.load(bytes);
        QByteArray saved;
        if (int(text.codec()) != state.range(0) || !text.save(shown, &saved) || saved != bytes) {
            state.SkipWithError("the program did not come back as it was");
            break;
        }
    }
}

void BM_DelRows(benchmark::State &state)
{
    Page &p = page();
    for (auto _ : state) {
        state.PauseTiming();
        if (!p.load()) {
            state.SkipWithError("load failed or left rows empty");
            break;
        }
        QItemSelection rows;
        for (int r = 7; r < kRecords; r += kRecords / 1000)
            rows.select(p.editor->model()->index(r, 0), p.editor->model()->index(r, 0));
        p.editor->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        if (p.editor->selectedRowList().size() != 1000) {
            state.SkipWithError("the selection did not reach the editor");
            break;
        }
        state.ResumeTiming();
        p.editor->delRows();
        Page::settle();
        if (!p.filled(kRecords - 1000)) {
            state.SkipWithError("wrong row count after the removal");
            break;
        }
    }
}

} // namespace

// Five repetitions unless the command line asks for others (the test
// command's brief run asks for one).
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveTempFile)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);
BENCHMARK(BM_TextRoundTrip)
    ->ArgName("utf8_gb18030_latin1")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DelRows)->Unit(benchmark::kMillisecond)->Iterations(3)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<char *> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    if (std::none_of(args.begin(), args.end(),
                     [](const char *a) { return std::strncmp(a, "--benchmark_repetitions", 23) == 0; }))
        args.push_back(repetitions);
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    thePage.reset();
    return 0;
}
