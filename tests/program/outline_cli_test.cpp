// quillon-nc outline over generated programs: every *.outline file in
// tests/program/golden/ is one case. Its input is made by running
// `quillon-nc generate` for each "generate:" line (the blocks follow one
// another) and adding each "input:" line as written; the outline of that
// program is compared with the block between "--- expect" and "--- end".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_verbs.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;

std::string TestData() {
  const char* dir = std::getenv("QUILLON_TEST_DATA");
  return dir ? dir : "";
}

// Blanks separate arguments; double quotes keep blanks inside one.
Args SplitArgs(const std::string& text) {
  Args args;
  std::string current;
  bool quoted = false, any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) args.push_back(current);
      current.clear();
      any = false;
    } else {
      current.push_back(c);
      any = true;
    }
  }
  if (any) args.push_back(current);
  return args;
}

std::string WithData(std::string text) {
  for (std::size_t at = text.find("{data}"); at != std::string::npos; at = text.find("{data}", at))
    text.replace(at, 6, TestData());
  return text;
}

struct OutlineCase {
  std::string path, name;
  std::vector<Args> generate;  // in file order with the inputs
  std::vector<std::string> inputs;
  std::vector<bool> order;  // true: next generate, false: next input
  std::string expected;
  std::string problem;
};
void PrintTo(const OutlineCase& c, std::ostream* os) { *os << c.path; }

OutlineCase ReadCase(const fs::path& file) {
  OutlineCase c;
  c.path = file.string();
  c.name = file.stem().string();
  std::replace_if(
      c.name.begin(), c.name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  std::ifstream in(file, std::ios::binary);
  std::string line;
  bool expect = false, ended = false;
  while (std::getline(in, line)) {
    if (line.find('\r') != std::string::npos) c.problem = "CR in a golden file";
    if (expect) {
      if (line == "--- end") {
        ended = true;
        break;
      }
      c.expected += line + "\n";
    } else if (line.empty() || line[0] == '#') {
      continue;
    } else if (line.starts_with("generate:")) {
      c.generate.push_back(SplitArgs(WithData(line.substr(9))));
      c.order.push_back(true);
    } else if (line.starts_with("input:")) {
      c.inputs.push_back(line.substr(line.size() > 6 && line[6] == ' ' ? 7 : 6));
      c.order.push_back(false);
    } else if (line == "--- expect") {
      expect = true;
    } else {
      c.problem = "unknown line: " + line;
    }
  }
  if (!ended) c.problem = "needs \"--- expect\" and \"--- end\"";
  return c;
}

std::vector<OutlineCase> Cases() {
  std::vector<OutlineCase> cases;
  const fs::path dir = fs::path(TestData()) / "program" / "golden";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec))
    if (entry.path().extension() == ".outline") cases.push_back(ReadCase(entry.path()));
  std::sort(cases.begin(), cases.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return cases;
}

const std::vector<OutlineCase>& AllCases() {
  static const std::vector<OutlineCase> cases = Cases();
  return cases;
}

// Guards against the outline of a generated program drifting: an entry
// lost or invented, a wrong line number, a title not trimmed, a tool word
// not as written.
class OutlineGoldenTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineGoldenTest, MatchesTheFile) {
  const OutlineCase& c = GetParam();
  ASSERT_TRUE(c.problem.empty()) << c.path << ": " << c.problem;
  std::string program;
  std::size_t g = 0, i = 0;
  for (bool isGenerate : c.order) {
    if (isGenerate) {
      std::ostringstream out, err;
      ASSERT_EQ(RunGenerate(c.generate[g++], out, err), kExitOk) << c.path << ": " << err.str();
      program += out.str();
    } else {
      program += c.inputs[i++] + "\r\n";
    }
  }
  std::istringstream in(program);
  std::ostringstream out, err;
  EXPECT_EQ(RunOutline({}, in, out, err), kExitOk);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(out.str(), c.expected) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Files, OutlineGoldenTest, ::testing::ValuesIn(AllCases()), testing_support::kRowName);

// Guards against the golden folder silently not being found.
TEST(OutlineGoldenDiscovery, FindsTheCases) { EXPECT_GE(AllCases().size(), 4u); }

struct UsageRow {
  const char* name;
  Args args;
  int exit;
  const char* err;
};

// Guards against bad usage reported as success, or a file argument read
// differently from standard input.
class OutlineUsageTest : public ::testing::TestWithParam<UsageRow> {};

TEST_P(OutlineUsageTest, ExitsAsDocumented) {
  const UsageRow& r = GetParam();
  Args args;
  for (const std::string& a : r.args) args.push_back(WithData(a));
  std::istringstream in("NT05 G00\r\nNEND M02\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunOutline(args, in, out, err), r.exit);
  EXPECT_EQ(err.str(), WithData(r.err));
  if (r.exit != kExitOk) {
    EXPECT_EQ(out.str(), "");
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Args, OutlineUsageTest, ::testing::Values(
    // name            args                                             exit        standard error
    UsageRow{"Stdin",        {},                                        kExitOk,    ""},
    UsageRow{"File",         {"{data}/transform/golden/lathe_lf.min"},  kExitOk,    ""},
    UsageRow{"Option",       {"--all"},                                 kExitUsage, "outline: unknown option --all\n"},
    UsageRow{"TwoFiles",     {"a.min", "b.min"},                        kExitUsage, "outline: more than one file given\n"},
    UsageRow{"MissingFile",  {"{data}/no/such.min"},                    kExitUsage, "cannot read {data}/no/such.min\n"}),
    testing_support::kRowName);
// clang-format on

}  // namespace
}  // namespace quillon::cli
