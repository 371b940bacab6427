#include "cleanup/Cleanup.h"

#include "cleanup/CleanupRules.h"
#include "services/Dateiexistenz.h"
#include "services/FolderListing.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"
#include "services/WindowsVersion.h"
#include "ui/ActionHost.h"
#include "ui/Fonts.h"
#include "ui/Windows.h"

namespace {

constexpr wchar_t kClassName[] = L"HivoraCleanup";
constexpr UINT kUserItem = 1;    // rBenutzer
constexpr UINT kWindowsItem = 2; // rWindows
// The name text of the user-name message and of rWindows.
constexpr wchar_t kWindowsName[] = L"Windows";
constexpr wchar_t kReportTitle[] = L" Bereinigung der Optimierung";

// The system's configuration folder, wherever Windows lives.
std::wstring SystemConfigFolder() {
    std::wstring system = SystemDirectory();
    if (system.empty() || system.back() != L'\\')
        system += L'\\';
    return system + L"Config";
}

std::wstring WindowsVersionText() {
    const OSVERSIONINFOW version = WindowsVersion();
    return std::to_wstring(version.dwMajorVersion) + L"." + std::to_wstring(version.dwMinorVersion);
}

} // namespace

CleanupLoad CleanupLoadFor(bool busy, bool mainWindowEnabled) {
    if (busy)
        return CleanupLoad::LookUpAndStay;
    return mainWindowEnabled ? CleanupLoad::FullCleanup : CleanupLoad::LookUpAndClose;
}

std::wstring Cleanup::SelectedUser(CleanupLoad load) {
    if (!IsLoaded())
        Load(load);
    return selectedUser_;
}

void Cleanup::ShowModal() {
    if (IsLoaded())
        Close();
    Load(CleanupLoad::FullCleanup);
    if (IsLoaded())
        RunModal(host_.Owner(), Handle(), [this] { return !IsLoaded(); });
}

void Cleanup::Load(CleanupLoad load) {
    if (!RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return;
    const HMENU bar = CreateMenu();
    actions_ = CreatePopupMenu();
    AppendMenuW(actions_, MF_STRING | MF_DISABLED, kUserItem, L"");
    AppendMenuW(actions_, MF_STRING | MF_DISABLED, kWindowsItem,
                (std::wstring(kWindowsName) + L" (Version: " + WindowsVersionText() + L")").c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(actions_), L"Vorgänge ");

    RECT frame = {0, 0, 320, 90};
    AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU, TRUE, 0);
    OffsetRect(&frame, 200 - frame.left, 200 - frame.top);
    if (!CreateTopLevel(kClassName, kCleanupCaption, WS_CAPTION | WS_SYSMENU, frame)) {
        DestroyMenu(bar);
        return;
    }
    SetMenu(Handle(), bar);
    usersFont_ = CreateUiFont(L"Century Gothic", L"Tahoma", 90, false, ScreenDpi());
    users_ = CreateControl(Handle(), 0, L"COMBOBOX", L"", WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                           {20, 30, 300, 230}, usersFont_.get());
    Form_Load(load);
}

int Cleanup::FindUser() {
    SendMessageW(users_, CB_RESETCONTENT, 0, 0);
    selectedUser_.clear();
    const std::wstring profiles = ProfilesFolder();
    if (!PathExists(profiles))
        return 0;
    const UserList users = ProfileUsers(profiles, Subfolders(profiles), UserName());
    for (const std::wstring& name : users.names)
        SendMessageW(users_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (users.selected >= 0) {
        SendMessageW(users_, CB_SETCURSEL, static_cast<WPARAM>(users.selected), 0);
        selectedUser_ = users.names[static_cast<size_t>(users.selected)];
    }
    return static_cast<int>(users.names.size());
}

void Cleanup::Visit(const std::wstring& folder, const wchar_t* patterns) {
    count_ += RemoveMatchingFiles(folder, patterns);
}

void Cleanup::Close() {
    host_.ShowCleanupRunning(false);
    DestroyWindow(Handle());
}

void Cleanup::SetMenuUser(const std::wstring& name) {
    rBenutzer_ = name;
    ModifyMenuW(actions_, kUserItem, MF_BYCOMMAND | MF_STRING | MF_DISABLED, kUserItem, name.c_str());
}

void Cleanup::Form_Load(CleanupLoad load) {
    count_ = 0;
    const std::wstring profiles = ProfilesFolder();
    if (FindUser() == 0) {
        ShowWindow(users_, SW_HIDE);
        RemoveMenu(actions_, kUserItem, MF_BYCOMMAND);
    }
    host_.ShowCleanupRunning(true);
    DoEvents();
    Visit(profiles + L"\\LocalService", kFirstPatternList);
    Visit(profiles + L"\\LocalService\\Lokale Einstellungen\\Anwendungsdaten\\Microsoft\\Windows", kFirstPatternList);
    Visit(profiles + L"\\NetworkService", kFirstPatternList);
    Visit(profiles + L"\\NetworkService\\Lokale Einstellungen\\Anwendungsdaten\\Microsoft\\Windows", kFirstPatternList);
    Visit(SystemConfigFolder(), kFirstPatternList);
    std::wstring user = DefaultUserFolder();
    if (user.empty())
        user = UserName();
    SetMenuUser(user);
    if (rBenutzer_.empty()) {
        ShowMessage(host_.Owner(),
                    {std::wstring(L"Der Benutzername von ") + kWindowsName + L" konnte nicht ausgelesen werden. ",
                     L"Dieser Vorgang konnte daher nicht vollständig beendet werden."},
                    std::wstring(L" ") + kCleanupCaption, MB_OK | MB_ICONSTOP);
        Close();
        return;
    }
    Visit(profiles + L"\\" + rBenutzer_, kFirstPatternList);
    Visit(profiles + L"\\" + rBenutzer_ + L"\\Lokale Einstellungen\\Anwendungsdaten\\Microsoft\\Windows",
          kFirstPatternList);
    if (load == CleanupLoad::LookUpAndStay)
        return;
    if (load == CleanupLoad::LookUpAndClose) {
        Close();
        return;
    }
    // The second list also catches the numbered copies, which only a full clean-up removes.
    Visit(SystemConfigFolder(), kSecondPatternList);
    SharedState& state = host_.State();
    state.copiesRemoved = count_;
    if (count_ == 0)
        ShowMessage(host_.Owner(), {L"Es konnten keine temporären Registrierungsdateien gefunden werden.   "},
                    kReportTitle, MB_OK | MB_ICONINFORMATION);
    else
        ShowMessage(host_.Owner(),
                    {std::to_wstring(count_) + L" temporäre Registrierungsdateien wurden vollständig entfernt.   "},
                    kReportTitle, MB_OK | MB_ICONINFORMATION);
    state.cleanupRequested = false;
    Close();
}

LRESULT Cleanup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        users_ = nullptr;
        actions_ = nullptr;
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
