// Recovery files: what a run writes reads back whole, and nothing torn, foreign or mistaken for one is offered.
#include "document/recovery_file.h"

#include <gtest/gtest.h>

#include "support/case_suite.h"

namespace quillon {
namespace {

struct FileCase {
  const char* name;
  std::string bytes;
  bool readable, writes;
  std::string path, caption, style;
  double changedMs;
  std::string text;
};

// Guards against: a torn file read as a shorter program, a header value or text byte lost or changed, a path with a
// line end breaking the header, and a foreign file offered as a document.
class RecoveryFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(RecoveryFileTest, ReadsBackOrRefuses) {
  const auto& c = GetParam();
  const std::optional<RecoveryRecord> r = ReadRecoveryFile(c.bytes);
  ASSERT_EQ(r.has_value(), c.readable);
  if (!r) return;
  EXPECT_EQ(r->path, c.path);
  EXPECT_EQ(r->caption, c.caption);
  EXPECT_EQ(r->style == LineEndStyle::Lf ? "LF" : "CRLF", c.style);
  EXPECT_EQ(r->changedMs, static_cast<std::int64_t>(c.changedMs));
  EXPECT_EQ(r->text, c.text);
  const std::string again = WriteRecoveryFile(*r);
  EXPECT_EQ(again == c.bytes, c.writes);
  EXPECT_EQ(ReadRecoveryFile(again)->text, c.text);
}

QUILLON_CASE_SUITE(Rows, RecoveryFileTest, FileCase, 9, "document/cases/recovery_files.txt");

struct NameCase {
  const char* name;
  std::string fileName, run;
};

// Guards against: another file in the folder taken for a run's copy, and a copy credited to the wrong run (whose lock
// then decides whether it is offered).
class RecoveryNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RecoveryNameTest, NamesItsRun) {
  const auto& c = GetParam();
  EXPECT_EQ(RecoveryFileRun(c.fileName).value_or(""), c.run);
  if (!c.run.empty()) {
    EXPECT_EQ(RecoveryFileName(c.run, 7), c.run + "-7.qrec");
  }
}

QUILLON_CASE_SUITE(Rows, RecoveryNameTest, NameCase, 3, "document/cases/recovery_names.txt");

}  // namespace
}  // namespace quillon
