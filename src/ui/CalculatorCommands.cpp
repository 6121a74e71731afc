#include "frmMain.h"

void InstallCalculatorCommands(frmMain& main) { (void)main; }
