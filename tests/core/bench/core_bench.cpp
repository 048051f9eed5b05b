// Figures for the date-time text forms and fields; run the Release build's core_bench.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/datetime.h"
#include "core/datetime_text.h"

namespace {

// Moments spread over the range so that every text shape and many years show up.
std::vector<core::DateTime> Moments() {
    std::vector<core::DateTime> moments;
    for (int32_t i = 0; i < 1024; ++i) moments.push_back(-657434.0 + i * 3530.7331 + (i % 7) * 0.1111);
    return moments;
}

void BM_DateTimeToText(benchmark::State& state) {
    const std::vector<core::DateTime> moments = Moments();
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(core::DateTimeToText(moments[i++ % moments.size()]));
}
BENCHMARK(BM_DateTimeToText);

void BM_TextToDateTime(benchmark::State& state) {
    std::vector<core::Text> texts;
    for (core::DateTime moment : Moments()) texts.push_back(core::DateTimeToText(moment));
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(core::TextToDateTime(texts[i++ % texts.size()]));
}
BENCHMARK(BM_TextToDateTime);

void BM_FieldsOf(benchmark::State& state) {
    const std::vector<core::DateTime> moments = Moments();
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(core::FieldsOf(moments[i++ % moments.size()]));
}
BENCHMARK(BM_FieldsOf);

}  // namespace
