// Renumbering: the dialog's run over the text and the command line's stream
// over the same bytes write the same program, with as many lines as before.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "fuzz_input.h"
#include "transform/sequence_numbers.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  ArrangeOptions options;
  options.digits = 1 + input.pick(9);
  options.start = input.pick(4) == 0 ? 0 : input.byte() * 7;
  options.step = 1 + input.pick(50);
  const unsigned flags = input.byte();
  static constexpr SequenceSpacing kSpacings[] = {SequenceSpacing::None, SequenceSpacing::One, SequenceSpacing::Five};
  options.spacing = kSpacings[flags % 3];
  options.stopAtProgramEnd = (flags & 4) != 0;
  options.continuous = (flags & 8) != 0;
  // The dialog's text has "\n" line ends only.
  std::string text(input.rest());
  std::replace(text.begin(), text.end(), '\r', ' ');

  const ArrangeResult arranged = ArrangeSequenceNumbers(text, options, 0);
  fuzz::Require(std::count(arranged.text.begin(), arranged.text.end(), '\n') ==
                std::count(text.begin(), text.end(), '\n'));

  cli::Args args = {"--digits", std::to_string(static_cast<int>(options.digits)),
                    "--start",  std::to_string(static_cast<int>(options.start)),
                    "--step",   std::to_string(static_cast<int>(options.step)),
                    "--space",  std::to_string(static_cast<int>(options.spacing))};
  if (options.stopAtProgramEnd) args.push_back("--stop-m02");
  if (options.continuous) args.push_back("--continue");
  std::istringstream in(text);
  std::ostringstream out, err;
  fuzz::Require(cli::RunRenumber(args, in, out, err) == cli::kExitOk);
  fuzz::Require(out.str() == arranged.text);
  return 0;
}
