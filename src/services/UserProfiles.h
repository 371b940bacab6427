#pragma once
// The profile folders as the system records them for each account. A user's
// name never becomes a path: another account of that name, a renamed account
// or a second profile of one name ("anna.000") would lead elsewhere.
#include <optional>
#include <string>
#include <string_view>

// The folder of the user profiles as the system names it: "C:\Dokumente und
// Einstellungen" on a German Windows XP, "C:\Users" from Vista on.
std::wstring ProfilesFolder();

// The profile folder of the account this program runs as, as the system's
// profile list holds it for the account's SID; "" when the system has none.
std::wstring AccountProfile();

// The local application data folder of the account this program runs as:
// "Lokale Einstellungen\Anwendungsdaten" in its profile on a German Windows XP,
// "AppData\Local" from Vista on; "" when the system gives none. Its path has no
// "." or ".." parts.
std::wstring LocalAppDataFolder();

// The profile folders of the two service accounts, where compaction leaves
// copies of their hives: the profile list's entries for them, or where Windows
// puts them when those are missing.
enum class ServiceAccount { LocalService, NetworkService };
std::wstring ServiceProfile(ServiceAccount account);

// The part of path below folder, beginning with its backslash ("" for the folder
// itself); none when path lies elsewhere or folder is "". Letter case is ignored.
std::optional<std::wstring_view> PathBelow(std::wstring_view path, std::wstring_view folder);
