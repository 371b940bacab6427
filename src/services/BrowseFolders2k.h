#pragma once
#include <string>
#include <string_view>

// Special folder number of the computer's drive list, the root every caller uses.
inline constexpr int kDriveListFolder = 17;

// Lets the user choose a file-system folder below the given shell special
// folder; the chosen path, or "" when cancelled or when it has no path.
std::wstring BrowseFolder(int root);

// The path of a chosen folder from its display title and the path the shell
// reports; a drive's title holds a colon, which names its root.
std::wstring FolderFromChoice(std::wstring_view displayTitle, std::wstring_view shellPath);
