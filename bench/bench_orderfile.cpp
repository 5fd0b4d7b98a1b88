// Writing and reading the lines of a full order: fifteen systems, ten note lines.
#include <benchmark/benchmark.h>

#include "order/orderfile.h"
#include "ordersamples.h"

namespace {

// The same full order the order file tests use: fifteen systems, every field set, ten note lines.
TOrder FullOrder() {
    return SampleOrder(kMaxSystems, kMaxNoteLines);
}

void BM_WriteOrderLines(benchmark::State& state) {
    const TOrder order = FullOrder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteOrderLines(order));
    }
}
BENCHMARK(BM_WriteOrderLines)->Unit(benchmark::kMicrosecond);

void BM_ReadOrderLines(benchmark::State& state) {
    const QStringList lines = WriteOrderLines(FullOrder());
    TOrder order;
    for (auto _ : state) {
        ReadOrderLines(order, lines);
        benchmark::DoNotOptimize(order);
    }
}
BENCHMARK(BM_ReadOrderLines)->Unit(benchmark::kMicrosecond);

}  // namespace
