#pragma once
// Find / Replace / Next Find, size shift, sequence-number arrange and the
// automatic sequence numbers while typing. The search state is one record
// owned by the main window for its lifetime.
#include "transform/search.h"

class frmMain;

// The main window's search state (tests read where the next search starts).
quillon::SearchState& TransformSearchState(frmMain& main);
// Whether typing puts "N000" words at line starts.
bool AutoNumberOn(frmMain& main);
