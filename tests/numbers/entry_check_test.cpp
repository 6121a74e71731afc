// The one judge of entries: what a box may hold where a number belongs.
#include "numbers/entry_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "numbers/nc_number.h"
#include "support/case_suite.h"

namespace quillon {
namespace {

struct EntryCase {
  std::string name, text, kindName;
  double value;  // when not NotANumber
  EntryKind kind() const {
    static const std::map<std::string, EntryKind> kKinds{
        {"Number", EntryKind::Number}, {"Empty", EntryKind::Empty}, {"NotANumber", EntryKind::NotANumber}};
    return kKinds.at(kindName);
  }
};

// Guards against the lenient reading slipping back in: a near-number ("x4O", "--3..0", "12mm") accepted and read as its
// leading digits or as 0, a plain number refused, or an empty box no longer meaning 0.
class EntryJudgeTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryJudgeTest, JudgesAndReads) {
  const EntryCase& c = GetParam();
  EXPECT_EQ(JudgeEntry(c.text), c.kind());
  EXPECT_EQ(IsAcceptableEntry(c.text), c.kind() != EntryKind::NotANumber);
  const auto value = EntryValue(c.text);
  if (c.kind() == EntryKind::NotANumber) {
    EXPECT_FALSE(value.has_value());
  } else {
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, c.value);
  }
}

QUILLON_CASE_SUITE(Entries, EntryJudgeTest, EntryCase, 4, "numbers/cases/entries.txt");

// Guards against a number too long for a double passing as one: it would read back as infinity or 0, the same silent
// wrong value as a letter.
TEST(EntryJudgeEdgeTest, DigitsBeyondADoubleAreRefused) {
  const std::string huge(400, '9');
  EXPECT_EQ(JudgeEntry(huge), EntryKind::NotANumber);
  const std::string large(300, '9');
  EXPECT_EQ(JudgeEntry(large), EntryKind::Number);
}

// Guards against an exponent misread when telling a number too large for a double (none) from one too close to 0
// (0): 1e310 written as 3410 digits and e-3100, and 1e-390 as the same digits and e-3800.
TEST(StrictNumberEdgeTest, ExponentDecidesTooLargeOrZero) {
  const std::string digits = "1" + std::string(3409, '0');
  EXPECT_EQ(ParseStrictNumber(digits + "e-3100"), std::nullopt);
  EXPECT_EQ(ParseStrictNumber(digits + "e-3800"), 0.0);
}

struct MessageCase {
  std::string name, field, text, message;
};

// Guards against the message naming another field, dropping the typed text or changing its fixed wording (scripts match
// the command line's line).
class NotANumberMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(NotANumberMessageTest, NamesFieldAndText) {
  EXPECT_EQ(NotANumberMessage(GetParam().field, GetParam().text), GetParam().message);
}

QUILLON_CASE_SUITE(Messages, NotANumberMessageTest, MessageCase, 4, "numbers/cases/not_a_number_messages.txt");

}  // namespace
}  // namespace quillon
