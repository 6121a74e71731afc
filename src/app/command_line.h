#pragma once
// The program's command line: each argument names one file to open at start.
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// With a double quote, the path is what follows the first quote, cut before
// the next quote if there is one ("\"C:\a b.min\" /x" -> "C:\a b.min"; a lone
// quote keeps everything after it). Without a quote the whole line is the path.
std::string CommandLinePath(std::string_view commandLine);

// The files to open, in order: one path per argument, blanks and all (the
// shell has split the line already, so a blank never separates two files).
// An argument that still holds a double quote came from a launcher that
// quoted the path inside it; the quote rule above takes the path out. An
// argument that leaves no path is skipped.
std::vector<std::string> CommandLinePaths(const std::vector<std::string>& arguments);

}  // namespace quillon
