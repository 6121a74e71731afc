// Golden runs of quillon-nc generate: every *.golden file under a golden/ folder of the test tree is one case (format:
// tests/process/golden/README.md), run through the same function the command line calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;

using testing_support::ReplaceAll;
using testing_support::TestData;

struct GoldenCase {
  std::string path;  // the file
  std::string name;  // test name made from its path
  Args args;
  int exit = kExitOk;
  std::string stderrText;  // expected standard error, lines joined by "\n", no final line end
  std::string expected;    // expected standard output with "\n" line ends
  std::string problem;     // why the file could not be read
};

// Failure messages name the file instead of dumping the struct's bytes.
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.path; }

GoldenCase ReadGoldenFile(const fs::path& file, const fs::path& root) {
  GoldenCase c;
  c.path = file.string();
  std::string rel = fs::relative(file, root).replace_extension().generic_string();
  for (char& ch : rel)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  c.name = rel;

  const std::string bytes = testing_support::ReadFile(file.string());
  if (bytes.find('\r') != std::string::npos) {
    c.problem = "golden files keep LF line ends (CR found)";
    return c;
  }
  const std::string data = TestData();
  std::istringstream lines(bytes);
  std::string line, argsText;
  bool sawExpect = false, sawEnd = false, sawStderr = false, finalLineEnd = true;
  std::vector<std::string> block;
  while (std::getline(lines, line)) {
    if (!sawExpect) {
      if (line.empty() || line[0] == '#') continue;
      if (line.starts_with("args:"))
        argsText += " " + line.substr(5);
      else if (line.starts_with("exit:"))
        c.exit = std::atoi(line.c_str() + 5);
      else if (line.starts_with("stderr:")) {
        if (sawStderr) c.stderrText += "\n";
        sawStderr = true;
        c.stderrText += ReplaceAll(line.substr(line.size() > 7 && line[7] == ' ' ? 8 : 7), "{data}", data);
      } else if (line == "--- expect")
        sawExpect = true;
      else {
        c.problem = "unknown line before \"--- expect\": " + line;
        return c;
      }
      continue;
    }
    if (line == "--- end" || line == "--- end-no-eol") {
      finalLineEnd = line == "--- end";
      sawEnd = true;
      break;
    }
    block.push_back(line);
  }
  if (!sawExpect || !sawEnd) {
    c.problem = "needs \"--- expect\" and \"--- end\" lines";
    return c;
  }
  c.args = testing_support::SplitArgs(ReplaceAll(argsText, "{data}", data), &c.problem);
  if (c.args.empty() && c.problem.empty()) c.problem = "no args";
  for (const auto& l : block) c.expected += l + "\n";
  if (!finalLineEnd && !c.expected.empty()) c.expected.pop_back();
  return c;
}

std::vector<GoldenCase> DiscoverGoldenCases() {
  std::vector<GoldenCase> cases;
  const fs::path root = TestData();
  std::error_code ec;
  if (root.empty() || !fs::is_directory(root, ec)) return cases;
  for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator(); ++it) {
    const fs::path& p = it->path();
    if (it->is_regular_file() && p.extension() == ".golden" && p.parent_path().filename() == "golden")
      cases.push_back(ReadGoldenFile(p, root));
  }
  std::sort(cases.begin(), cases.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return cases;
}

const std::vector<GoldenCase>& AllCases() {
  static const std::vector<GoldenCase> cases = DiscoverGoldenCases();
  return cases;
}

// Guards against generated blocks drifting from the hand-derived expectations and against line ends other than CR LF on
// standard output.
class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, MatchesTheFile) {
  const GoldenCase& c = GetParam();
  ASSERT_TRUE(c.problem.empty()) << c.path << ": " << c.problem;
  std::ostringstream out, err;
  const int exit = RunGenerate(c.args, out, err);
  EXPECT_EQ(exit, c.exit) << c.path << "\nstderr: " << err.str();

  std::string errText = err.str();
  if (!errText.empty() && errText.back() == '\n') errText.pop_back();
  EXPECT_EQ(errText, c.stderrText) << c.path;

  const std::string bytes = out.str();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool lf = bytes[i] == '\n', cr = bytes[i] == '\r';
    ASSERT_FALSE(lf && (i == 0 || bytes[i - 1] != '\r')) << c.path << ": bare LF at byte " << i;
    ASSERT_FALSE(cr && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) << c.path << ": bare CR at byte " << i;
  }
  EXPECT_EQ(ReplaceAll(bytes, "\r\n", "\n"), c.expected) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenTest, ::testing::ValuesIn(AllCases()), testing_support::kRowName);

// Guards against the discovery silently finding nothing (a moved folder or a missing QUILLON_TEST_DATA would otherwise
// pass with zero cases).
TEST(GoldenDiscovery, FindsTheCasesOfBothFolders) {
  const auto& cases = AllCases();
  auto count = [&](const char* prefix) {
    return std::count_if(cases.begin(), cases.end(), [&](const GoldenCase& c) { return c.name.starts_with(prefix); });
  };
  EXPECT_GE(count("process_rotary_golden_ugc"), 5);
  EXPECT_GE(count("process_rotary_golden_mt"), 4);
  EXPECT_GE(count("process_golden_"), 2);
}

}  // namespace
}  // namespace quillon::cli
