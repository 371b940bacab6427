#include "services/UserProfiles.h"

#include "services/Registry.h"
#include "services/Text.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"
#include "services/WindowsVersion.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace {

constexpr wchar_t kProfileList[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

// A folder value of the profile list, its variables expanded; "" when missing.
std::wstring ProfileListFolder(const std::wstring& subKey, const wchar_t* name) {
    // The 64-bit view holds the system's own value, whichever build reads it.
    RegistryValue value;
    if (!RegistryReadValue(HKEY_LOCAL_MACHINE, subKey, name, value, Is64BitWindows() ? KEY_WOW64_64KEY : 0))
        return {};
    const auto* folder = std::get_if<std::wstring>(&value);
    if (!folder || folder->empty())
        return {};
    std::wstring expanded(MAX_PATH, L'\0');
    const DWORD length = ExpandEnvironmentStringsW(folder->c_str(), expanded.data(), MAX_PATH);
    return length > 1 && length <= MAX_PATH ? expanded.substr(0, length - 1) : std::wstring();
}

std::wstring ProfileOfSid(const std::wstring& sid) {
    return sid.empty() ? std::wstring() : ProfileListFolder(kProfileList + (L"\\" + sid), L"ProfileImagePath");
}

} // namespace

std::wstring ProfilesFolder() {
    const std::wstring folder = ProfileListFolder(kProfileList, L"ProfilesDirectory");
    if (!folder.empty())
        return folder;
    // Where the system says nothing, the folder of a German Windows XP.
    const std::wstring windows = WindowsDirectory();
    return (windows.size() >= 3 ? windows.substr(0, 3) : L"C:\\") + L"Dokumente und Einstellungen";
}

std::wstring AccountProfile() {
    return ProfileOfSid(AccountSid());
}

std::wstring LocalAppDataFolder() {
    wchar_t folder[MAX_PATH] = {}, full[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    // The account's own settings name it: without "." and ".." parts it cannot climb out of where it seems to lie.
    const DWORD length = GetFullPathNameW(folder, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? full : std::wstring();
}

std::wstring ServiceProfile(ServiceAccount account) {
    const bool local = account == ServiceAccount::LocalService;
    const std::wstring listed = ProfileOfSid(local ? L"S-1-5-19" : L"S-1-5-20");
    if (!listed.empty())
        return listed;
    const wchar_t* name = local ? L"\\LocalService" : L"\\NetworkService";
    // Vista moved them out of the profiles folder.
    return (WindowsVersion().dwMajorVersion >= 6 ? WindowsDirectory() + L"\\ServiceProfiles" : ProfilesFolder()) + name;
}

std::optional<std::wstring_view> PathBelow(std::wstring_view path, std::wstring_view folder) {
    if (folder.empty() || path.size() < folder.size() || !SameTextIgnoringCase(path.substr(0, folder.size()), folder) ||
        (path.size() > folder.size() && path[folder.size()] != L'\\'))
        return std::nullopt;
    return path.substr(folder.size());
}
