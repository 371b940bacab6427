#include "services/FolderListing.h"

#include "services/Text.h"
#include "services/UniqueHandle.h"

#include <algorithm>
#include <string_view>

std::vector<FolderEntry> FolderEntries(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    const UniqueFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search)
        return entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back({std::wstring(name), found.dwFileAttributes});
    } while (FindNextFileW(search.get(), &found));
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& first, const FolderEntry& second) {
        return CompareIgnoringCase(first.name, second.name) < 0;
    });
    return entries;
}

std::vector<std::wstring> Subfolders(const std::wstring& folder) {
    std::vector<std::wstring> paths;
    for (const FolderEntry& entry : FolderEntries(folder))
        if (entry.IsFolder())
            paths.push_back(folder + L"\\" + entry.name);
    return paths;
}
