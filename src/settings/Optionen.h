#pragma once
// The settings window: where ERUNT, the backups, the prefetch cleaner and
// RegCleaner live, and two backup options. Shown modally by the main window.
#include "ui/BaseWindow.h"
#include "services/UniqueHandle.h"
#include "settings/SettingsStore.h"

class ActionHost;

// What the settings window's user decided, for the action that opened it.
struct SettingsOutcome {
    // Ok stored the settings: the program starts afresh to take them up.
    bool stored = false;
    // The German language files are to be installed.
    bool languageFilesWanted = false;
};

inline constexpr wchar_t kOptionenCaption[] = L" Einstellungen";

class Optionen : public BaseWindow<Optionen> {
public:
    explicit Optionen(ActionHost& host) : host_(host) {}
    // Shows the window and returns when it has closed.
    SettingsOutcome ShowModal();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct ToolFolder;

    void CreateControls();
    void Form_Load();
    void Timer1_Timer();
    std::wstring ChooseStorableFolder();
    void ChooseToolFolder(const ToolFolder& tool);
    void bSicherungen_Click();
    void bReady_Click();
    void CheckLOC();
    SettingsFields Fields() const;
    void ShowFields(const SettingsFields& fields);
    std::wstring FieldText(int id) const;

    ActionHost& host_;
    UniqueFont font_;
    SettingsOutcome outcome_;
    bool done_ = false;
};

// "Konfigurationsoptionen": the settings window, then the language files when they were asked for.
void bKonfiguration_Click(ActionHost& host);
