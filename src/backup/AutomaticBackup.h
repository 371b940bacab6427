#pragma once
class Root;

// "Automatische Sicherungen": switches the automatic backup at log-on on or off.
void bAutosicherung_Click(Root& root);
