#pragma once
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <string_view>

// Lets the user choose a file-system folder below the given shell special
// folder (by default the computer's drives); the chosen path, or "" when cancelled or when it has no path.
// The owner takes no input meanwhile.
std::wstring BrowseFolder(HWND owner, int root = CSIDL_DRIVES);

// The path of a chosen folder from its display title and the path the shell
// reports; a drive's title holds a colon, which names its root.
std::wstring FolderFromChoice(std::wstring_view displayTitle, std::wstring_view shellPath);
