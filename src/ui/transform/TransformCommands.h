#pragma once
// Find / Replace / Next Find, size shift, sequence-number arrange and the
// automatic sequence numbers while typing. The search state is one record
// owned by the main window for its lifetime.
#include "transform/search.h"

namespace quillon {
struct AppSettings;
}

class Commands;
class DocumentHost;
class QWidget;

// Find / Replace / Next Find, size shift, sequence-number arrange and the
// automatic sequence numbers, bound to the Search and Tools menus; the tools
// live as long as the documents' window.
// The tools' check boxes start from, and are remembered in, settings.
void InstallTransformCommands(Commands& commands, DocumentHost& documents, quillon::AppSettings& settings);

// The window's search state (tests read where the next search starts).
quillon::SearchState& TransformSearchState(QWidget& window);
// Whether typing puts "N000" words at line starts.
bool AutoNumberOn(QWidget& window);
