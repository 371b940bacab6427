#pragma once
// The clean-up window: all its work runs while it loads. It deletes the hive
// copies that compaction and restore leave behind, and its user list tells
// the other actions whose profile is the current one.
#include "app/BaseWindow.h"
#include "services/UniqueHandle.h"

#include <cstdint>
#include <string>

class Root;

inline constexpr wchar_t kCleanupCaption[] = L" Bereinigung für Erunt und VozeZo 2009";

class Cleanup : public BaseWindow<Cleanup> {
public:
    explicit Cleanup(Root& root) : root_(root) {}

    // The selected user name of LBenutzer. Reading it loads the window, and so
    // runs the clean-up, unless the window is loaded already.
    std::wstring SelectedUser();
    // Shows the window modally, loading it first; a load that finishes its
    // work closes the window again, and then nothing is shown.
    void ShowModal();
    bool IsLoaded() const { return Handle() != nullptr; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Load();
    void Form_Load();
    int FindUser();
    void Visit(const std::wstring& folder, const wchar_t* patterns);
    void SetState(const wchar_t* caption);
    void SetMenuUser(const std::wstring& name);

    Root& root_;
    HWND users_ = nullptr;
    HMENU actions_ = nullptr;
    UniqueFont usersFont_;
    std::wstring selectedUser_;
    std::wstring rBenutzer_;
    // Wide, so that the report never falls short of what was deleted.
    uint64_t count_ = 0;
};
