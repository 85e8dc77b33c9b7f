// "Calculate Equivalent Rates" through the real calculator window on the
// offscreen platform: the click's handler, the conversions, the calculation
// and the writes into both result boxes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "Forms.h"
#include "Handlers.h"
#include "Module1.h"
#include "OffscreenMain.h"
#include "frmPipeline.h"

namespace {

void CalculateEquivalentRates(benchmark::State& state) {
  using varnock::ui::Instance, varnock::ui::frmPipeline;
  Instance<frmPipeline>().Show();
  auto* calculate = Instance<frmPipeline>().Window()->findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
  const char* pressures[] = {"30", "45"};  // alternate, so that the results change every time
  int i = 0;
  for (auto _ : state) {
    varnock::Module1::strActual = pressures[i++ % 2];  // a few nanoseconds
    calculate->click();
  }
  Instance<frmPipeline>().Unload();
}

BENCHMARK(CalculateEquivalentRates)->Repetitions(10)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
