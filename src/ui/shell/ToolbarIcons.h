#pragma once
// Icons of the toolbar positions, drawn at run time (no image files).
#include <QIcon>

class QStyle;

// The icon of toolbar position 1..23; a null icon for separators.
QIcon ToolbarIcon(int position, const QStyle* style);
