#include "frmMain.h"

void InstallHelpCommands(frmMain& main) { (void)main; }
