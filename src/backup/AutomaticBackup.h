#pragma once
class ActionHost;
class LogonTasks;
// "Automatische Sicherungen": switches the automatic backup at log-on on or off.
void bAutosicherung_Click(ActionHost& host);
// True while an entry starts the automatic backup at this account's log-on.
bool AutomaticBackupIsOn(LogonTasks& tasks);
// True while a Run key entry starts it: the entry of Windows before Vista, which needs no Task Scheduler to find.
bool AutomaticBackupInRunKey();
// AUTOBACK backs the registry up into the program's "Sysreg" at once, as the first backup after switching on does.
void StartAutomaticBackupNow(ActionHost& host);
