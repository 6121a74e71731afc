#include "frmMain.h"

void InstallProcessCommands(frmMain& main) { (void)main; }
