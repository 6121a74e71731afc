// The toolpath interpreter and both written forms over any bytes: no crash,
// no hang, nothing but finite numbers out.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "toolpath/plot.h"
#include "toolpath/toolpath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const quillon::Toolpath path = quillon::InterpretToolpath(text, quillon::ToolpathPoint{500, 500});
  for (const quillon::Segment& s : path.segments)
    if (!std::isfinite(s.end.x) || !std::isfinite(s.end.z) || s.tool >= path.tools.size()) std::abort();
  (void)quillon::FormatToolpathText(path);
  (void)quillon::FormatToolpathSvg(path);
  return 0;
}
