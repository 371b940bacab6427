#pragma once
class Root;

// Unpacks the German language files of ERUNT and NTREGOPT from HIVORA.LOC
// beside the program into ERUNT's folder. Run by the settings window's path,
// never clicked by the user.
void bCreateLOC_Click(Root& root);
