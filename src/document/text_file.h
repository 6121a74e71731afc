#pragma once
// Program files: bytes in, text with "\n" line ends inside, the file's
// line-end style kept and applied when writing.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// Files larger than this are refused by Open and Insert Sub Program.
inline constexpr std::size_t kMaxProgramFileBytes = 65000;

enum class LineEndStyle { CrLf, Lf };

struct DecodedText {
  std::string text;  // every byte kept; CR LF and lone LF became "\n"
  LineEndStyle style = LineEndStyle::CrLf;
};

// A file whose line ends are all LF is LF; CR LF files, files with mixed ends
// and files without any line end are CR LF. A CR not followed by LF stays.
DecodedText DecodeProgramBytes(std::string_view bytes);

// The bytes to write: the text with its "\n" in the given style, plus one
// final line end only when the text does not already end with one (a lone CR
// counts as one).
std::string EncodeProgramText(std::string_view text, LineEndStyle style);

// "\n" -> the style's line end, nothing else changed (for the command line).
std::string ApplyLineEnds(std::string_view text, LineEndStyle style);

// The extension a save-dialog filter stands for: "*.min" -> ".min"; the first
// of several ("*.min;*.ssb"); none for every file ("*.*", "*") or no filter.
std::string FilterExtension(std::string_view patterns);

// path with the filter's extension added when its file name has none
// ("part1" -> "part1.min"); a name that has one ("part1.txt", "a.b.min"),
// or ends in a point, is kept as typed. Folders' points do not count.
std::string WithFilterExtension(std::string_view path, std::string_view patterns);

}  // namespace quillon
