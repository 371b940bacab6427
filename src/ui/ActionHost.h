#pragma once
// What an action (a button's handler, a feature window) may ask of the main
// window. The main window implements it; tests implement it to record what an
// action decides without any window.
#include "services/LogonTask.h"
#include "services/Rights.h"
#include "services/UniqueHandle.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The state the actions share, kept by the main window.
struct SharedState {
    // A hover description is on screen, or start-up is looking up the user.
    bool busy = false;
    // "Optimierungsbereinigung" asked for a clean-up that has not finished yet.
    bool cleanupRequested = false;
    // Hive copies the last full clean-up removed.
    uint64_t copiesRemoved = 0;
};

// What a decision may ask of the user, over the window that is in front.
class Prompts {
public:
    // A modal message; lines are joined by one line feed. Answers IDOK, IDYES, ...
    virtual int Ask(std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) = 0;
    // Opens a web page in the default browser through the desktop's shell, so that the browser runs with the
    // logged-on user's rights and not with the program's full rights; through the program's own shell only
    // where the desktop's does not answer.
    void Open(const std::wstring& address);
    // False when the desktop's shell does not answer: no desktop shell runs, or it does not offer this way.
    virtual bool OpenOnDesktop(const std::wstring& address) = 0;
    virtual void OpenWithOwnRights(const std::wstring& address) = 0;
    // A folder the user picks below the drive list; "" when cancelled.
    virtual std::wstring ChooseFolder() = 0;

protected:
    ~Prompts() = default;
};

// Whatever the program starts or reads with full rights must lie where only administrators can change it.
// True when no other account may change any of the places or a folder above them (OpenPlace). Otherwise
// the user is told, under the headline, the first place that is open and where it belongs: "Erunt mit dem
// Erunt-Manager" installed, say, in a folder only administrators can change.
bool PlacesProtected(Prompts& prompts, std::initializer_list<std::wstring> places, std::wstring_view headline,
                     std::wstring_view belongs, const std::wstring& title);
// The same for a program to start with full rights, and its folder, from which it loads its libraries.
bool ToolProtected(Prompts& prompts, const std::wstring& program, std::wstring_view belongs);

class ActionHost : public Prompts {
public:
    // The window that owns the actions' message boxes and dialogs.
    virtual HWND Owner() const = 0;
    // Starts an outside program without waiting; ERROR_SUCCESS when it started, else the system's reason.
    // Where asked, the started process is handed back.
    virtual DWORD Start(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                        UniqueKernelHandle* process) = 0;
    // Start, and when the program did not start, the user is told which and why. True when it started:
    // only then may the action go on as if the tool runs (hand over, close, restart).
    bool StartTool(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                   UniqueKernelHandle* process = nullptr);

    // This process's rights to start the registry's tools.
    virtual Rights CurrentRights() = 0;
    // Starts the program again, asking for full rights; ERROR_SUCCESS when it started, else the reason.
    virtual DWORD RestartElevated() = 0;
    // True with an administrator's full rights. Otherwise the user is told that this needs an administrator
    // and, where the system can ask one's consent, offered to start the program again so; this one then ends.
    bool FullRightsOrTold();
    // Starts a program in a working folder through the desktop's shell, with the logged-on user's rights, not
    // the program's full rights; false when the desktop's shell does not answer or cannot start it.
    virtual bool StartOnDesktop(const std::wstring& program, const std::wstring& folder) = 0;

    // A button with an overlay stays usable for its description: unavailable, it shows the unavailable look
    // under its overlay; available, its normal look.
    virtual void EnableButton(int buttonId, bool enabled) = 0;
    // The hourglass over the program's windows, until switched off again.
    virtual void ShowWaitPointer(bool shown) = 0;
    // Waits while the windows stay responsive: handlers run meanwhile.
    virtual void Wait(double seconds) = 0;
    // Ends the program a second after an action handed its work to an outside
    // tool; no further action starts meanwhile. The caller returns at once.
    virtual void CloseAfterHandOver() = 0;
    // Ends the program through its message loop with this exit code.
    virtual void EndProgram(int exitCode) = 0;

    // Looks the user up as the backup actions do: where no user name is
    // registered, the clean-up window is loaded for its selection, and so cleans.
    // No name is ever taken for a folder: the profile is the account's own.
    virtual void LookUpUser() = 0;
    // Shows the full clean-up in its window, modally.
    virtual void ShowCleanupWindow() = 0;
    // The hidden state label of the clean-up: shown "1" while it works.
    virtual void ShowCleanupRunning(bool running) = 0;

    // The list of manual backups over the description panel, with one entry selected; an empty list is not shown.
    virtual void ShowBackupList(const std::vector<std::wstring>& entries, size_t selected) = 0;
    virtual void HideBackupList() = 0;
    // The selected entry of the list; "" when none.
    virtual std::wstring SelectedBackup() const = 0;

    virtual SharedState& State() = 0;
    // The Task Scheduler's log-on tasks.
    virtual LogonTasks& Tasks() = 0;

protected:
    ~ActionHost() = default;
};

// The path as ERUNT's tools, ANSI programs, read it back (see AnsiReadablePath); none after
// the user was told that the tool cannot reach it.
std::optional<std::wstring> AnsiToolPath(Prompts& prompts, const std::wstring& path);
