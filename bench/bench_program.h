#pragma once
// The benchmark program: a mix of what the generators write (tool calls,
// contour lines, labels, comments and TAB lines; every line but the comment
// and TAB carries an X), 27 bytes a line with CR LF ends.
#include <cstddef>
#include <iterator>
#include <string>

namespace quillon::bench {

inline std::string ProgramBytes(std::size_t lines) {
  // clang-format off
  static const char* const kLines[] = {
      "N000 G00 X100. Z5. T0101 M08\r\n",
      "NT05     X80. G96 S150 M3 M41\r\n",
      "N000 G01 X123.456 Z-45.2 F0.25\r\n",
      "N000     X50.5 Z-20. F0.2\r\n",
      "(-----< OD.ROUGH FINISH >-----)\r\n",
      "N000 G01 X60.5 Z-60.25 F0.15\r\n",
      "\t\r\n",
      "N000 G00 X200. Z200. M09 M05\r\n",
  };
  // clang-format on
  std::string bytes;
  bytes.reserve(lines * 27);
  for (std::size_t k = 0; k < lines; ++k) bytes += kLines[k % std::size(kLines)];
  return bytes;
}

}  // namespace quillon::bench
