#pragma once
class ActionHost;
// "Wiederherstellungen": restore the automatic backup, or list the manual ones.
void bWiederherstellen_Click(ActionHost& host);
// Restores the backup chosen in the list and closes the program, once its restorer started.
void LBackups_DblClick(ActionHost& host);
