#pragma once
// What the process dialog holds (texts as typed) and what a generator reads
// from it (ProcessInput, numbers through the lenient reader).
#include <map>
#include <string>

namespace quillon {

// The sixteen entry boxes of frmProcess by control name, in control order.
inline constexpr const char* kProcessBoxes[] = {
    "ToolNumber", "V", "F", "D", "L", "U", "W", "C", "B", "SZ", "StartX", "StartZ", "StartC", "EndX", "EndZ", "EndC"};

// The dialog's contents: entry texts by control name plus the two option pairs.
struct ProcessDialogValues {
  std::map<std::string, std::string> texts;  // missing = empty box
  bool spindleCW = true;                     // SpindleCW chosen (else SpindleCCW)
  bool coolantOn = true;                     // CoolantON chosen (else CoolantOFF)
  std::string text(const std::string& box) const;
};

struct ProcessInput {
  double ToolNumber = 0;
  double V = 0;
  double F = 0;
  double D = 0;
  double L = 0;
  double U = 0;
  double W = 0;
  float C = 0;  // single precision: "2·C + 1" is computed in single precision
  double B = 0;
  double SZ = 0;
  double StartX = 0, StartZ = 0;
  float StartC = 0;
  double EndX = 0, EndZ = 0;
  float EndC = 0;
  std::string SpindleCode = " M03 M63";  // " M03 M63" (CW) or " M04 M63" (CCW)
  std::string CoolantCode = " M08";      // " M08" (ON) or " M09" (OFF)
};

// ReadProcessInput: every box read leniently (hidden boxes too).
ProcessInput ReadProcessInput(const ProcessDialogValues& values);

}  // namespace quillon
