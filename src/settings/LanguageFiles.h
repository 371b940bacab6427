#pragma once
class Prompts;
// Unpacks the German language files of ERUNT and NTREGOPT from HIVORA.LOC
// beside the program into ERUNT's folder, when ERUNT is there. A missing or
// damaged package is refused whole and changes nothing; the user is told when
// the files could not be installed, and why.
void bCreateLOC_Click(Prompts& prompts);
