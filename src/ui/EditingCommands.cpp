#include "frmMain.h"

void InstallEditingCommands(frmMain& main) { (void)main; }
