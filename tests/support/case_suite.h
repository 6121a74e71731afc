#pragma once
// Case-file helpers of the core tests: a suite over the rows of a case file, and a list column split into its items.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/case_file.h"
#include "support/param_name.h"

// The rows of the case file at path (under tests/) as the parameters of suite, each test named by its row's name.
#define QUILLON_CASE_SUITE(prefix, suite, Row, fields, path)                                              \
  INSTANTIATE_TEST_SUITE_P(prefix, suite,                                                                 \
                           ::testing::ValuesIn(::quillon::testing_support::LoadCases<Row, fields>(path)), \
                           ::quillon::testing_support::kRowName)

namespace quillon::testing_support {

// A list column: the items joined by one separator; an empty field is an empty list.
inline std::vector<std::string> SplitList(std::string_view text, char separator = '|') {
  std::vector<std::string> items;
  if (text.empty()) return items;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    items.emplace_back(text.substr(from, at - from));
    if (at == std::string_view::npos) return items;
    from = at + 1;
  }
}

}  // namespace quillon::testing_support
