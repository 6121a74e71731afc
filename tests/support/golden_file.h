#pragma once
// Golden dumps: a test writes a table of the code (or a dialog's widget tree) as text and compares it with a file under
// tests/ whose content was checked by eye once. With QUILLON_UPDATE_GOLDEN=1 in the environment the test rewrites the
// file instead of comparing (and passes): read the diff before committing it. Plain C++, so GoogleTest and QtTest
// programs share it.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "support/case_file.h"

namespace quillon::testing_support {

// "" when text equals tests/<relPath>, otherwise the first line that differs.
inline std::string GoldenMismatch(const std::string& relPath, const std::string& text) {
  const std::string path = TestData() + "/" + relPath;
  if (const char* update = std::getenv("QUILLON_UPDATE_GOLDEN"); update && std::string_view(update) == "1") {
    std::ofstream(path, std::ios::binary) << text;
    return "";
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return path + ": missing (QUILLON_UPDATE_GOLDEN=1 writes it)";
  std::stringstream file;
  file << in.rdbuf();
  std::istringstream want(file.str()), got(text);
  std::string a, b;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(want, a)), moreB = static_cast<bool>(std::getline(got, b));
    if (!moreA && !moreB) return file.str() == text ? "" : path + ": differs at its end";
    if (!moreA || !moreB || a != b)
      return path + ":" + std::to_string(line) + ": file \"" + (moreA ? a : "<end>") + "\", code \"" +
             (moreB ? b : "<end>") + "\"";
  }
}

// A text in double quotes, so leading and trailing blanks show.
inline std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

}  // namespace quillon::testing_support
