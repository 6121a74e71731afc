#include "process/process_input.h"

#include "numbers/nc_number.h"

namespace quillon {

std::string ProcessDialogValues::text(const std::string& box) const {
  auto it = texts.find(box);
  return it == texts.end() ? std::string() : it->second;
}

ProcessInput ReadProcessInput(const ProcessDialogValues& v) {
  auto num = [&](const char* box) { return ReadNumber(v.text(box)); };
  ProcessInput in;
  in.ToolNumber = num("ToolNumber");
  in.V = num("V");
  in.F = num("F");
  in.D = num("D");
  in.L = num("L");
  in.U = num("U");
  in.W = num("W");
  in.C = static_cast<float>(num("C"));
  in.B = num("B");
  in.SZ = num("SZ");
  in.StartX = num("StartX");
  in.StartZ = num("StartZ");
  in.StartC = static_cast<float>(num("StartC"));
  in.EndX = num("EndX");
  in.EndZ = num("EndZ");
  in.EndC = static_cast<float>(num("EndC"));
  in.SpindleCode = v.spindleCW ? " M03 M63" : " M04 M63";
  in.CoolantCode = v.coolantOn ? " M08" : " M09";
  return in;
}

}  // namespace quillon
