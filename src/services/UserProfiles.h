#pragma once
// The profile folders as the system records them for each account. A user's
// name never becomes a path: another account of that name, a renamed account
// or a second profile of one name ("anna.000") would lead elsewhere.
#include <string>

// The folder of the user profiles as the system names it: "C:\Dokumente und
// Einstellungen" on a German Windows XP, "C:\Users" from Vista on.
std::wstring ProfilesFolder();

// The profile folder of the account this program runs as, as the system's
// profile list holds it for the account's SID; "" when the system has none.
std::wstring AccountProfile();
