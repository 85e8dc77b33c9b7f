// The test record at 10,000 lines, each step beside its yardstick in the
// same run: writing and reading the same bytes with no formatting or
// parsing. Then what a technician waits for: opening the file and showing
// it in the record window, and drawing every page as a PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "OffscreenMain.h"
#include "Printing.h"
#include "Record.h"
#include "TestRecord.h"
#include "frmRecord.h"

namespace {

namespace record = varnock::record;
using varnock::ui::OpenRecord;

constexpr int kLines = 10'000;

record::Record Lines() {
  record::Record made{{"North yard, bay 2", "R. Ames", "pump off\nsump dry"}, {}};
  for (int i = 0; i < kLines; ++i) {
    record::Line line = record::Calculated("2026-12-09 14:05", "Line " + std::to_string(i), "own pair", 0.1, 15, 22.5);
    line.measured = record::ReadMeasured("0.05");
    line.remarks = "detector alarmed in 40 s, pump off";
    made.lines.push_back(std::move(line));
  }
  return made;
}

const QTemporaryDir folder;
const QString file = folder.filePath(QStringLiteral("record.csv"));
const std::string csv = record::ToCsv(Lines());

void CopyTheBytes(benchmark::State& state) {  // the yardstick
  for (auto _ : state) {
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(csv.data(), static_cast<qint64>(csv.size()));
    out.close();
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(in.readAll());
  }
}

void WriteAndReadTheRecord(benchmark::State& state) {
  const record::Record lines = Lines();
  for (auto _ : state) benchmark::DoNotOptimize(record::FromCsv(record::ToCsv(lines)));
}

void OpenAndShowInTheWindow(benchmark::State& state) {
  QFile out(file);
  out.open(QIODevice::WriteOnly);
  out.write(csv.data(), static_cast<qint64>(csv.size()));
  out.close();
  for (auto _ : state) {
    OpenRecord().Open(file);
    varnock::ui::Instance<varnock::ui::frmRecord>().ShowOn(nullptr);
    QApplication::processEvents();  // laid out and painted
    state.PauseTiming();
    varnock::ui::Instance<varnock::ui::frmRecord>().Unload();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

void DrawEveryPage(benchmark::State& state) {
  OpenRecord().Open(file);
  for (auto _ : state) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    varnock::ui::PaintRecord(writer, OpenRecord());
  }
}

BENCHMARK(CopyTheBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteAndReadTheRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAndShowInTheWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawEveryPage)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
