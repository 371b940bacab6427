#include "cleanup/CleanupRules.h"

#include "services/FileDirPath.h"
#include "services/MessagePump.h"
#include "services/UniqueHandle.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"

#include <algorithm>
#include <array>

namespace {

bool SameText(std::wstring_view first, std::wstring_view second) {
    return CompareStringOrdinal(first.data(), static_cast<int>(first.size()), second.data(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

bool SameLetter(wchar_t first, wchar_t second) {
    return SameText({&first, 1}, {&second, 1});
}

// Classic wildcard matching with backtracking to the last '*'.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern) {
    size_t n = 0, p = 0, starAt = std::wstring_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && SameLetter(pattern[p], name[n])) {
            ++p;
            ++n;
        } else if (starAt != std::wstring_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

bool ByNameIgnoringCase(const std::wstring& first, const std::wstring& second) {
    return CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), second.c_str(),
                                static_cast<int>(second.size()), TRUE) == CSTR_LESS_THAN;
}

template <typename Keep> std::vector<std::wstring> Entries(const std::wstring& folder, Keep keep) {
    std::vector<std::wstring> entries;
    WIN32_FIND_DATAW found;
    const UniqueFindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search)
        return entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L".." && keep(found))
            entries.emplace_back(name);
    } while (FindNextFileW(search.get(), &found));
    std::sort(entries.begin(), entries.end(), ByNameIgnoringCase);
    return entries;
}

} // namespace

bool MatchesPatternList(std::wstring_view name, std::wstring_view patterns) {
    while (!patterns.empty()) {
        const size_t end = std::min(patterns.find(L';'), patterns.size());
        if (MatchesPattern(name, patterns.substr(0, end)))
            return true;
        patterns.remove_prefix(std::min(end + 1, patterns.size()));
    }
    return false;
}

std::vector<std::wstring> MatchingFiles(const std::wstring& folder, std::wstring_view patterns) {
    // The platform's own wildcard search also matches short 8.3 names, so the
    // folder is listed whole and each long name is matched here.
    return Entries(folder, [patterns](const WIN32_FIND_DATAW& found) {
        return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && MatchesPatternList(found.cFileName, patterns);
    });
}

void RemoveFiles(const std::wstring& folder, const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names) {
        const std::wstring path = folder + L"\\" + name;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL))
            return;
        if (!DeleteFileW(path.c_str())) {
            // A file that stays (one in use) stays as it was, hidden or read-only.
            SetFileAttributesW(path.c_str(), attributes);
            return;
        }
        DoEvents();
    }
}

std::vector<std::wstring> Subfolders(const std::wstring& folder) {
    std::vector<std::wstring> paths = Entries(
        folder, [](const WIN32_FIND_DATAW& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; });
    for (std::wstring& path : paths)
        path = folder + L"\\" + path;
    return paths;
}

UserList ProfileUsers(const std::wstring& profilesFolder, const std::vector<std::wstring>& subfolders,
                      std::wstring_view accountName) {
    const std::array<std::wstring, 5> excluded = {
        profilesFolder + L"\\All Users", profilesFolder + L"\\Default User", profilesFolder + L"\\Administrator",
        profilesFolder + L"\\LocalService", profilesFolder + L"\\NetworkService"};
    UserList users;
    for (const std::wstring& subfolder : subfolders) {
        std::wstring name = LastPathPart(subfolder);
        if (std::find(excluded.begin(), excluded.end(), subfolder) == excluded.end() && IsPlainName(name))
            users.names.push_back(std::move(name));
    }
    for (size_t index = 0; index < users.names.size(); ++index) {
        users.selected = static_cast<int>(index);
        if (SameText(users.names[index], accountName))
            break;
    }
    return users;
}

std::wstring NativeFolder(const std::wstring& folder) {
    BOOL redirected = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &redirected) || !redirected)
        return folder;
    const std::wstring system = SystemDirectory();
    const bool inSystemFolder = folder.size() >= system.size() &&
                                SameText(std::wstring_view(folder).substr(0, system.size()), system) &&
                                (folder.size() == system.size() || folder[system.size()] == L'\\');
    if (!inSystemFolder)
        return folder;
    // "Sysnative" is the system's own name for the real system folder, seen from a 32-bit program.
    return WindowsDirectory() + L"\\Sysnative" + folder.substr(system.size());
}
