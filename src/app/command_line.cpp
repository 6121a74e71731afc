#include "app/command_line.h"

namespace quillon {

std::string CommandLinePath(std::string_view commandLine) {
  auto first = commandLine.find('"');
  if (first == std::string_view::npos) return std::string(commandLine);
  std::string_view rest = commandLine.substr(first + 1);
  auto second = rest.find('"');
  if (second != std::string_view::npos) rest = rest.substr(0, second);
  return std::string(rest);
}

std::vector<std::string> CommandLinePaths(const std::vector<std::string>& arguments) {
  std::vector<std::string> paths;
  for (const std::string& argument : arguments) {
    std::string path = CommandLinePath(argument);
    if (!path.empty()) paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace quillon
