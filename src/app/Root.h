#pragma once
// The main window: a column of label-buttons on a picture, the description
// panel, the list of backups, and the state the actions share.
#include "app/BackupState.h"
#include "app/DescriptionPanel.h"
#include "app/Label.h"
#include "app/Overlay.h"
#include "app/RootLayout.h"
#include "app/RootSurface.h"
#include "cleanup/Cleanup.h"
#include "services/UniqueHandle.h"
#include "ui/ActionHost.h"
#include "ui/BaseWindow.h"

#include <array>
#include <functional>
#include <string>

class Root : public BaseWindow<Root>, public ActionHost, private RootSurface {
public:
    Root() = default;
    // The children's objects are members: the window goes while they still live.
    ~Root() { Destroy(); }
    // Creates the window hidden and runs the start-up, which may already end
    // the program (see Ending).
    bool Create(HINSTANCE instance);
    // True once the program is on its way out: the window is never shown then.
    bool Ending() const { return ending_; }
    // Shows the window and paints it at once; what the first paint does not need runs after it, before any input.
    void Show(int showCommand);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // ActionHost
    HWND Owner() const override { return Handle(); }
    int Ask(std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) override;
    DWORD Start(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                UniqueKernelHandle* process) override;
    Rights CurrentRights() override { return ProcessRights(); }
    DWORD RestartElevated() override;
    bool OpenOnDesktop(const std::wstring& address) override;
    bool StartOnDesktop(const std::wstring& program, const std::wstring& folder) override;
    void OpenWithOwnRights(const std::wstring& address) override;
    std::wstring ChooseFolder() override;
    void EnableButton(int buttonId, bool enabled) override;
    void ShowWaitPointer(bool shown) override;
    void Wait(double seconds) override;
    void CloseAfterHandOver() override;
    void EndProgram(int exitCode) override;
    void LookUpUser() override;
    void ShowCleanupWindow() override;
    void ShowCleanupRunning(bool running) override;
    void ShowBackupList(const std::vector<std::wstring>& entries, size_t selected) override;
    void HideBackupList() override;
    std::wstring SelectedBackup() const override;
    SharedState& State() override { return state_; }
    LogonTasks& Tasks() override { return tasks_; }

private:
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    void CreateControls();
    void Form_Load();
    void LookUpUserAtStart();
    void RunAutomaticBackup();
    void BackUpAtLogOn(const std::function<bool()>& madeToday);
    void WarnOfAnOverdueBackup();
    void MarkUnavailable(int buttonId, int overlayId);
    void ShowAvailable(int buttonId, int overlayId, bool available);
    // The restore button and the state in the panel, as the backups are now.
    void ShowBackupState();
    void ShowAutomaticBackupState();
    void ShowButtonAvailable(int buttonId, bool available);
    void EndHover();
    template <typename Action> void RunAlone(Action action);
    void LBackups_MouseDown(int button);
    void RestoreChosenBackup();
    // Copies a part of the background picture (in client coordinates) to a point of the device context.
    void CopyBackground(HDC dc, POINT to, const RECT& part) const;
    static LRESULT CALLBACK BackupListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR root);

    // RootSurface
    void PaintBackground(HDC dc, HWND child) override;
    void ButtonHovered(int buttonId) override;
    void ButtonClicked(int buttonId) override;
    void ButtonPressedByKey(int buttonId) override;

    int dpi_ = 96;
    UniqueBitmap background_;
    UniqueFont buttonFont_, titleFont_, descriptionFont_, createLocFont_, stateFont_, listFont_;
    std::array<Label, kButtons.size()> buttons_;
    std::array<Overlay, kOverlays.size()> overlays_;
    Label title_, createLoc_, cleanupState_;
    DescriptionPanel description_;
    HWND backups_ = nullptr;
    HWND backupHint_ = nullptr;

    Cleanup cleanup_{*this};
    SharedState state_;
    SystemLogonTasks tasks_;
    // An action runs: a click starts no second one.
    bool acting_ = false;
    // After a hand-over: no further action starts.
    bool closing_ = false;
    bool ending_ = false;
    bool waitPointer_ = false;
    // The control that had the keyboard last; the window opens on the manual backup, which harms nothing.
    int lastUsed_ = IDC_BSICHERUNGEN;
    // What the restore button and the state panel show.
    BackupState backupState_;
    // The start-up went through: the automatic backup's age is looked at once the window is painted.
    bool checkBackupAgeAfterPaint_ = false;
};

// One action at a time: its waits let clicks through, which would start a second action inside it.
// Once an action has handed its work over, no second tool may start either.
template <typename Action> void Root::RunAlone(Action action) {
    if (acting_ || closing_ || ending_)
        return;
    acting_ = true;
    action();
    acting_ = false;
    if (!closing_ && !ending_)
        ShowBackupState();
}
