// The number texts against the standard library's conversions on the same
// inputs: TextToReal against std::from_chars, FormatByPattern against
// std::to_chars(value, fixed, 4).
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

#include "NumberText.h"

namespace {

const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = {
      "30", "10", "0.2", "45", "327.7906", "5.196", "-0.5", "12.616666666666667", "1e3", "0.123456", "189.25", "3"};
  return texts;
}

const std::vector<double>& Values() {
  static const std::vector<double> values = {
      5.196152422706632, 327.79062121, 0.2, 12.616666666666667, 189.25, 0.0816496580927726, 423.1759, 3.0,
      0.00004,           15.4521};
  return values;
}

void TextToReal(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& text = Texts()[i++ % Texts().size()];
    benchmark::DoNotOptimize(varnock::TextToReal(text));
  }
  state.SetItemsProcessed(state.iterations());
}

void FromChars(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& text = Texts()[i++ % Texts().size()];
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
  }
  state.SetItemsProcessed(state.iterations());
}

void FormatByPattern(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(varnock::FormatByPattern(Values()[i++ % Values().size()], "###0.0###"));
  }
  state.SetItemsProcessed(state.iterations());
}

void ToCharsFixed4(benchmark::State& state) {
  std::size_t i = 0;
  char buffer[400];
  for (auto _ : state) {
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, Values()[i++ % Values().size()], std::chars_format::fixed, 4);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(TextToReal);
BENCHMARK(FromChars);
BENCHMARK(FormatByPattern);
BENCHMARK(ToCharsFixed4);

}  // namespace

BENCHMARK_MAIN();
