#pragma once
// Case files: the rows of a table-driven test kept as data under tests/. One row per line; a line starting with '#'
// is a comment (the reason a row expects what it does) and blank lines are skipped. A field is a C-style string
// literal ("a\tb" with the escapes \n \r \t \\ \" \xHH) or a bare word without blanks (a number, true, false).
// LoadCases<Case, N> builds each row as Case{field1, ..., fieldN}: a field converts to const char*, std::string,
// int, std::size_t, double or bool, so the row structs stay plain aggregates. A missing file, or a row with another
// number of fields, stops the test program: a case table that silently lost its rows would pass.
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace quillon::testing_support {

struct CaseField {
  const std::string* text;
  operator const char*() const { return text->c_str(); }      // NOLINT(google-explicit-constructor)
  operator std::string() const { return *text; }              // NOLINT(google-explicit-constructor)
  operator int() const { return std::stoi(*text); }           // NOLINT(google-explicit-constructor)
  operator std::size_t() const { return std::stoul(*text); }  // NOLINT(google-explicit-constructor)
  operator double() const { return std::stod(*text); }        // NOLINT(google-explicit-constructor)
  operator bool() const { return *text == "true"; }           // NOLINT(google-explicit-constructor)
};

// The tests/ folder of the source tree (QUILLON_TEST_DATA), "tests" when unset.
inline std::string TestData() {
  const char* dir = std::getenv("QUILLON_TEST_DATA");
  return dir ? dir : "tests";
}

// text with every from replaced by to (the replacements are not searched again).
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); !from.empty() && at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

[[noreturn]] inline void CaseFileError(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "%s: %s\n", where.c_str(), what.c_str());
  std::abort();
}

// The fields of one line, or CaseFileError naming where it goes wrong.
inline std::vector<std::string> CaseFields(const std::string& line, const std::string& where) {
  std::vector<std::string> fields;
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    std::string field;
    if (line[i] != '"') {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') field += line[i++];
      fields.push_back(field);
      continue;
    }
    for (++i;; ++i) {
      if (i >= line.size()) CaseFileError(where, "string not closed");
      if (line[i] == '"') break;
      if (line[i] != '\\') {
        field += line[i];
        continue;
      }
      if (++i >= line.size()) CaseFileError(where, "escape at the line end");
      switch (line[i]) {
        case 'n':
          field += '\n';
          break;
        case 'r':
          field += '\r';
          break;
        case 't':
          field += '\t';
          break;
        case 'x':
          if (i + 2 >= line.size()) CaseFileError(where, "short \\x escape");
          field += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
          i += 2;
          break;
        default:
          field += line[i];
      }
    }
    fields.push_back(field);
    ++i;
  }
  return fields;
}

template <class Case, std::size_t N>
std::vector<Case> LoadCases(const std::string& relPath) {
  static std::deque<std::string> storage;  // the fields outlive the test program's registration
  const std::string path = TestData() + "/" + relPath;
  std::ifstream in(path, std::ios::binary);
  if (!in) CaseFileError(path, "missing");
  std::vector<Case> cases;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') continue;
    const std::vector<std::string> fields = CaseFields(line, path + ":" + std::to_string(number));
    if (fields.size() != N)
      CaseFileError(path + ":" + std::to_string(number),
                    std::to_string(fields.size()) + " fields, " + std::to_string(N) + " expected");
    const std::size_t first = storage.size();
    for (const std::string& f : fields) storage.push_back(f);
    cases.push_back([&]<std::size_t... I>(std::index_sequence<I...>) {
      return Case{CaseField{&storage[first + I]}...};
    }(std::make_index_sequence<N>{}));
  }
  if (cases.empty()) CaseFileError(path, "no rows");
  return cases;
}

}  // namespace quillon::testing_support
