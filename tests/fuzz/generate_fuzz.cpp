// Every generator through the command line's generate verb, with the boxes,
// the kept state and the machine parameters filled from the input: the run
// ends (the fuzz run's time and memory limits hold it) with a program, a
// refused entry or a process error, never with text that is no number.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "cli/cli_verbs.h"
#include "fuzz_input.h"
#include "process/process_input.h"
#include "process_rotary/command_table.h"
#include "process_rotary/ugc.h"

using namespace quillon;

namespace {

// clang-format off
constexpr const char* kKept[]    = {"PZero", "Length", "JawLength", "JawFace", "MaterialOD", "MaterialID"};
constexpr const char* kChoices[] = {"Spindle=CW", "Spindle=CCW", "Coolant=ON", "Coolant=OFF", "Grasp=OD", "Grasp=ID",
                                    "Spindle=Main", "Spindle=Sub", "Tailstock=1", "FaceDrawing=0"};
// clang-format on

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool appDirSet = setenv("QUILLON_APP_DIR", QUILLON_FUZZ_APP_DIR, 0) == 0;
  (void)appDirSet;
  static const std::vector<const ProcessCommand*> commands = AllProcessCommands();
  fuzz::FuzzInput input(data, size);
  const ProcessCommand& command = *commands[input.pick(static_cast<unsigned>(commands.size()))];
  cli::Args args = {std::string(command.name)};
  if (input.pick(4) != 0) args.insert(args.end(), {"--material", " cutting  condition /S45C.CSV"});
  const std::span<const UgcBox> ugc = UgcBoxes();
  const std::span<const SettingKey> keys = SettingsTable();
  while (!input.empty()) {
    const unsigned what = input.pick(5);
    const unsigned which = input.byte();
    const std::string value(input.text());
    switch (what) {
      case 0:
      case 1:
        if (command.dialog == CommandDialog::MaterialInput)
          args.insert(args.end(), {"--set", std::string(ugc[which % ugc.size()].name) + "=" + value});
        else
          args.insert(args.end(),
                      {"--set", std::string(kProcessBoxes[which % std::size(kProcessBoxes)]) + "=" + value});
        break;
      case 2:
        args.insert(args.end(), {"--kept", std::string(kKept[which % std::size(kKept)]) + "=" + value});
        break;
      case 3:
        if (const SettingKey& key = keys[which % keys.size()]; key.section == kSectionParameter)
          args.insert(args.end(), {"--machine", std::string(key.key) + "=" + value});
        break;
      default:
        args.insert(args.end(), {"--set", kChoices[which % std::size(kChoices)]});
        break;
    }
  }
  std::ostringstream out, err;
  const int exit = cli::RunGenerate(args, out, err);
  fuzz::Require(exit == cli::kExitOk || exit == cli::kExitUsage || exit == cli::kExitProcessError);
  const std::string program = out.str();
  if (exit != cli::kExitOk) fuzz::Require(program.empty());
  // A number written with an exponent, or a word whose value is inf or nan.
  for (std::size_t i = 1; i + 1 < program.size(); ++i) {
    const auto digit = [&](std::size_t at) { return program[at] >= '0' && program[at] <= '9'; };
    if ((program[i] == 'e' || program[i] == 'E') && digit(i - 1))
      fuzz::Require(!digit(i + 1) && program[i + 1] != '+' && program[i + 1] != '-');
    if (program[i] >= 'A' && program[i] <= 'Z') {
      const std::size_t at = program[i + 1] == '-' ? i + 2 : i + 1;
      fuzz::Require(program.compare(at, 3, "inf") != 0 && program.compare(at, 3, "nan") != 0);
    }
  }
  return 0;
}
