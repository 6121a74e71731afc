#pragma once
// Option columns of case files: "key=value key=value" ("-" for none) sets the fields of an options struct through the
// keys a test lists, so a row names only what differs from the defaults.
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "support/case_file.h"

namespace quillon::testing_support {

template <class Options>
using OptionKeys = std::map<std::string, std::function<void(Options&, const std::string&)>>;

// A key that reads its value the way a case field is read (a number, true or false).
template <class Options, class T>
auto OptionField(T Options::*member) {
  return [member](Options& options, const std::string& value) { options.*member = T(CaseField{&value}); };
}

// The defaults with the text's options set; a word without "=" or an unknown key stops the test program (a typo would
// otherwise test the defaults).
template <class Options>
Options ParseOptions(const std::string& text, const OptionKeys<Options>& keys) {
  Options options{};
  std::istringstream words(text);
  for (std::string word; words >> word && word != "-";) {
    const std::size_t eq = word.find('=');
    const auto key = keys.find(word.substr(0, eq));
    if (eq == std::string::npos || key == keys.end()) CaseFileError(text, "unknown option " + word);
    key->second(options, word.substr(eq + 1));
  }
  return options;
}

}  // namespace quillon::testing_support
