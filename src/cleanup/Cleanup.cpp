#include "cleanup/Cleanup.h"

#include "cleanup/CleanupRules.h"
#include "services/Dateiexistenz.h"
#include "services/FolderListing.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/UserProfiles.h"
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

std::wstring Cleanup::SelectedUser(CleanupLoad load) {
    if (!loaded_)
        Form_Load(load);
    return users_.selected >= 0 ? users_.names[static_cast<size_t>(users_.selected)] : std::wstring();
}

void Cleanup::ShowModal() {
    if (loaded_)
        Close();
    Form_Load(CleanupLoad::FullCleanup);
    if (loaded_ && CreateShownWindow())
        RunModal(host_.Owner(), Handle(), [this] { return !loaded_; });
}

// The window shows what the load found: the user list and, in the menu, the user
// whose folders were cleaned. Only a load that stays needs it, so look-ups
// (every start-up among them) create no window.
bool Cleanup::CreateShownWindow() {
    if (!RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    const HMENU actions = CreatePopupMenu();
    if (!users_.names.empty())
        AppendMenuW(actions, MF_STRING | MF_DISABLED, kUserItem, rBenutzer_.c_str());
    AppendMenuW(actions, MF_STRING | MF_DISABLED, kWindowsItem,
                (std::wstring(kWindowsName) + L" (Version: " + WindowsVersionText() + L")").c_str());
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(actions), L"Vorgänge ");
    RECT frame = {0, 0, 320, 90};
    AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU, TRUE, 0);
    OffsetRect(&frame, 200 - frame.left, 200 - frame.top);
    if (!CreateTopLevel(kClassName, kCleanupCaption, WS_CAPTION | WS_SYSMENU, frame)) {
        DestroyMenu(bar);
        return false;
    }
    SetMenu(Handle(), bar);
    usersFont_ = CreateUiFont(L"Century Gothic", L"Tahoma", 90, false, ScreenDpi());
    const HWND list = CreateControl(Handle(), 0, L"COMBOBOX", L"",
                                    (users_.names.empty() ? 0 : WS_VISIBLE) | WS_VSCROLL | CBS_DROPDOWNLIST,
                                    {20, 30, 300, 230}, usersFont_.get());
    for (const std::wstring& name : users_.names)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(users_.selected), 0);
    return true;
}

int Cleanup::FindUser() {
    users_ = {};
    const std::wstring profiles = ProfilesFolder();
    if (PathExists(profiles))
        users_ = ProfileUsers(profiles, Subfolders(profiles), UserName());
    return static_cast<int>(users_.names.size());
}

void Cleanup::Visit(const std::wstring& folder, const wchar_t* patterns) {
    removal_ += RemoveMatchingFiles(folder, patterns);
}

void Cleanup::Close() {
    loaded_ = false;
    host_.ShowCleanupRunning(false);
    if (Handle())
        DestroyWindow(Handle());
}

void Cleanup::Form_Load(CleanupLoad load) {
    loaded_ = true;
    removal_ = {};
    FindUser();
    host_.ShowCleanupRunning(true);
    DoEvents();
    const std::wstring profile = AccountProfile();
    const std::wstring localAppData = LocalAppDataFolder();
    // A profile keeps the hive of its classes in its local application data: the service
    // profiles have that where the account's own profile has it.
    const std::optional<std::wstring_view> localPart = PathBelow(localAppData, profile);
    const auto visitProfile = [&](const std::wstring& folder) {
        Visit(folder, kProfilePatternList);
        if (localPart)
            Visit(folder + std::wstring(*localPart) + L"\\Microsoft\\Windows", kProfilePatternList);
    };
    for (const ServiceAccount service : {ServiceAccount::LocalService, ServiceAccount::NetworkService})
        visitProfile(ServiceProfile(service));
    Visit(SystemConfigFolder(), kFirstPatternList);
    rBenutzer_ = DefaultUserFolder();
    if (rBenutzer_.empty())
        rBenutzer_ = UserName();
    if (rBenutzer_.empty() || profile.empty()) {
        host_.Ask({std::wstring(L"Der Benutzername von ") + kWindowsName + L" konnte nicht ausgelesen werden. ",
                   L"Dieser Vorgang konnte daher nicht vollständig beendet werden."},
                  std::wstring(L" ") + kCleanupCaption, MB_OK | MB_ICONSTOP);
        Close();
        return;
    }
    // The name is shown only; the folders are the account's own, as the system records them.
    visitProfile(profile);
    if (load == CleanupLoad::LookUpAndStay)
        return;
    if (load == CleanupLoad::LookUpAndClose) {
        Close();
        return;
    }
    // The second list also catches the numbered copies, which only a full clean-up removes.
    Visit(SystemConfigFolder(), kSecondPatternList);
    SharedState& state = host_.State();
    state.copiesRemoved = removal_.removed;
    host_.Ask({CleanupReport(removal_)}, kReportTitle, MB_OK | MB_ICONINFORMATION);
    state.cleanupRequested = false;
    Close();
}

LRESULT Cleanup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        loaded_ = false;
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
