// The command line's renumber, shift and replace over the whole 27 MB
// benchmark program: read from a real file, written to a real file in a
// temporary folder, as `quillon-nc VERB FILE > OUT` does.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench_program.h"
#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"

namespace {

namespace fs = std::filesystem;
using namespace quillon::cli;

// The input file, written once; removed with its folder at exit.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillon-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    m_folder = pattern;
    const std::string bytes = quillon::bench::ProgramBytes(1'000'000);
    std::ofstream(input(), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~BenchFolder() { fs::remove_all(m_folder); }
  std::string input() const { return (m_folder / "program.min").string(); }
  std::string output() const { return (m_folder / "out.min").string(); }

 private:
  fs::path m_folder;
};

const BenchFolder& Folder() {
  static const BenchFolder folder;
  return folder;
}

using Verb = int (*)(const Args&, ByteSource&, ByteSink&, std::ostream&);

void WholeFile(benchmark::State& state, Verb verb, Args args) {
  const BenchFolder& folder = Folder();
  args.push_back(folder.input());
  const auto inputBytes = static_cast<std::int64_t>(fs::file_size(folder.input()));
  for (auto _ : state) {
    const int fd = ::open(folder.output().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    FdSource noInput(-1);
    FdSink sink(fd);
    std::ostringstream err;
    if (verb(args, noInput, sink, err) != kExitOk) state.SkipWithError(err.str().c_str());
    ::close(fd);
  }
  state.SetBytesProcessed(state.iterations() * inputBytes);
}

BENCHMARK_CAPTURE(WholeFile, Renumber, RunRenumber, Args{"--digits", "4"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeFile, ShiftX, RunShift, Args{"--word", "X", "--calc", "*0.8"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeFile, ReplaceM08, RunReplace, Args{"--find", "M08", "--with", "M09"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeFile, ReplaceXByXX, RunReplace, Args{"--find", "X", "--with", "XX"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
