// quillon-nc renumber / shift / replace as streams: mixed line ends, runs that
// change nothing, standard input against a named file over many blocks, and
// failures of reading and writing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_verbs.h"
#include "document/text_file.h"
#include "transform/replace.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;

std::string DataPath(const std::string& name) {
  const char* root = std::getenv("QUILLON_TEST_DATA");
  return std::string(root ? root : "tests") + "/transform/golden/" + name;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  EXPECT_TRUE(file) << path;
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

using Verb = int (*)(const Args&, std::istream&, std::ostream&, std::ostream&);

struct StreamGoldenCase {
  const char* name;
  Verb verb;
  std::vector<std::string> args;  // the input file is appended
  const char *input, *expected;   // expected: golden output file; nullptr: no output
  const char* message;            // standard error
  int exitCode;
};

// Guards against line ends made uniform (each line keeps its own), a lone CR
// taken for a line end, a run that changes nothing not writing its input back
// byte for byte, and a failing calculation writing part of the output.
class StreamGoldenTest : public ::testing::TestWithParam<StreamGoldenCase> {};

TEST_P(StreamGoldenTest, MatchesTheGoldenFile) {
  const auto& c = GetParam();
  Args args = c.args;
  args.push_back(DataPath(c.input));
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(c.verb(args, in, out, err), c.exitCode) << err.str();
  EXPECT_EQ(out.str(), c.expected ? ReadBytes(DataPath(c.expected)) : "");
  EXPECT_EQ(err.str(), c.message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Golden, StreamGoldenTest, ::testing::Values(
    // name                   verb         args                              input                   expected                   stderr                   exit
    // M02 on the label line restarts at 1; "X\r40" is one line
    StreamGoldenCase{"RenumberMixed",  RunRenumber, {},                                "mixed_ends.min",       "mixed_renumber.expected", "",                      0},
    // X followed by a lone CR has no number
    StreamGoldenCase{"ShiftMixed",     RunShift,    {"--word", "X", "--calc", "*2"},   "mixed_ends.min",       "mixed_shift.expected",    "4 times size shifted.\n", 0},
    StreamGoldenCase{"ReplaceMixed",   RunReplace,  {"--find", "X", "--with", "U"},    "mixed_ends.min",       "mixed_replace.expected",  "6 times replaced.\n",   0},
    StreamGoldenCase{"RenumberNothing",RunRenumber, {},                                "unnumbered_mixed.min", "unnumbered_mixed.min",    "",                      0},
    StreamGoldenCase{"AfterLastLine",  RunRenumber, {"--after-line", "99"},            "mixed_ends.min",       "mixed_ends.min",          "",                      0},
    StreamGoldenCase{"ShiftNothing",   RunShift,    {"--word", "Q", "--calc", "1"},    "mixed_ends.min",       "mixed_ends.min",          "\"Q\" not find.\n",     0},
    StreamGoldenCase{"ReplaceNothing", RunReplace,  {"--find", "Q", "--with", "R"},    "mixed_ends.min",       "mixed_ends.min",          "\"Q\" not find.\n",     0},
    // 10 * 1e14 reaches 1e15: nothing is written
    StreamGoldenCase{"ShiftTooLarge",  RunShift,    {"--word", "X", "--calc", "*1e14"},"mixed_ends.min",       nullptr,
                     "Line 2: \"X10.\" cannot be calculated with \"*1e14\". Nothing changed.\n",                                                            3}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

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
  const char* name;
  std::vector<std::string> args;  // the verb first
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
  const fs::path dir = fs::temp_directory_path() / ("quillon-stream-" + std::string(c.name));
  fs::create_directories(dir);
  const std::string bytes = BigProgram();
  std::ofstream((dir / "in.min").string(), std::ios::binary) << bytes;
  const std::string nc = std::string(std::getenv("QUILLON_APP_DIR")) + "/quillon-nc" + Quoted(c.args);
  const std::string in = (dir / "in.min").string();
  ASSERT_EQ(std::system(("cat '" + in + "' |" + nc + " >'" + in + ".piped' 2>/dev/null").c_str()), 0);
  ASSERT_EQ(std::system((nc + " '" + in + "' >'" + in + ".file' 2>/dev/null").c_str()), 0);
  const std::string piped = ReadBytes(in + ".piped");
  EXPECT_NE(piped, bytes);
  EXPECT_TRUE(piped == ReadBytes(in + ".file"));
  EXPECT_TRUE(piped == WholeTextRun(c.args, bytes));
  fs::remove_all(dir);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Verbs, BigStreamTest, ::testing::Values(
    BigCase{"Renumber",     {"renumber"}},
    BigCase{"RenumberStop", {"renumber", "--stop-m02"}},
    BigCase{"Shift",        {"shift", "--word", "X", "--calc", "*0.8"}},
    BigCase{"ShiftDeferred",{"shift", "--word", "Z", "--calc", "*1e6"}},
    BigCase{"Replace",      {"replace", "--find", "X", "--with", "XX"}},
    BigCase{"ReplaceCr",    {"replace", "--find", "X\r", "--with", "Q"}},
    BigCase{"ReplaceIntoLf",{"replace", "--find", "M08", "--with", "M08\nG04"}},
    BigCase{"ReplaceLf",    {"replace", "--find", "1\n", "--with", "1\nN"}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

struct FailureCase {
  const char* name;
  const char* shell;    // {nc} is quillon-nc, {in} a small program
  const char* message;  // how standard error starts
};

// Guards against a full disk, a closed pipe or an unreadable input ending as
// a success (or as a crash) instead of a message and exit 1.
class StreamFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StreamFailureTest, ReportedWithExitOne) {
  const auto& c = GetParam();
  const fs::path dir = fs::temp_directory_path() / ("quillon-fail-" + std::string(c.name));
  fs::create_directories(dir);
  std::ofstream((dir / "in.min").string(), std::ios::binary) << BigProgram();
  std::string shell = c.shell;
  const auto put = [&shell](const std::string& key, const std::string& value) {
    for (auto at = shell.find(key); at != std::string::npos; at = shell.find(key)) shell.replace(at, key.size(), value);
  };
  put("{nc}", std::string(std::getenv("QUILLON_APP_DIR")) + "/quillon-nc");
  put("{in}", (dir / "in.min").string());
  put("{dir}", dir.string());
  const std::string rc = (dir / "rc").string(), err = (dir / "err").string();
  ASSERT_EQ(std::system(("(" + shell + " 2>'" + err + "'; echo $? >'" + rc + "') | true").c_str()), 0);
  EXPECT_EQ(ReadBytes(rc), "1\n");
  EXPECT_EQ(ReadBytes(err).substr(0, std::string(c.message).size()), c.message);
  fs::remove_all(dir);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, StreamFailureTest, ::testing::Values(
    FailureCase{"DiskFull",     "{nc} replace --find X --with Y {in} >/dev/full", "cannot write standard output: "},
    FailureCase{"ClosedPipe",   "{nc} renumber {in}",                              "cannot write standard output: "},
    FailureCase{"Directory",    "{nc} shift --word X --calc 1 {dir} >/dev/null",  "cannot read "},
    FailureCase{"ClosedStdin",  "{nc} renumber <&- >/dev/null",                    "cannot read standard input: "},
    FailureCase{"VersionFull",  "{nc} --version >/dev/full",                       "cannot write standard output"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon::cli
