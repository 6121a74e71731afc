// Renumbering, size shift and replace over a program of a million lines
// (27 MB with CR LF ends, 27 bytes a line), and over an editor-sized one (65000 bytes).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_program.h"
#include "document/text_file.h"
#include "transform/replace.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"

namespace {

using namespace quillon;
using quillon::bench::ProgramBytes;

const std::string& BigProgram() {
  static const std::string text = DecodeProgramBytes(ProgramBytes(1'000'000)).text;
  return text;
}

const std::string& EditorProgram() {
  static const std::string text = [] {
    std::string bytes = ProgramBytes(2500);
    bytes.resize(kMaxProgramFileBytes);
    return DecodeProgramBytes(bytes).text;
  }();
  return text;
}

void Renumber(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    ArrangeResult result = ArrangeSequenceNumbers(text, ArrangeOptions{}, 0);
    benchmark::DoNotOptimize(result.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void ShiftEveryX(benchmark::State& state, const std::string& text) {
  const ShiftCalculation calculation = ParseShiftCalculation("*0.8");
  for (auto _ : state) {
    ShiftRun run = ShiftAll(text, 0, "X", calculation);
    benchmark::DoNotOptimize(run.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void ReplaceXByXX(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    ReplaceRun run = ReplaceAll(text, 0, "X", "XX");
    benchmark::DoNotOptimize(run.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The command line's whole way: bytes in, line ends back on.
void RenumberFileBytes(benchmark::State& state) {
  const std::string bytes = ProgramBytes(1'000'000);
  for (auto _ : state) {
    DecodedText decoded = DecodeProgramBytes(bytes);
    std::string out = ApplyLineEnds(ArrangeSequenceNumbers(decoded.text, ArrangeOptions{}, 0).text, decoded.style);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK_CAPTURE(Renumber, MillionLines, BigProgram())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShiftEveryX, MillionLines, BigProgram())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplaceXByXX, MillionLines, BigProgram())->Unit(benchmark::kMillisecond);
BENCHMARK(RenumberFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Renumber, EditorSize, EditorProgram())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ShiftEveryX, EditorSize, EditorProgram())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReplaceXByXX, EditorSize, EditorProgram())->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
