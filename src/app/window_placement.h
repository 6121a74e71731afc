#pragma once
// Where windows go on the screen, as plain rectangles in pixels: the main
// window's first place, and keeping any window wholly on the screen that
// holds the main window.
#include "app/settings.h"

namespace quillon {

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ScreenRect&) const = default;
};

// The main window without stored geometry: three quarters of the screen's
// available area (task bars left out) in each direction, centred on it.
ScreenRect FirstStartPlacement(const ScreenRect& available);

// The window moved (and, when it is larger, shrunk) so that it lies wholly
// inside available; a window already inside stays where it is.
ScreenRect FitInside(const ScreenRect& window, const ScreenRect& available);

// The window centred over anchor, then fitted inside available.
ScreenRect CentredOver(const ScreenRect& window, const ScreenRect& anchor, const ScreenRect& available);

// Whether the store holds the main window's place from an earlier run (any
// of "MainLeft", "MainTop", "MainWidth", "MainHeight").
bool HasStoredWindowGeometry(const SettingsStore& store);

}  // namespace quillon
