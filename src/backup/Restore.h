#pragma once
class Root;

// "Wiederherstellungen": restore the automatic backup, or list the manual ones.
void bWiederherstellen_Click(Root& root);
// Restores the backup chosen in the list and closes the program.
void LBackups_DblClick(Root& root);
// A right click closes the list.
void LBackups_MouseDown(Root& root, int button);
