// The program check on the million-line benchmark program (27 MB), beside
// indexing the same text in the same run, and the re-check the editor runs
// after a keystroke in a 65000-byte program.
#include <benchmark/benchmark.h>

#include <string>

#include "app/machine_parameters.h"
#include "bench_program.h"
#include "check/program_check.h"
#include "document/text_file.h"
#include "program/program_index.h"

namespace {

using namespace quillon;

const std::string& BigProgram() {
  static const std::string text = DecodeProgramBytes(bench::ProgramBytes(1'000'000)).text;
  return text;
}

// What the check builds on: the index alone.
void IndexOnly(benchmark::State& state) {
  const std::string& text = BigProgram();
  for (auto _ : state) {
    ProgramIndex index(text);
    benchmark::DoNotOptimize(index.entries().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// What `quillon-nc check` runs: index and check.
void CheckWholeProgram(benchmark::State& state) {
  const std::string& text = BigProgram();
  const MachineParameters machine;
  std::size_t findings = 0;
  for (auto _ : state) {
    const std::vector<Finding> found = CheckProgram(text, machine);
    findings = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["findings"] = static_cast<double>(findings);
}

// A keystroke in the editor: the typed line re-indexed, the whole program checked again.
void RecheckAfterKeystroke(benchmark::State& state) {
  std::string text = DecodeProgramBytes(bench::ProgramBytes(65'000 / 27)).text;
  ProgramIndex index(text);
  const MachineParameters machine;
  const std::size_t line = index.lineCount() / 2;
  const std::string_view typed[] = {"NT07     X81. G96 S150 M3 M41"};
  for (auto _ : state) {
    index.replaceLines(line, 1, typed);
    const std::vector<Finding> found = CheckProgram(text, index, machine);
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["text_bytes"] = static_cast<double>(text.size());
}

BENCHMARK(IndexOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckWholeProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(RecheckAfterKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
