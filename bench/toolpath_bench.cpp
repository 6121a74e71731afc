// Interpreting the million-line benchmark program (27 MB) into its toolpath,
// against lexing its lines and nothing else (the floor the interpreter
// stands on), and writing the segment table of the result.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench_program.h"
#include "document/text_file.h"
#include "lex_lines.h"
#include "program/nc_lexer.h"
#include "toolpath/plot.h"
#include "toolpath/toolpath.h"

namespace {

using namespace quillon;

const std::string& BigProgram() {
  static const std::string text = DecodeProgramBytes(bench::ProgramBytes(1'000'000)).text;
  return text;
}

void LexOnly(benchmark::State& state) {
  const std::string& text = BigProgram();
  for (auto _ : state) benchmark::DoNotOptimize(bench::LexEveryLine(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// The target: at least 50 MB/s.
void Interpret(benchmark::State& state) {
  const std::string& text = BigProgram();
  std::size_t segments = 0;
  for (auto _ : state) {
    const Toolpath path = InterpretToolpath(text, ToolpathPoint{500, 500});
    segments = path.segments.size();
    benchmark::DoNotOptimize(path.bounds);
  }
  state.counters["segments"] = static_cast<double>(segments);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void FormatText(benchmark::State& state) {
  const Toolpath path = InterpretToolpath(BigProgram(), ToolpathPoint{500, 500});
  for (auto _ : state) benchmark::DoNotOptimize(FormatToolpathText(path).size());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * path.segments.size()));
}

BENCHMARK(LexOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(Interpret)->Unit(benchmark::kMillisecond);
BENCHMARK(FormatText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
