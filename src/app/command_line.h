#pragma once
// The program's command line names at most one file to open at start.
#include <string>
#include <string_view>

namespace quillon {

// With a double quote, the path is what follows the first quote, cut before
// the next quote if there is one ("\"C:\a b.min\" /x" -> "C:\a b.min"; a lone
// quote keeps everything after it). Without a quote the whole line is the path.
std::string CommandLinePath(std::string_view commandLine);

}  // namespace quillon
