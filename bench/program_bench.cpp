// Lexing and indexing the million-line program transform_bench uses (27 MB),
// against reading its lines and nothing else, and the cost of following one
// edited line against indexing the whole text again.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "bench_program.h"
#include "document/text_file.h"
#include "lex_lines.h"
#include "program/nc_lexer.h"
#include "program/program_index.h"

namespace {

using namespace quillon;

const std::string& BigProgram() {
  static const std::string text = DecodeProgramBytes(bench::ProgramBytes(1'000'000)).text;
  return text;
}

// The floor: finding every line of the text.
void SplitLinesOnly(benchmark::State& state) {
  const std::string& text = BigProgram();
  for (auto _ : state) {
    std::size_t lines = 0, start = 0;
    while (const void* lf = std::memchr(text.data() + start, '\n', text.size() - start)) {
      start = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) + 1;
      ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Every token of every line, nothing kept.
void LexOnly(benchmark::State& state) {
  const std::string& text = BigProgram();
  for (auto _ : state) benchmark::DoNotOptimize(bench::LexEveryLine(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void LexAndIndex(benchmark::State& state) {
  const std::string& text = BigProgram();
  std::size_t memory = 0, entries = 0;
  for (auto _ : state) {
    ProgramIndex index(text);
    memory = index.memoryBytes();
    entries = index.entries().size();
    benchmark::DoNotOptimize(index.entries().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["index_bytes_per_text_byte"] = static_cast<double>(memory) / static_cast<double>(text.size());
  state.counters["entries"] = static_cast<double>(entries);
}

// One keystroke's worth: a line in the middle typed over.
void ReplaceOneLine(benchmark::State& state) {
  ProgramIndex index(BigProgram());
  const std::string_view lines[] = {"NT07     X81. G96 S150 M3 M41"};
  for (auto _ : state) {
    index.replaceLines(500'001, 1, lines);
    benchmark::DoNotOptimize(index.entries().data());
  }
}

BENCHMARK(SplitLinesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(LexOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(LexAndIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceOneLine)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
