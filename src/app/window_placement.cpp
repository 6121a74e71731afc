#include "app/window_placement.h"

#include <algorithm>

namespace quillon {

namespace {
constexpr int kFirstStartNumerator = 3;
constexpr int kFirstStartDenominator = 4;
constexpr const char* kGeometryKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
}  // namespace

ScreenRect FirstStartPlacement(const ScreenRect& available) {
  ScreenRect r;
  r.width = available.width * kFirstStartNumerator / kFirstStartDenominator;
  r.height = available.height * kFirstStartNumerator / kFirstStartDenominator;
  r.x = available.x + (available.width - r.width) / 2;
  r.y = available.y + (available.height - r.height) / 2;
  return r;
}

ScreenRect FitInside(const ScreenRect& window, const ScreenRect& available) {
  ScreenRect r = window;
  r.width = std::min(r.width, available.width);
  r.height = std::min(r.height, available.height);
  r.x = std::clamp(r.x, available.x, available.x + available.width - r.width);
  r.y = std::clamp(r.y, available.y, available.y + available.height - r.height);
  return r;
}

ScreenRect CentredOver(const ScreenRect& window, const ScreenRect& anchor, const ScreenRect& available) {
  ScreenRect r = window;
  r.x = anchor.x + (anchor.width - window.width) / 2;
  r.y = anchor.y + (anchor.height - window.height) / 2;
  return FitInside(r, available);
}

bool HasStoredWindowGeometry(const SettingsStore& store) {
  for (const char* key : kGeometryKeys)
    if (store.get(kSectionSettings, key)) return true;
  return false;
}

}  // namespace quillon
