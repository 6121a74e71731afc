#pragma once
// Helpers the process and rotary-command tests share: reading generated text, dialog boxes given as "Box=text" words,
// placeholders in case-file texts, and the number of a thrown process error.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "numbers/process_error.h"
#include "support/case_suite.h"

namespace quillon::testing_support {

using Boxes = std::map<std::string, std::string>;

inline int Count(const std::string& text, const std::string& piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

// The first line starting with prefix, or "" when none does.
inline std::string LineStarting(const std::string& text, const std::string& prefix) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) return line;
  return "";
}

// "W=0.5 D=-1" as {{"W", "0.5"}, {"D", "-1"}}; "-" is no box at all.
inline Boxes ParseBoxes(const std::string& words) {
  Boxes boxes;
  std::istringstream in(words);
  for (std::string word; in >> word;)
    if (const auto eq = word.find('='); eq != std::string::npos) boxes[word.substr(0, eq)] = word.substr(eq + 1);
  return boxes;
}

struct Cell {
  int row, column;
  std::string text;
};

// "1,3=12|2,6=a, b" as {{1, 3, "12"}, {2, 6, "a, b"}}; "" is no cell.
inline std::vector<Cell> ParseCells(const std::string& text) {
  std::vector<Cell> cells;
  for (const std::string& cell : SplitList(text))
    cells.push_back({std::stoi(cell), std::stoi(cell.substr(cell.find(',') + 1)), cell.substr(cell.find('=') + 1)});
  return cells;
}

// text with every "{key}" replaced by its value.
inline std::string Substitute(std::string text, const Boxes& values) {
  for (const auto& [key, value] : values) text = ReplaceAll(text, "{" + key + "}", value);
  return text;
}

// The number of the ProcessError that run throws, or -1 when it throws none.
template <class Run>
int ThrownNumber(Run run) {
  try {
    run();
  } catch (const ProcessError& e) {
    return e.number;
  }
  return -1;
}

}  // namespace quillon::testing_support
