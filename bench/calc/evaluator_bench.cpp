// Evaluation time of typical and of extreme keypad texts.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/evaluator.h"

namespace {

void Evaluate(benchmark::State& state, const std::string& text) {
    for (auto _ : state) benchmark::DoNotOptimize(aerlith::EvaluateExpression(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

// `count` operations: "1.5", then `count` times the operator and the next number.
std::string Chain(const std::string& step, int count) {
    std::string text = "1.5";
    for (int i = 0; i < count; ++i) text += step;
    return text;
}

void BM_Typical20(benchmark::State& state) { Evaluate(state, "(12.5+3.75)x2^3-14\\3"); }

void BM_Mixed1000Operators(benchmark::State& state) { Evaluate(state, Chain("+2x3-4/5", 250)); }

void BM_Sum100000(benchmark::State& state) { Evaluate(state, Chain("+1", 49998)); }

void BM_Mixed100000(benchmark::State& state) { Evaluate(state, Chain("+2x3-4/5", 12500)); }

void BM_Nested100000(benchmark::State& state) {
    Evaluate(state, std::string(50000, '(') + "7" + std::string(50000, ')'));
}

void BM_SignsThenDifferences100000(benchmark::State& state) {
    std::string text = "1";
    for (int i = 0; i < 16666; ++i) text += "+-1";
    for (int i = 0; i < 25000; ++i) text += "-1";
    Evaluate(state, text);
}

void BM_LongNumberBeforeSign100000(benchmark::State& state) {
    Evaluate(state, std::string(50000, '9') + "-2" + Chain("x1", 24998));
}

}  // namespace

BENCHMARK(BM_Typical20);
BENCHMARK(BM_Mixed1000Operators);
BENCHMARK(BM_Sum100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mixed100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Nested100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SignsThenDifferences100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongNumberBeforeSign100000)->Unit(benchmark::kMillisecond);
