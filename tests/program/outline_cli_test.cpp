// quillon-nc outline over generated programs: every *.outline file in
// tests/program/golden/ is one case. Its input is made by running
// `quillon-nc generate` for each "generate:" line (the blocks follow one
// another) and adding each "input:" line as written; the outline of that
// program is compared with the block between "--- expect" and "--- end".
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/cli_run.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;
using testing_support::RunVerb;

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
      c.generate.push_back(testing_support::SplitArgs(testing_support::WithData(line.substr(9))));
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
  const fs::path dir = fs::path(testing_support::TestData()) / "program" / "golden";
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
      const auto run = RunVerb("generate", c.generate[g++]);
      ASSERT_EQ(run.exit, kExitOk) << c.path << ": " << run.err;
      program += run.out;
    } else {
      program += c.inputs[i++] + "\r\n";
    }
  }
  const auto run = RunVerb("outline", {}, program);
  EXPECT_EQ(run.exit, kExitOk);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, c.expected) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Files, OutlineGoldenTest, ::testing::ValuesIn(AllCases()), testing_support::kRowName);

// Guards against the golden folder silently not being found.
TEST(OutlineGoldenDiscovery, FindsTheCases) { EXPECT_GE(AllCases().size(), 4u); }

}  // namespace
}  // namespace quillon::cli
