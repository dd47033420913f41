#include "program/SegmentTable.h"

#include <benchmark/benchmark.h>

static void BM_PrefillAndCompact(benchmark::State &state)
{
    for (auto _ : state) {
        SegmentTable::prefill(cutSegments);
        for (int r = 0; r < kSegmentRows; ++r)
            cutSegments[r] = {r % 3 == 0 ? 1 : 0, r % 5, r % 7, 0, 0, {0, 0, 0, 0}};
        int n = SegmentTable::compact(cutSegments, kSegmentRows,
                                      [](const SegmentRecord &s) { return s.x != 0 || s.y != 0; });
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_PrefillAndCompact);

BENCHMARK_MAIN();
