#pragma once
// What the editing commands need from the platform beyond the Interaction
// seam: today's date, the font and printer-setup dialogs, and whether a
// printer exists. Widget tests replace these; the defaults use the clock and
// the platform's dialogs.
#include <QFont>
#include <functional>
#include <optional>

#include "document/date_text.h"

class Commands;
class DocumentHost;
class QString;
class QWidget;

namespace quillon {
struct AppSettings;
}

// Clipboard and undo, the Insert menu, the G-code and M-code templates,
// printing and fonts. appFolder holds Comment.txt.
void InstallEditingCommands(Commands& commands, DocumentHost& documents, quillon::AppSettings& settings,
                            const QString& appFolder);

struct EditingPlatform {
  std::function<quillon::CalendarDate()> today;
  // The font dialog (with effects); nullopt when cancelled.
  std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
  // The printer setup dialog preset to an orientation (1 portrait, 2
  // landscape); the orientation chosen, nullopt when cancelled.
  std::function<std::optional<int>(QWidget* parent, int orientation)> choosePrinterOrientation;
  std::function<bool()> hasPrinter;
};

// The one instance the commands use.
EditingPlatform& EditingPlatformHooks();
// Puts the platform defaults back (tests call it between cases).
void ResetEditingPlatformHooks();
