// Junction marking of a full cutting table, as every press of a speed key runs it.
#include "device/DeviceIo.h"
#include "device/KWriteDevice.h"
#include "program/SegmentTable.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// 1000 parts of 30 records: a rapid, a closed 27-gon of radius 20 mm and a
// circle of radius 10 mm in two clockwise halves.
void fillParts()
{
    SegmentTable::prefill(cutSegments);
    int row = 0;
    const double pi = std::acos(-1.0);
    for (int part = 0; part < 1000; ++part) {
        cutSegments[row++] = {SegType::Rapid, 5000, 300, 0, 0, {0, 0, 0, 0}};
        int x = 2000, y = 0;
        for (int k = 1; k <= 27; ++k) {
            const int nx = k == 27 ? 2000 : int(std::lround(2000 * std::cos(2 * pi * k / 27)));
            const int ny = k == 27 ? 0 : int(std::lround(2000 * std::sin(2 * pi * k / 27)));
            cutSegments[row++] = {SegType::Line, nx - x, ny - y, 0, 0, {0, 0, 0, 0}};
            x = nx;
            y = ny;
        }
        cutSegments[row++] = {SegType::ArcCW, 2000, 0, 1000, 0, {0, 0, 0, 0}};
        cutSegments[row++] = {SegType::ArcCW, -2000, 0, -1000, 0, {0, 0, 0, 0}};
    }
}

void BM_WriteEnt(benchmark::State &state)
{
    fillParts();
    std::array<int, KWriteDevice::kDescriptorCount> fds;
    fds.fill(DeviceIo::kNotOpen);
    KWriteDevice writer(fds, nullptr);
    writer.writePara(para_t{6000, int(state.range(0)), 300, 0, 1});
    for (auto _ : state) {
        writer.writeEnt();
        benchmark::ClobberMemory();
    }
}
// At 2000 mm/min the 27-gon's sides are shorter than the look-ahead; at 1000
// every junction is measured with its two directions.
BENCHMARK(BM_WriteEnt)->Arg(2000)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
