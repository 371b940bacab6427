#pragma once
// The clean-up window: all its work runs while it loads. It deletes the hive
// copies that compaction and restore leave behind, and its user list names
// the profiles with the current user selected. Its window is made only
// when a load leaves something to show; a look-up needs none.
#include "cleanup/CleanupRules.h"
#include "services/UniqueHandle.h"
#include "ui/BaseWindow.h"

#include <cstdint>
#include <string>

class ActionHost;

inline constexpr wchar_t kCleanupCaption[] = L" Bereinigung für Erunt und VozeZo 2009";

// How a load of the window ends once the user folders are clean.
enum class CleanupLoad {
    // Loaded to look up the user: stays loaded and hidden, so later look-ups
    // read the same name without repeating the work.
    LookUpAndStay,
    // Loaded to look up the user: closes again.
    LookUpAndClose,
    // Asked for by the clean-up button: also the system's configuration
    // folder, then the report, then it closes.
    FullCleanup,
};

class Cleanup : public BaseWindow<Cleanup> {
public:
    explicit Cleanup(ActionHost& host) : host_(host) {}
    // The selected user name of LBenutzer. Reading it loads the window, and so
    // runs the clean-up, unless the window is loaded already.
    std::wstring SelectedUser(CleanupLoad load);
    // The full clean-up, shown modally. A window still loaded from a look-up
    // goes first, so the work always runs; a load that finishes its work closes
    // the window again, and then nothing is shown.
    void ShowModal();
    bool IsLoaded() const { return loaded_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Form_Load(CleanupLoad load);
    bool CreateShownWindow();
    int FindUser();
    void Visit(const std::wstring& folder, const wchar_t* patterns);
    void Close();

    ActionHost& host_;
    // Loaded: the work has run and its results stay readable until closed.
    bool loaded_ = false;
    UserList users_; // LBenutzer
    std::wstring rBenutzer_;
    UniqueFont usersFont_;
    // What this load removed and left.
    Removal removal_;
};
