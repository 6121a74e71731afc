#pragma once
// The "Point calculation" menu, the spindle speed dialog and the desktop
// calculator, bound to their menu items.
class Commands;
class DocumentHost;

void InstallCalculatorCommands(Commands& commands, DocumentHost& documents);
