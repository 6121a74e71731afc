#pragma once
// The test name of a parameterised case: its row's name column. One function for every suite, defined outside the
// INSTANTIATE macro so its parameter does not shadow the macro's own.
#include <string>

namespace quillon::testing_support {

inline constexpr auto kRowName = [](const auto& row) { return std::string(row.param.name); };

}  // namespace quillon::testing_support
