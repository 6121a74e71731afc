// The one judge of entries: what a box may hold where a number belongs.
#include "numbers/entry_check.h"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

struct EntryCase {
  const char* name;
  const char* text;
  EntryKind kind;
  double value;  // when not NotANumber
};

// Guards against the lenient reading slipping back in: a near-number
// ("x4O", "--3..0", "12mm") accepted and read as its leading digits or as 0,
// a plain number refused, or an empty box no longer meaning 0.
class EntryJudgeTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryJudgeTest, JudgesAndReads) {
  const EntryCase& c = GetParam();
  EXPECT_EQ(JudgeEntry(c.text), c.kind);
  EXPECT_EQ(IsAcceptableEntry(c.text), c.kind != EntryKind::NotANumber);
  const auto value = EntryValue(c.text);
  if (c.kind == EntryKind::NotANumber) {
    EXPECT_FALSE(value.has_value());
  } else {
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, c.value);
  }
}

constexpr auto N = EntryKind::Number;
constexpr auto E = EntryKind::Empty;
constexpr auto X = EntryKind::NotANumber;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, EntryJudgeTest, ::testing::Values(
  // numbers
  EntryCase{"Whole",               "150",       N, 150},
  EntryCase{"Fraction",            "0.15",      N, 0.15},
  EntryCase{"Negative",            "-35",       N, -35},
  EntryCase{"PlusSign",            "+2.5",      N, 2.5},
  EntryCase{"LeadingPoint",        ".5",        N, 0.5},
  EntryCase{"NegativeLeadingPoint","-.5",       N, -0.5},
  EntryCase{"TrailingPoint",       "5.",        N, 5},
  EntryCase{"BlanksAround",        "  12 ",     N, 12},
  EntryCase{"TabsAround",          "\t7\t",     N, 7},
  EntryCase{"LeadingZeros",        "007",       N, 7},
  EntryCase{"NegativeZero",        "-0",        N, 0},
  // empties keep their meaning of 0
  EntryCase{"Empty",               "",          E, 0},
  EntryCase{"OnlyBlanks",          "   ",       E, 0},
  EntryCase{"OnlyTab",             "\t",        E, 0},
  // near-numbers the lenient reader took for numbers
  EntryCase{"Letters",             "abc",       X, 0},
  EntryCase{"LetterOForZero",      "x4O",       X, 0},
  EntryCase{"DoubleSignTwoPoints", "--3..0",    X, 0},
  EntryCase{"Unit",                "12mm",      X, 0},
  EntryCase{"LeadingLetter",       "X40",       X, 0},
  EntryCase{"TwoPoints",           "1.2.3",     X, 0},
  EntryCase{"Exponent",            "1e5",       X, 0},
  EntryCase{"DecimalComma",        "1,5",       X, 0},
  EntryCase{"BlankInside",         "1 000",     X, 0},
  EntryCase{"SignAfterBlank",      "- 5",       X, 0},
  EntryCase{"SignOnly",            "-",         X, 0},
  EntryCase{"PointOnly",           ".",         X, 0},
  EntryCase{"SignAndPoint",        "+.",        X, 0},
  EntryCase{"TrailingSign",        "5-",        X, 0},
  EntryCase{"Hexadecimal",         "0x10",      X, 0},
  EntryCase{"LineFeedInside",      "1\n2",      X, 0},
  EntryCase{"NotANumberWord",      "nan",       X, 0},
  EntryCase{"InfinityWord",        "inf",       X, 0},
  EntryCase{"FullWidthDigit",      "\xEF\xBC\x95", X, 0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Guards against a number too long for a double passing as one: it would
// read back as infinity or 0, the same silent wrong value as a letter.
TEST(EntryJudgeEdgeTest, DigitsBeyondADoubleAreRefused) {
  const std::string huge(400, '9');
  EXPECT_EQ(JudgeEntry(huge), EntryKind::NotANumber);
  const std::string large(300, '9');
  EXPECT_EQ(JudgeEntry(large), EntryKind::Number);
}

struct MessageCase {
  const char* name;
  const char* field;
  const char* text;
  const char* message;
};

// Guards against the message naming another field, dropping the typed text
// or changing its fixed wording (scripts match the command line's line).
class NotANumberMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(NotANumberMessageTest, NamesFieldAndText) {
  EXPECT_EQ(NotANumberMessage(GetParam().field, GetParam().text), GetParam().message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Messages, NotANumberMessageTest, ::testing::Values(
  MessageCase{"CommandLineField", "StartX",          "abc",  "StartX: 'abc' is not a number"},
  MessageCase{"DialogLabel",      "Start Point X",   "x4O",  "Start Point X: 'x4O' is not a number"},
  MessageCase{"TextKeptAsTyped",  "T",               " 1a ", "T: ' 1a ' is not a number"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quillon
