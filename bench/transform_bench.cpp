// Renumbering, size shift and replace over a program of a million lines
// (27 MB with CR LF ends, 27 bytes a line), and over an editor-sized one (65000 bytes).
#include <benchmark/benchmark.h>

#include <string>

#include "document/text_file.h"
#include "transform/replace.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"

namespace {

using namespace quillon;

// A mix of what the generators write: tool calls, contour lines, labels,
// comments and TAB lines; every line but the comment and TAB carries an X.
std::string ProgramBytes(std::size_t lines) {
  // clang-format off
  static const char* const kLines[] = {
      "N000 G00 X100. Z5. T0101 M08\r\n",
      "NT05     X80. G96 S150 M3 M41\r\n",
      "N000 G01 X123.456 Z-45.2 F0.25\r\n",
      "N000     X50.5 Z-20. F0.2\r\n",
      "(-----< OD.ROUGH FINISH >-----)\r\n",
      "N000 G01 X60.5 Z-60.25 F0.15\r\n",
      "\t\r\n",
      "N000 G00 X200. Z200. M09 M05\r\n",
  };
  // clang-format on
  std::string bytes;
  bytes.reserve(lines * 27);
  for (std::size_t k = 0; k < lines; ++k) bytes += kLines[k % std::size(kLines)];
  return bytes;
}

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
