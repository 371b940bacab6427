#pragma once
// The settings window: where ERUNT, the backups, the prefetch cleaner and
// RegCleaner live, and two backup options. Shown modally by the main window.
#include "app/BaseWindow.h"
#include "services/UniqueHandle.h"
#include "settings/SettingsStore.h"

class Root;

inline constexpr wchar_t kOptionenCaption[] = L" Einstellungen";

class Optionen : public BaseWindow<Optionen> {
public:
    explicit Optionen(Root& root) : root_(root) {}
    // Shows the window and returns when it has closed.
    void ShowModal();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct ToolFolder;

    void CreateControls();
    void Form_Load();
    void Timer1_Timer();
    void ChooseToolFolder(const ToolFolder& tool);
    void bSicherungen_Click();
    void bReady_Click();
    void CheckLOC();
    SettingsFields Fields() const;
    void ShowFields(const SettingsFields& fields);
    std::wstring FieldText(int id) const;

    Root& root_;
    UniqueFont font_;
    bool done_ = false;
};

// "Konfigurationsoptionen": the settings window, then the language files when they were asked for.
void bKonfiguration_Click(Root& root);
