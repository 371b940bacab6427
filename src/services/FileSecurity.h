#pragma once
// Who may change a file or a folder. The program runs with an administrator's
// full rights, at log-on without asking: whatever such a run starts or reads
// must be out of reach of the accounts without those rights.
#include <windows.h>

#include <string>

// True when a group that every account belongs to (Everyone, Authenticated
// Users, Users, INTERACTIVE) may change what the descriptor guards: write or
// append to it, delete it or what a folder holds, change its permissions or take
// it over. Each group is judged alone, its entries in their order, as Windows
// checks access: a denying entry takes away only what no earlier entry allowed.
// No DACL at all lets everyone do everything; an empty one lets nobody.
bool EveryAccountMayChange(PSECURITY_DESCRIPTOR descriptor);
// The same for a file or folder; also true when its security cannot be read.
// A path that does not exist is false: its folder decides whether it can be made.
bool EveryAccountMayChange(const std::wstring& path);
