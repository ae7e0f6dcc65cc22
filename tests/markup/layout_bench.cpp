// Speed of parsing and laying out the longest note, with the fixed-advance measurer: the
// engine's own cost, without GDI. Prints figures; it is no pass/fail test.
#include <benchmark/benchmark.h>

#include "tests/markup/bench_note.h"
#include "tests/markup/fake_measurer.h"
#include "window/markup/layout.h"
#include "window/markup/tokenizer.h"

namespace zevadar::markup {
namespace {

LayoutOptions Label(int height) {
    return {.width = 289,
            .height = height,
            .baseFont = {.face = "Tahoma", .height = -11},
            .baseColor = kGray};
}

void BM_Tokenize(benchmark::State& state) {
    const std::string note = testing::BenchNote();
    for (auto _ : state) {
        Tokenizer tokenizer(note);
        int tokens = 0;
        while (tokenizer.Next()) ++tokens;
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(note.size()));
}
BENCHMARK(BM_Tokenize);

// The note label (two lines, then the layout stops) and a label tall enough for all of it.
void BM_Layout(benchmark::State& state) {
    const std::string note = testing::BenchNote();
    testing::FakeMeasurer measurer;
    const LayoutOptions options = Label(static_cast<int>(state.range(0)));
    std::size_t items = 0;
    for (auto _ : state) {
        const DisplayList list = Layout(note, options, measurer);
        items = list.items.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(note.size()));
}
BENCHMARK(BM_Layout)->Arg(32)->Arg(4000);

}  // namespace
}  // namespace zevadar::markup
