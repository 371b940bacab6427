#pragma once
// The settings window: where ERUNT, the backups, the prefetch cleaner and
// RegCleaner live, and two backup options. Shown modally by the main window.
#include "services/UniqueHandle.h"
#include "settings/SettingsForm.h"
#include "ui/ActionHost.h"
#include "ui/BaseWindow.h"

inline constexpr wchar_t kOptionenCaption[] = L" Einstellungen";

class Optionen : public BaseWindow<Optionen>, private Prompts {
public:
    explicit Optionen(ActionHost& host) : host_(host) {}
    // Shows the window and returns when it has closed.
    SettingsOutcome ShowModal();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Prompts, over this window.
    int Ask(std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) override;
    bool OpenOnDesktop(const std::wstring& address) override;
    void OpenWithOwnRights(const std::wstring& address) override;
    std::wstring ChooseFolder() override;

    void CreateControls();
    void Form_Load();
    void Timer1_Timer();
    void ChooseToolFolder(ToolFolderKind kind, int focusAfterwards);
    void bSicherungen_Click();
    void bReady_Click();
    void ShowFields();

    ActionHost& host_;
    SettingsForm form_{*this};
    UniqueFont font_;
    SettingsOutcome outcome_;
    bool done_ = false;
};

// "Konfigurationsoptionen": the settings window, then the language files when they were asked for.
void bKonfiguration_Click(ActionHost& host);
