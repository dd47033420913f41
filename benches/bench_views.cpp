// The six path views over one full table of 30,000 records: 1000 parts on a
// 40 x 25 grid 50 mm apart, each a rapid to its start, a closed 27-gon of
// radius 20 mm and two clockwise half arcs. For each view: painting the built
// paths, the fitting first draw after a reset, and one later draw.

#include "program/KCKSimu.h"
#include "program/KEditSimu.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KPreviewSimu.h"
#include "program/KSimu.h"
#include "program/SegmentTable.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <type_traits>

namespace {

void fillTable(SegmentRecord *table)
{
    const double pi = 3.14159265358979;
    int row = 0;
    qint32 atX = 0, atY = 0;
    auto add = [&](qint32 type, qint32 toX, qint32 toY, qint32 i, qint32 j) {
        SegmentRecord &r = table[row++];
        r.type = type;
        r.x = toX - atX;
        r.y = toY - atY;
        r.i = i;
        r.j = j;
        atX = toX;
        atY = toY;
    };
    for (int part = 0; part < 1000; ++part) {
        const qint32 cx = (part % 40) * 5000;
        const qint32 cy = (part / 40) * 5000;
        add(0, cx + 2000, cy, 0, 0);
        for (int m = 1; m <= 27; ++m) {
            const double a = 2 * pi * (m % 27) / 27;
            add(1, cx + qint32(std::lround(2000 * std::cos(a))), cy + qint32(std::lround(2000 * std::sin(a))), 0, 0);
        }
        add(2, atX + 1000, atY, 500, 0);
        add(2, atX - 1000, atY, -500, 0);
    }
}

void fillTables()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (SegmentRecord *t : {cutSegments, editSegments, previewSegments, libSegments})
        fillTable(t);
}

// How each view is fitted and drawn again; the pierce-part view fits the
// rows it is given.
template <typename View> void fitView(View &v)
{
    if constexpr (std::is_same_v<View, KCKSimu>) {
        v.drawCK(0, kSegmentRows, 1, 1);
    } else {
        v.resetView();
        v.draw();
    }
}

template <typename View> std::unique_ptr<View> ready(const QSize &size)
{
    fillTables();
    auto view = std::make_unique<View>();
    if constexpr (std::is_same_v<View, KPreviewSimu>)
        view->previewEnabled = true;
    view->resize(size);
    fitView(*view);
    return view;
}

template <typename View> void paint(benchmark::State &state, QSize size)
{
    auto view = ready<View>(size);
    QImage image(size, QImage::Format_ARGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        view->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

template <typename View> void fitDraw(benchmark::State &state, QSize size)
{
    auto view = ready<View>(size);
    for (auto _ : state)
        fitView(*view);
}

template <typename View> void laterDraw(benchmark::State &state, QSize size)
{
    auto view = ready<View>(size);
    for (auto _ : state)
        view->draw();
}

template <typename View> void registerView(const std::string &name, QSize size)
{
    const auto each = [&](const std::string &what, void (*run)(benchmark::State &, QSize)) {
        benchmark::RegisterBenchmark((what + "/" + name).c_str(), [run, size](benchmark::State &s) { run(s, size); })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5);
    };
    each("paint", &paint<View>);
    each("fitDraw", &fitDraw<View>);
    each("laterDraw", &laterDraw<View>);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerView<KSimu>("KSimu", QSize(572, 640));
    registerView<KJBSimu>("KJBSimu", QSize(178, 160));
    registerView<KEditSimu>("KEditSimu", QSize(500, 440));
    registerView<KPreviewSimu>("KPreviewSimu", QSize(500, 440));
    registerView<KLibSimu>("KLibSimu", QSize(572, 500));
    registerView<KCKSimu>("KCKSimu", QSize(178, 160));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
