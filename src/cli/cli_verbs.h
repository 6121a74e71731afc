#pragma once
// One function per verb of quillon-nc; each gets the arguments after the verb
// and returns the exit code (0 ok, 1 reading or writing failed, 2 bad usage,
// 3 process error).
#include <iosfwd>
#include <string>
#include <vector>

namespace quillon {
class ByteSource;
}  // namespace quillon

namespace quillon::cli {

using quillon::ByteSource;
class ByteSink;

using Args = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitIoError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitProcessError = 3;

int RunGenerate(const Args& args, std::ostream& out, std::ostream& err);
int RunCalc(const Args& args, std::ostream& out, std::ostream& err);

// The transformation verbs stream: they read the named file, or `in` when no
// file is named, and write to `out` as they go.
int RunRenumber(const Args& args, ByteSource& in, ByteSink& out, std::ostream& err);
int RunShift(const Args& args, ByteSource& in, ByteSink& out, std::ostream& err);
int RunReplace(const Args& args, ByteSource& in, ByteSink& out, std::ostream& err);
// The same over standard library streams.
int RunRenumber(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunShift(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunReplace(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunOutline(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunOutline(const Args& args, ByteSource& in, std::ostream& out, std::ostream& err);
// Exit 0 when no finding is an error, 1 when one is, 2 on bad usage (an
// unreadable file included).
int RunCheck(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunCheck(const Args& args, ByteSource& in, std::ostream& out, std::ostream& err);
int RunPlot(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunPlot(const Args& args, ByteSource& in, std::ostream& out, std::ostream& err);

// Reads the named file, or the whole input stream when path is empty, in
// blocks, at most kMaxWholeReadBytes; kExitOk, or with the reason in err
// kExitUsage (the file cannot be opened) or kExitIoError (reading failed).
int ReadInputBytes(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err);
int ReadInputBytes(const std::string& path, ByteSource& in, std::string& bytes, std::ostream& err);

}  // namespace quillon::cli
