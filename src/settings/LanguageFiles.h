#pragma once
// Unpacks the German language files of ERUNT and NTREGOPT from HIVORA.LOC
// beside the program into ERUNT's folder, when ERUNT is there. A missing or
// damaged package is refused whole and changes nothing; the user is not told.
void bCreateLOC_Click();
