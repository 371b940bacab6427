#pragma once
class ActionHost;
class LogonTasks;
// "Automatische Sicherungen": switches the automatic backup at log-on on or off.
void bAutosicherung_Click(ActionHost& host);
// True while an entry starts the automatic backup at this account's log-on.
bool AutomaticBackupIsOn(LogonTasks& tasks);
