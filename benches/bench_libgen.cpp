// One iteration: generating k.nc for a full list of 99 patterns, each a
// 10 x 10 array with 5 mm spacings, shapes cycling through the catalogue with
// their default texts, none selected. The argument is the last shape of the
// cycle (24: K1..K24; 49: the whole catalogue).

#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"
#include "library/shapes/ShapeCatalogue.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void BM_WriteTempFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    QList<int> shapes;
    for (int n = 1; n <= state.range(0); ++n) {
        if (ShapeCatalogue::entry(n))
            shapes << n;
    }
    PattenList list;
    for (int k = 0; k < PattenList::kMaxPattens; ++k) {
        const int type = shapes.at(k % shapes.size());
        PattenForm form = PattenForm::forShape(type);
        form.countX = form.countY = QStringLiteral("10");
        form.spaceX = form.spaceY = QStringLiteral("5");
        list.add(type, form);
    }
    list.selectRow(-1);

    LibGenerator generator;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString path = generator.writeTempFile(list);
        if (path.isNull())
            state.SkipWithError("k.nc not written");
        bytes = QFileInfo(path).size();
    }
    state.counters["bytes"] = double(bytes);
    QDir::setCurrent(previous);
}
BENCHMARK(BM_WriteTempFile)
    ->Arg(24)
    ->Arg(ShapeCatalogue::kLastIndex)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(12)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
