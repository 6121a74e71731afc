// quillon-nc renumber / shift / replace as streams: standard input against a named file over many blocks, and failures
// of reading and writing (mixed line ends and runs that change nothing: tests/cli/cases/stream_runs.txt).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/text_file.h"
#include "support/case_file.h"
#include "support/cli_run.h"
#include "support/param_name.h"
#include "transform/replace.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;

// A program of about 3 MB (more than ten read blocks) with program ends, long
// lines, lone CRs and words on both sides of every block edge.
const std::string& BigProgram() {
  static const std::string text = [] {
    // clang-format off
    static const char* const kLines[] = {
        "N000 G00 X100. Z5. T0101 M08\r\n", "NT05     X80. G96 S150 M3 M41\r\n", "G01 X12.3456 Z-4.5\r\n",
        "(COMMENT X1)\r\n", "\t\r\n", "\r\n", "N1 M02\r\n", "  X-0.0005 Z=3\r\n", "G01 X\r5\r\n", "N12 M300 M30\r\n",
    };
    // clang-format on
    std::string bytes;
    for (std::size_t k = 0; bytes.size() < 3'000'000; ++k) {
      bytes += kLines[k % std::size(kLines)];
      if (k % 997 == 0) bytes += "G01" + std::string(k % 5000, ' ') + "X7\r\n";
    }
    return bytes;
  }();
  return text;
}

struct BigCase {
  std::string name, command;  // the verb first
};

std::string Quoted(const std::vector<std::string>& args) {
  std::string line;
  for (const auto& a : args) line += " '" + a + "'";
  return line;
}

// What the dialogs make of the same text, the reference for the streams.
std::string WholeTextRun(const std::vector<std::string>& args, std::string_view bytes) {
  const DecodedText decoded = DecodeProgramBytes(bytes);
  std::string text;
  if (args[0] == "renumber")
    text = ArrangeSequenceNumbers(decoded.text, ArrangeOptions{.stopAtProgramEnd = args.size() > 1}, 0).text;
  else if (args[0] == "shift")
    text = ShiftAll(decoded.text, 0, args[2], ParseShiftCalculation(args[4])).text;
  else
    text = ReplaceAll(decoded.text, 0, args[2], args[4]).text;
  return ApplyLineEnds(text, decoded.style);
}

// Guards against standard input and a named file taking different ways, and
// against lines or words cut at the edges of the read blocks.
class BigStreamTest : public ::testing::TestWithParam<BigCase> {};

TEST_P(BigStreamTest, StandardInputMatchesTheFileRun) {
  const auto& c = GetParam();
  const Args args = testing_support::SplitArgs(c.command);
  const fs::path dir = fs::temp_directory_path() / ("quillon-stream-" + c.name + "-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string bytes = BigProgram();
  std::ofstream((dir / "in.min").string(), std::ios::binary) << bytes;
  const std::string nc = std::string(std::getenv("QUILLON_APP_DIR")) + "/quillon-nc" + Quoted(args);
  const std::string in = (dir / "in.min").string();
  ASSERT_EQ(std::system(("cat '" + in + "' |" + nc + " >'" + in + ".piped' 2>/dev/null").c_str()), 0);
  ASSERT_EQ(std::system((nc + " '" + in + "' >'" + in + ".file' 2>/dev/null").c_str()), 0);
  const std::string piped = ReadFile(in + ".piped");
  EXPECT_NE(piped, bytes);
  EXPECT_TRUE(piped == ReadFile(in + ".file"));
  EXPECT_TRUE(piped == WholeTextRun(args, bytes));
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Verbs, BigStreamTest,
                         ::testing::ValuesIn(testing_support::LoadCases<BigCase, 2>("cli/cases/big_stream.txt")),
                         testing_support::kRowName);

struct FailureCase {
  const char* name;
  const char* shell;    // {nc} is quillon-nc, {in} a program of about 3 MB
  const char* message;  // how standard error starts
};

// Guards against a full disk, a closed pipe or an unreadable input ending as
// a success (or as a crash) instead of a message and exit 1.
class StreamFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StreamFailureTest, ReportedWithExitOne) {
  const auto& c = GetParam();
  const fs::path dir =
      fs::temp_directory_path() / ("quillon-fail-" + std::string(c.name) + "-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream((dir / "in.min").string(), std::ios::binary) << BigProgram();
  using testing_support::ReplaceAll;
  const std::string shell =
      ReplaceAll(ReplaceAll(ReplaceAll(c.shell, "{nc}", std::string(std::getenv("QUILLON_APP_DIR")) + "/quillon-nc"),
                            "{in}", (dir / "in.min").string()),
                 "{dir}", dir.string());
  const std::string rc = (dir / "rc").string(), err = (dir / "err").string();
  ASSERT_EQ(std::system(("(" + shell + " 2>'" + err + "'; echo $? >'" + rc + "') | true").c_str()), 0);
  EXPECT_EQ(ReadFile(rc), "1\n");
  EXPECT_EQ(ReadFile(err).substr(0, std::string(c.message).size()), c.message);
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StreamFailureTest,
    ::testing::ValuesIn(testing_support::LoadCases<FailureCase, 3>("cli/cases/stream_failures.txt")),
    testing_support::kRowName);

}  // namespace
}  // namespace quillon::cli
