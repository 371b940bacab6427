#pragma once
// What the settings window's fields hold and what its buttons do to them,
// without the window: the folder checks, the questions, what is stored.
#include "settings/SettingsStore.h"

class Prompts;

// What the settings window's user decided, for the action that opened it.
struct SettingsOutcome {
    // Ok stored the settings: the program starts afresh to take them up.
    bool stored = false;
    // The German language files are to be installed.
    bool languageFilesWanted = false;
};

// The folders that must hold their tool when chosen.
enum class ToolFolderKind { Erunt, PrefetchCleaner, RegCleaner };

// Works on the settings files of the running program.
class SettingsForm {
public:
    // The fields as the settings files hold them.
    explicit SettingsForm(Prompts& prompts);

    // The backup folder, its options and Ok can be used only while the ERUNT folder exists.
    bool BackupGroupUsable() const;
    // A tool folder the user chooses is stored at once when the tool is there, and every field
    // is then loaded afresh; otherwise its download page is offered. A folder that cannot be
    // stored is reported and the fields stay. True when it was stored.
    bool ChooseToolFolder(ToolFolderKind kind);
    // The backup folder waits for Ok; one that holds files is taken only when the user agrees, and
    // one that other accounts may change only after a warning. True when the field changed.
    bool ChooseBackupFolder();
    // Ok: refuses a missing ERUNT or backup folder, offers the German language files, stores.
    SettingsOutcome Ready();

    SettingsFields fields;

private:
    std::wstring ChooseStorableFolder();
    bool CheckLOC();

    Prompts& prompts_;
};
