// quillon-nc calc: the calculators from a script.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_verbs.h"
#include "support/param_name.h"

namespace quillon::cli {
namespace {

struct CalcCase {
  const char* name;
  Args args;
  int exit;
  const char* out;
};

// Guards against: entries landing in the wrong box, --leave ignored or its default not being the last box given, result
// boxes printed out of control order or when empty, the failure text missing, and bad usage accepted.
class CalcCliTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcCliTest, PrintsResultBoxes) {
  const auto& c = GetParam();
  std::ostringstream out, err;
  EXPECT_EQ(RunCalc(c.args, out, err), c.exit) << err.str();
  EXPECT_EQ(out.str(), c.out);
  if (c.exit != kExitOk) {
    EXPECT_FALSE(err.str().empty());
  }
}

const char* kImpossible = "drawing=Calculation is impossible!!\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CalcCliTest, ::testing::Values(
  // Z2 = 20 / 2 / tan 45 = 10, leaving Text4 (the last box given)
  CalcCase{"LineAngleLeavesLastBox", {"frmLineAngle", "Text1=0", "Text2=0", "Text3=45", "Text4=20"}, 0,
           "Text3=45\nText4=20\nText5=10\n"},
  // the same boxes, but the focus leaves Text3: nothing is computed
  CalcCase{"LeaveNamesAnotherBox", {"frmLineAngle", "--leave", "Text3", "Text1=0", "Text2=0", "Text3=45", "Text4=20"}, 0,
           "Text3=45\nText4=20\n"},
  CalcCase{"LineAngleAngle", {"frmLineAngle", "Text1=0", "Text2=0", "Text4=20", "Text5=-10"}, 0,
           "Text3=135\nText4=20\nText5=-10\n"},
  CalcCase{"LineR", {"frmLineR", "Text1=20", "Text2=0", "Text3=0", "Text4=20", "Text5=-20", "Text6=5"}, 0,
           "Text7=20\nText8=-25\nText9=0\nText10=5\nText11=20\nText12=-15\nText13=0\nText14=-5\n"},
  CalcCase{"LineRMiss", {"frmLineR", "Text1=20", "Text2=0", "Text3=0", "Text4=40", "Text5=-20", "Text6=5"}, 0,
           kImpossible},
  CalcCase{"LineRLineOption2", {"frmLineRLine", "Text1=20", "Text2=0", "Text3=0", "Text4=40", "Text5=-10", "Text6=90", "Text9=5", "Option2=1"}, 0,
           "Text7=20\nText8=-10\nText10=10\nText11=-15\nText12=20\nText13=-15\nText14=10\nText15=-10\nText16=-5\nText17=0\nText18=0\nText19=-5\n"},
  CalcCase{"LineRLineParallel", {"frmLineRLine", "Text1=20", "Text2=0", "Text3=30", "Text4=40", "Text5=-10", "Text6=30"}, 0,
           kImpossible},
  CalcCase{"LineRPoint", {"frmLineRPoint", "Text1=0", "Text2=0", "Text3=0", "Text4=4", "Text5=10", "Text8=5"}, 0,
           "Text6=10\nText7=6\nText9=0\nText10=6\nText11=5\nText12=0\n"},
  CalcCase{"CirclePoint45", {"frmCirclePoint", "Text1=20", "Text2=0", "Text3=5", "Text4=45"}, 0,
           "Text5=12.928\nText6=3.535\nText7=3.535\nText8=-3.536\n"},
  CalcCase{"RpmInserts", {"RPM", "V=100", "Diameter=20"}, 0, "insert=1590\n"},
  CalcCase{"RpmWithoutV", {"RPM", "Diameter=20"}, 0, ""},
  CalcCase{"RpmEnterInV", {"RPM", "Diameter=50", "V=150"}, 0, ""},
  CalcCase{"RpmLeaveDiameter", {"RPM", "--leave", "Diameter", "Diameter=50", "V=150"}, 0, "insert=950\n"},
  CalcCase{"UnknownForm", {"frmNothing", "Text1=1"}, 2, ""},
  CalcCase{"NoForm", {}, 2, ""},
  CalcCase{"ResultBoxIsReadOnly", {"frmLineR", "Text7=1"}, 2, ""},
  CalcCase{"NoSuchOption", {"frmLineRPoint", "Option3=1"}, 2, ""},
  CalcCase{"NoSuchLeave", {"frmLineRPoint", "--leave", "Check1", "Text1=1"}, 2, ""},
  CalcCase{"LeaveWithoutBox", {"frmLineR", "--leave"}, 2, ""},
  CalcCase{"NotAnAssignment", {"frmLineR", "Text1"}, 2, ""},
  CalcCase{"RpmUnknownBox", {"RPM", "S=1"}, 2, ""}
), testing_support::kRowName);
// clang-format on

}  // namespace
}  // namespace quillon::cli
