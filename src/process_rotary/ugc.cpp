#include "process_rotary/ugc.h"

#include <cmath>
#include <filesystem>

#include "numbers/nc_number.h"
#include "process/nc_block.h"

namespace quillon {

namespace {

// Fix: whole-number part toward zero (not floor: -2.5 gives -2).
double Fix(double x) { return std::trunc(x); }

// The index-position line of a head; the automatic door opens with M90.
std::string HomeLine(const MachineParameters& m) {
  return "N000 G00 X" + FormatNcNumber(double(m.HomeX)) + " Z" + FormatNcNumber(double(m.HomeZ)) +
         (m.AutoDoor ? " M90" : "");
}

}  // namespace

namespace {
using D = UgcDialogValues;
using V = UgcValues;
using K = KeptState;
// clang-format off
constexpr UgcBox kUgcBoxes[] = {
  // index name            caption           text       value             whole  kept           centre row col
  {9,     "PZero",        "P-Zero",         &D::Text9, &V::PZero,        false, &K::PZero,     false, 0,  0},
  {1,     "JawLength",    "Jaw Length",     &D::Text1, &V::JawLength,    false, &K::JawLength, false, 1,  0},
  {2,     "JawFace",      "Jaw face",       &D::Text2, &V::JawFace,      false, &K::JawFace,   false, 2,  0},
  {3,     "Length",       "Length",         &D::Text3, &V::Length,       true,  &K::Length,    false, 0,  1},
  {5,     "MaterialOD",   "Material OD",    &D::Text5, &V::MaterialOD,   true,  &K::MaterialOD, false, 1, 1},
  {4,     "MaterialID",   "Material ID",    &D::Text4, &V::MaterialID,   true,  &K::MaterialID, false, 2, 1},
  {8,     "CenterLength", "Center Length",  &D::Text8, &V::CenterLength, false, nullptr,       true,  0,  2},
  {7,     "CenterD",      "Center D",       &D::Text7, &V::CenterD,      false, nullptr,       true,  1,  2},
  {6,     "CenterHoleD",  "CenterHoleD",    &D::Text6, &V::CenterHoleD,  false, nullptr,       true,  2,  2},
};
// clang-format on
}  // namespace

std::span<const UgcBox> UgcBoxes() { return kUgcBoxes; }

const UgcBox* FindUgcBox(int index) {
  for (const UgcBox& b : kUgcBoxes)
    if (b.index == index) return &b;
  return nullptr;
}

UgcValues ReadUgcValues(const UgcDialogValues& d) {
  UgcValues v;
  for (const UgcBox& b : kUgcBoxes) {
    const double number = ReadNumber(d.*b.text);
    v.*b.value = b.wholeNumber ? Fix(number) : number;
  }
  return v;
}

UgcDialogValues KeptUgcValues(const KeptState& kept) {
  UgcDialogValues d;
  for (const UgcBox& b : kUgcBoxes)
    if (b.kept && kept.*b.kept) d.*b.text = ShortestNumberText(*(kept.*b.kept));
  return d;
}

std::string BuildOugcText(UgcValues& v, const UgcDialogValues& d) {
  const std::string sub = d.MainSpindle ? "" : "[S]";
  // The chuck grips the outside or the inside of the blank.
  double chuck = d.OD ? v.MaterialOD : v.MaterialID;

  std::string t;
  TabLine(t);
  Line(t, "----------< USER GRAPHIC COMMAND >----------");
  Line(t, "OUGC");
  Line(t, "NOEX VCHKX=" + FormatNcNumber(chuck) + " VCHKZ=" + FormatNcNumber(v.PZero - v.Length));
  Line(t, "NOEX VCHKD=" + FormatNcNumber(v.JawFace) + " VCHKL=" + FormatNcNumber(v.JawLength));
  if (d.Check1) {
    Line(t, "NOEX VTSDA=" + FormatNcNumber(v.CenterHoleD) + " VTSDB=" + FormatNcNumber(v.CenterD));
    Line(t, "NOEX VTSL=" + FormatNcNumber(v.CenterLength) + " VWKR=" + FormatNcNumber(v.PZero));
  } else if (d.MainSpindle) {
    // No centre: the work-rest position is parked out of the way.
    Line(t, "NOEX VWKR=9999");
  }
  Line(t, "N000 CLEAR");
  Line(t, "N000 DEF WORK" + sub);
  Line(t, "N000 PS RC,[" + FormatNcNumber(Fix(v.PZero)) + ",0],[" + FormatNcNumber(v.Length) + "," +
              FormatNcNumber(v.MaterialOD) + "]");
  if (v.MaterialID > 0)
    Line(t, "N000 PS RC,[" + FormatNcNumber(v.PZero) + ",0],[" + FormatNcNumber(v.Length) + "," +
                FormatNcNumber(v.MaterialID) + "],0");
  Line(t, "N000 END");
  if (d.Check2) {
    Line(t, "N000 DEF WORKF" + sub);
    Line(t, "N000 PF 0,[0,0]," + FormatNcNumber(v.MaterialOD) + ",D");
    if (v.MaterialID > 0) {
      Line(t, "N000 PF 0,[0,0]," + FormatNcNumber(v.MaterialID) + ",D,0");
      Line(t, "N000 PO [0," + FormatNcNumber(Fix(v.MaterialID / 2)) + "]");
      Line(t, "N000 CI [0,0],[0,-" + FormatNcNumber(Fix(v.MaterialID / 2)) + "],R,0");
    }
    Line(t, "N000 END");
  }
  Line(t, "N000 DRAW");
  Line(t, "NRTS RTS");
  return t;
}

std::string BuildUgcHead(const MachineParameters& m) {
  std::string t;
  if (m.Bturret) Line(t, "G13 (-----< A:TURRET >-----)");
  Line(t, "NMAX G50 S" + FormatNcNumber(double(m.MaxS)));
  if (m.Tallix)
    Line(t, std::string("N000 G21 HP=4 M109") + (m.AutoDoor ? " M90" : ""));
  else
    Line(t, HomeLine(m));
  if (m.PanelChk) Line(t, "N000 CALL OPCHK (PANEL CHECK)");
  Line(t, "N000 CALL OUGC  (GRAPHIC DATA)");
  TabLine(t);
  return t;
}

std::string BuildUgcTail(const MachineParameters& m) {
  std::string t;
  if (m.Bturret) {
    TabLine(t);
    TabLine(t);
    if (m.Measuer) Line(t, "N000 CALL OMSSF");
    if (m.TG) {
      Line(t, "N000 M100");
      Line(t, "N000 TLID");
      TabLine(t);
    }
    Line(t, "G14 (-----< B:TURRET >-----)");
    Line(t, "NMAX G50 S" + FormatNcNumber(double(m.MaxS)));
    // The B turret has no reference-point return: always the index position.
    Line(t, HomeLine(m));
    if (m.PanelChk) Line(t, "N000 CALL OPCHK (PANEL CHECK)");
    Line(t, "");
    Line(t, "");
  }
  TabLine(t);
  if (m.Measuer) {
    Line(t, "N000 CALL OMSSF");
    Line(t, "N000 CALL OCNCK");
  }
  if (m.TG) {
    Line(t, "N000 M100");
    Line(t, "N000 TLID");
  }
  if (m.AutoDoor) Line(t, "N000 M91");
  Line(t, "NEND M02");
  return t;
}

DocumentEdit GenerateMaterialInput(ProcessContext& ctx) {
  UgcValues v = ReadUgcValues(ctx.ugc);
  std::string sub = BuildOugcText(v, ctx.ugc);
  const std::string head = BuildUgcHead(ctx.machine);
  DocumentEdit out = InsertAtSelection(head + BuildUgcTail(ctx.machine), head.size(), std::move(sub));
  // Later commands start from the values as the subprogram wrote them.
  for (const UgcBox& b : kUgcBoxes)
    if (b.kept) ctx.kept.*b.kept = v.*b.value;
  return out;
}

UgcEnabling UgcEnablingFor(bool withTailstock) {
  return UgcEnabling{.materialId = !withTailstock, .centerBoxes = withTailstock, .centerDrawing = withTailstock};
}

void ChooseMaterialFile(MachineParameters& machine, const std::string& path) {
  machine.CsvFileName = path;
  machine.CsvPathName = std::filesystem::path(path).parent_path().string();
}

}  // namespace quillon
