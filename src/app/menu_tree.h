#pragma once
// The main window's menu tree, toolbar and status-bar panels as data: the
// window builds its menus by walking these tables, and tests check them.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Start state and behaviour of one menu item.
enum MenuFlag : unsigned {
  kMenuDisabled = 1u << 0,           // disabled until a document exists
  kMenuHidden = 1u << 1,             // hidden until the recent-file list fills it
  kMenuChecked = 1u << 2,            // carries a check mark at start
  kMenuCheckable = 1u << 3,          // can carry a check mark
  kMenuSubmenu = 1u << 4,            // opens the rows of the next level below it
  kMenuDocumentMenu = 1u << 5,       // a menu of the bar that exists only once a document was created or opened
  kMenuEnabledByDocument = 1u << 6,  // a disabled command any New or Open enables
  kMenuNeedsDocument = 1u << 7,      // acts on a document; with none open it does nothing
  kMenuFollowsTallix = 1u << 8,      // a rotary item shown only with Tallix (set by the parameter dialog)
  kMenuTallixAtStart = 1u << 9,      // ... and already at start (the others wait for the dialog)
};

struct MenuItem {
  int level;                  // 0: a menu of the bar; 1: its items; 2, 3: nested submenus
  std::string_view name;      // control name (shared by the rows of a control array)
  int index;                  // index within a control array; 0 for plain items
  std::string_view caption;   // "&" marks the access key; "-" is a separator
  std::string_view shortcut;  // portable key text ("Ctrl+O", "F3"); empty for none
  unsigned flags;             // MenuFlag bits
};

// The whole tree in display order: each item follows its parent, children of a
// submenu are the following rows of a deeper level.
std::span<const MenuItem> MenuTree();
const MenuItem* FindMenuItem(std::string_view name, int index = 0);
inline bool IsSeparator(const MenuItem& item) { return item.caption == "-"; }

// The rows carrying one flag, in tree order.
std::vector<std::string_view> DocumentMenus();     // kMenuDocumentMenu
std::vector<std::string_view> DocumentCommands();  // kMenuEnabledByDocument
bool NeedsDocument(std::string_view controlName);  // kMenuNeedsDocument
std::vector<std::string_view> TallixStartItems();  // kMenuTallixAtStart
std::vector<std::string_view> TallixItems();       // kMenuFollowsTallix

// One of the 23 toolbar positions; a separator has an empty key.
struct ToolbarButton {
  int position;          // 1..23, left to right
  std::string_view key;  // the button's key (blanks included)
  std::string_view toolTip;
  std::string_view command;  // the menu control it shares its command with
  bool document;             // hidden until a document exists (separators never are)
};
std::span<const ToolbarButton> ToolbarButtons();
inline bool IsSeparator(const ToolbarButton& button) { return button.key.empty(); }

struct StatusPanel {
  std::string_view key;   // also the panel's object name
  std::string_view text;  // design text
  std::string_view toolTip;
};
std::span<const StatusPanel> StatusPanels();
// The "LnCol" panel's text for a caret on line, column (both 1-based): "Ln 12, Col 5".
std::string CaretPanelText(std::size_t line, std::size_t column);

}  // namespace quillon
