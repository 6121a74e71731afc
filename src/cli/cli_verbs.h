#pragma once
// One function per verb of quillon-nc; each gets the arguments after the verb
// and returns the exit code (0 ok, 2 bad usage, 3 process error).
#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::cli {

using Args = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitProcessError = 3;

int RunGenerate(const Args& args, std::ostream& out, std::ostream& err);
int RunRenumber(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunShift(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunReplace(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunCalc(const Args& args, std::ostream& out, std::ostream& err);
int RunOutline(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

// Reads the named file, or the whole input stream when path is empty;
// false (with a reason in err) when the file cannot be read.
bool ReadInputBytes(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err);

}  // namespace quillon::cli
