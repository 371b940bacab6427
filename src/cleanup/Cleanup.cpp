#include "cleanup/Cleanup.h"

#include "app/Root.h"
#include "cleanup/CleanupRules.h"
#include "services/Dateiexistenz.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"
#include "ui/Fonts.h"

namespace {

constexpr wchar_t kClassName[] = L"HivoraCleanup";
constexpr wchar_t kProfilesFolder[] = L"Dokumente und Einstellungen";
constexpr UINT kUserItem = 1;    // rBenutzer
constexpr UINT kWindowsItem = 2; // rWindows
// The name text of the user-name message and of rWindows.
constexpr wchar_t kWindowsName[] = L"Windows";

std::wstring DrivePrefix() {
    const std::wstring windows = WindowsDirectory();
    return windows.size() >= 3 ? windows.substr(0, 3) : L"C:\\";
}

std::wstring SystemPrefix() {
    std::wstring system = SystemDirectory();
    if (system.empty() || system.back() != L'\\')
        system += L'\\';
    return system;
}

std::wstring WindowsVersion() {
    OSVERSIONINFOW version = {sizeof(version)};
#ifdef _MSC_VER
#pragma warning(suppress : 4996) // only shown to the user
#endif
    GetVersionExW(&version);
    return std::to_wstring(version.dwMajorVersion) + L"." + std::to_wstring(version.dwMinorVersion);
}

} // namespace

std::wstring Cleanup::SelectedUser() {
    if (!IsLoaded())
        Load();
    return selectedUser_;
}

void Cleanup::ShowModal() {
    if (!IsLoaded())
        Load();
    if (!IsLoaded())
        return;
    const HWND owner = root_.Handle();
    EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    MSG message;
    while (IsLoaded() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchWithNavigation(message);
    }
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
}

void Cleanup::Load() {
    if (!RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return;
    const HMENU bar = CreateMenu();
    actions_ = CreatePopupMenu();
    AppendMenuW(actions_, MF_STRING | MF_DISABLED, kUserItem, L"");
    AppendMenuW(actions_, MF_STRING | MF_DISABLED, kWindowsItem,
                (std::wstring(kWindowsName) + L" (Version: " + WindowsVersion() + L")").c_str());
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
    users_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 20, 30, 280,
                             200, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(users_, WM_SETFONT, reinterpret_cast<WPARAM>(usersFont_.get()), FALSE);
    Form_Load();
}

int Cleanup::FindUser() {
    SendMessageW(users_, CB_RESETCONTENT, 0, 0);
    selectedUser_.clear();
    const std::wstring profiles = DrivePrefix() + kProfilesFolder;
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
    const std::wstring native = NativeFolder(folder);
    const std::vector<std::wstring> files = MatchingFiles(native, patterns);
    count_ += files.size();
    RemoveFiles(native, files);
}

void Cleanup::SetState(const wchar_t* caption) {
    SetWindowTextW(root_.Control(IDC_SBEREINIGUNG), caption);
}

void Cleanup::SetMenuUser(const std::wstring& name) {
    rBenutzer_ = name;
    ModifyMenuW(actions_, kUserItem, MF_BYCOMMAND | MF_STRING | MF_DISABLED, kUserItem, name.c_str());
}

void Cleanup::Form_Load() {
    count_ = 0;
    const std::wstring drive = DrivePrefix();
    const std::wstring system = SystemPrefix();
    const std::wstring profiles = drive + kProfilesFolder;

    if (FindUser() == 0) {
        ShowWindow(users_, SW_HIDE);
        RemoveMenu(actions_, kUserItem, MF_BYCOMMAND);
    }
    SetState(L"1");
    DoEvents();

    Visit(profiles + L"\\LocalService", kFirstPatternList);
    Visit(profiles + L"\\LocalService\\Lokale Einstellungen\\Anwendungsdaten\\Microsoft\\Windows", kFirstPatternList);
    Visit(profiles + L"\\NetworkService", kFirstPatternList);
    Visit(profiles + L"\\NetworkService\\Lokale Einstellungen\\Anwendungsdaten\\Microsoft\\Windows", kFirstPatternList);
    Visit(system + L"Config", kFirstPatternList);

    std::wstring user = DefaultUserFolder();
    if (user.empty())
        user = UserName();
    SetMenuUser(user);
    if (rBenutzer_.empty()) {
        ShowMessage(root_.Handle(),
                    {std::wstring(L"Der Benutzername von ") + kWindowsName + L" konnte nicht ausgelesen werden. ",
                     L"Dieser Vorgang konnte daher nicht vollständig beendet werden."},
                    std::wstring(L" ") + kCleanupCaption, MB_OK | MB_ICONSTOP);
        SetState(L"0");
        DestroyWindow(Handle());
        return;
    }

    Visit(profiles + L"\\" + rBenutzer_, kFirstPatternList);
    Visit(profiles + L"\\" + rBenutzer_ + L"\\Lokale Einstellungen\\Anwendungsdaten\\Microsoft\\Windows",
          kFirstPatternList);

    // Loaded only to look up the user name: stay loaded and hidden, so that
    // later reads of the name do not repeat the work.
    if (root_.BusyMarker() == L"1")
        return;
    if (!IsWindowEnabled(root_.Handle())) {
        SetState(L"0");
        DestroyWindow(Handle());
        return;
    }

    Visit(drive + L"Windows\\System32\\Config", kSecondPatternList);
    root_.SetTag(IDC_BOPTIMIERUNG, std::to_wstring(count_));
    if (count_ == 0)
        ShowMessage(root_.Handle(), {L"Es konnten keine temporären Registrierungsdateien gefunden werden.   "},
                    L" Bereinigung der Optimierung", MB_OK | MB_ICONINFORMATION);
    else
        ShowMessage(root_.Handle(),
                    {std::to_wstring(count_) + L" temporäre Registrierungsdateien wurden vollständig entfernt.   "},
                    L" Bereinigung der Optimierung", MB_OK | MB_ICONINFORMATION);
    root_.SetTag(IDC_BBEREINIGUNG, L"0");
    SetState(L"0");
    DestroyWindow(Handle());
}

LRESULT Cleanup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        SetState(L"0");
        users_ = nullptr;
        actions_ = nullptr;
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
