// quillon-nc calc FORM [--leave BOX] [BOX=VALUE]...: a calculator dialog
// filled from the command line, the focus leaving one box, and the result
// boxes printed.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_verbs.h"
#include "geometry/calculator_forms.h"
#include "geometry/spindle_speed.h"
#include "numbers/entry_check.h"

namespace quillon::cli {

namespace {

constexpr const char* kUsage =
    "usage: quillon-nc calc frmLineAngle|frmLineR|frmLineRLine|frmLineRPoint|frmCirclePoint|RPM "
    "[--leave BOX] [BOX=VALUE]...\n";

struct CalcArgs {
  std::string form;
  std::string leave;
  std::vector<std::pair<std::string, std::string>> boxes;  // in the order given
};

bool ParseCalcArgs(const Args& args, CalcArgs& parsed, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return false;
  }
  parsed.form = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--leave") {
      if (i + 1 >= args.size()) {
        err << "calc: --leave needs a box name\n";
        return false;
      }
      parsed.leave = args[++i];
      continue;
    }
    if (arg.rfind("--leave=", 0) == 0) {
      parsed.leave = arg.substr(8);
      continue;
    }
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0 || arg[0] == '-') {
      err << "calc: expected BOX=VALUE, got " << arg << "\n";
      return false;
    }
    parsed.boxes.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
  }
  if (parsed.leave.empty() && !parsed.boxes.empty()) parsed.leave = parsed.boxes.back().first;
  return true;
}

// An entry takes what a user could type and the dialog would accept.
bool AcceptEntry(const std::string& box, const std::string& value, std::ostream& err) {
  if (IsAcceptableEntry(value)) return true;
  err << NotANumberMessage(box, value) << "\n";
  return false;
}

bool IsTicked(const std::string& value) { return value == "1" || value == "True" || value == "true"; }

int RunRpm(const CalcArgs& parsed, std::ostream& out, std::ostream& err) {
  std::string v, diameter;
  for (const auto& [box, value] : parsed.boxes) {
    if ((box == "V" || box == "Diameter") && !AcceptEntry(box, value, err)) return kExitUsage;
    if (box == "V") {
      v = value;
    } else if (box == "Diameter") {
      diameter = value;
    } else {
      err << "calc: RPM has no entry " << box << "\n";
      return kExitUsage;
    }
  }
  if (!parsed.leave.empty() && parsed.leave != "V" && parsed.leave != "Diameter") {
    err << "calc: RPM has no entry " << parsed.leave << "\n";
    return kExitUsage;
  }
  // Enter in V only moves the focus; Enter in Diameter calculates.
  if (parsed.leave != "Diameter") return kExitOk;
  const RpmOutcome outcome = RpmEnterInDiameter(v, diameter);
  if (outcome.step == RpmStep::Insert) out << "insert=" << outcome.edit.text << "\n";
  return kExitOk;
}

// Sets one control the way a user could: typing into an entry, clicking an
// option or the check box. Result boxes are read-only and refused.
bool SetControl(const CalculatorForm& form, CalculatorFields& fields, const std::string& box, const std::string& value,
                std::ostream& err) {
  for (int entry : form.entries) {
    if (box == BoxName(entry)) {
      if (!AcceptEntry(box, value, err)) return false;
      fields.text[entry] = value;
      return true;
    }
  }
  for (int n = 1; n <= form.options; ++n) {
    if (box == "Option" + std::to_string(n)) {
      if (!IsTicked(value)) {
        err << "calc: an option is picked with " << box << "=1\n";
        return false;
      }
      fields.option = n;
      return true;
    }
  }
  if (form.hasCheck && box == "Check1") {
    fields.check1 = IsTicked(value);
    return true;
  }
  err << "calc: " << form.name << " has no entry " << box << "\n";
  return false;
}

bool IsControl(const CalculatorForm& form, const std::string& name) {
  for (int entry : form.entries)
    if (name == BoxName(entry)) return true;
  for (int n = 1; n <= form.options; ++n)
    if (name == "Option" + std::to_string(n)) return true;
  return (form.hasCheck && name == "Check1") || name == "Picture1";
}

}  // namespace

int RunCalc(const Args& args, std::ostream& out, std::ostream& err) {
  CalcArgs parsed;
  if (!ParseCalcArgs(args, parsed, err)) return kExitUsage;
  if (parsed.form == "RPM") return RunRpm(parsed, out, err);
  const CalculatorForm* form = FindCalculatorForm(parsed.form);
  if (!form) {
    err << "calc: unknown calculator " << parsed.form << "\n" << kUsage;
    return kExitUsage;
  }
  CalculatorFields fields;
  for (const auto& [box, value] : parsed.boxes)
    if (!SetControl(*form, fields, box, value, err)) return kExitUsage;
  if (!parsed.leave.empty() && !IsControl(*form, parsed.leave)) {
    err << "calc: " << form->name << " has no control " << parsed.leave << "\n";
    return kExitUsage;
  }

  const Calculation result = Recalculate(*form, fields, parsed.leave);
  for (int box : form->results)
    if (!result.fields.text[box].empty()) out << BoxName(box) << "=" << result.fields.text[box] << "\n";
  if (result.figure && !result.figure->text.empty()) out << "drawing=" << result.figure->text << "\n";
  return kExitOk;
}

}  // namespace quillon::cli
