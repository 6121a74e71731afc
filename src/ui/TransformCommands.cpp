#include "frmMain.h"

void InstallTransformCommands(frmMain& main) { (void)main; }
