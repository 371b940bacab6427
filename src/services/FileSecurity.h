#pragma once
// Who may change a file or a folder. The program runs with an administrator's
// full rights: whatever such a run starts or reads must be out of reach of
// every account without those rights.
#include <windows.h>

#include <initializer_list>
#include <string>

// What another account may not be able to do. To the place itself: write or
// append to it, delete it or what a folder holds, change its permissions or take
// it over. To each folder above it: delete or rename it, delete what it holds,
// change its permissions or take it over; making new files there does not reach
// the place.
enum class Reach { Place, FolderAbove };

// True when an account or group other than Administrators, SYSTEM,
// TrustedInstaller and the account itself (`self`) may do so, or another
// account owns what the descriptor guards. Each is judged alone, its entries in
// their order, as Windows checks access: a denying entry takes away only what no
// earlier entry allowed. No DACL at all lets everyone do everything; an empty
// one lets nobody.
bool OthersMayChange(PSECURITY_DESCRIPTOR descriptor, PSID self, Reach reach);

// The first of the paths, each followed by the folders above it up to its
// drive's root, that another account than the running one may change so; ""
// when none. A path whose security cannot be read counts as open; one that does
// not exist does not, as the folders above it decide whether it can be made.
std::wstring OpenPlace(std::initializer_list<std::wstring> paths);
