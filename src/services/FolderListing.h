#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct FolderEntry {
    std::wstring name;
    DWORD attributes;
    bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
};

// What lies directly in a folder, hidden and system entries included, without
// "." and "..", sorted by name without regard to case; nothing when the
// folder cannot be listed.
std::vector<FolderEntry> FolderEntries(const std::wstring& folder);

// The sub-folders of a folder as full paths, in the same order.
std::vector<std::wstring> Subfolders(const std::wstring& folder);
