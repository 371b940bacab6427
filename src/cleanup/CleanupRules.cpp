#include "cleanup/CleanupRules.h"

#include "services/Dateiexistenz.h"
#include "services/FileDirPath.h"
#include "services/FileSystemRedirection.h"
#include "services/FolderListing.h"
#include "services/MessagePump.h"
#include "services/Text.h"
#include "services/UserProfiles.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"

#include <algorithm>
#include <array>

namespace {

// Classic wildcard matching with backtracking to the last '*'; both texts are in capitals.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern) {
    size_t n = 0, p = 0, starAt = std::wstring_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
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

template <typename Keep> std::vector<std::wstring> Entries(const std::wstring& folder, Keep keep) {
    std::vector<std::wstring> names;
    for (FolderEntry& entry : FolderEntries(folder))
        if (keep(entry))
            names.push_back(std::move(entry.name));
    return names;
}

// How this process reaches a folder: by another path, or by the same one with
// the file-system redirection turned off.
struct Reach {
    std::wstring folder;
    bool withoutRedirection = false;
};

Reach ReachFolder(const std::wstring& folder) {
    BOOL redirected = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &redirected) || !redirected)
        return {folder};
    const auto inSystemFolder = PathBelow(folder, SystemDirectory());
    if (!inSystemFolder)
        return {folder};
    // "Sysnative" is the system's own name for the real system folder, seen from a 32-bit program.
    const std::wstring sysnative = WindowsDirectory() + L"\\Sysnative";
    if (!PathExists(sysnative))
        return {folder, true};
    return {sysnative + std::wstring(*inSystemFolder)};
}

std::vector<std::wstring> MatchingFilesIn(const Reach& reach, std::wstring_view patterns) {
    const FileSystemRedirectionOff redirectionOff(reach.withoutRedirection);
    // The platform's own wildcard search also matches short 8.3 names, so the
    // folder is listed whole and each long name is matched here.
    return Entries(reach.folder, [patterns](const FolderEntry& entry) {
        return !entry.IsFolder() && MatchesPatternList(entry.name, patterns);
    });
}

bool RemoveFile(const Reach& reach, const std::wstring& name) {
    const FileSystemRedirectionOff redirectionOff(reach.withoutRedirection);
    const std::wstring path = reach.folder + L"\\" + name;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL))
        return false;
    if (DeleteFileW(path.c_str()))
        return true;
    // A file that stays (one in use) stays as it was, hidden or read-only.
    SetFileAttributesW(path.c_str(), attributes);
    return false;
}

// Window messages run between the files, never while the redirection is off.
Removal RemoveFilesIn(const Reach& reach, const std::vector<std::wstring>& names) {
    Removal removal;
    for (const std::wstring& name : names) {
        ++(RemoveFile(reach, name) ? removal.removed : removal.kept);
        DoEvents();
    }
    return removal;
}

} // namespace

bool MatchesPatternList(std::wstring_view name, std::wstring_view patternList) {
    const std::wstring upperName = UpperCase(name);
    const std::wstring upperPatterns = UpperCase(patternList);
    std::wstring_view patterns = upperPatterns;
    while (!patterns.empty()) {
        const size_t end = std::min(patterns.find(L';'), patterns.size());
        if (MatchesPattern(upperName, patterns.substr(0, end)))
            return true;
        patterns.remove_prefix(std::min(end + 1, patterns.size()));
    }
    return false;
}

std::vector<std::wstring> MatchingFiles(const std::wstring& folder, std::wstring_view patterns) {
    return MatchingFilesIn({folder}, patterns);
}

Removal RemoveMatchingFiles(const std::wstring& folder, std::wstring_view patterns) {
    const Reach reach = ReachFolder(folder);
    return RemoveFilesIn(reach, MatchingFilesIn(reach, patterns));
}

std::wstring CleanupReport(const Removal& removal) {
    std::wstring kept;
    if (removal.kept == 1)
        kept = L"1 temporäre Registrierungsdatei konnte nicht entfernt werden, weil sie noch verwendet wird oder die "
               L"Rechte dazu fehlen.";
    else if (removal.kept > 1)
        kept = std::to_wstring(removal.kept) +
               L" temporäre Registrierungsdateien konnten nicht entfernt werden, weil sie noch verwendet werden oder "
               L"die Rechte dazu fehlen.";
    if (removal.removed == 0)
        return kept.empty() ? L"Es konnten keine temporären Registrierungsdateien gefunden werden.   " : kept;
    const std::wstring removed =
        removal.removed == 1
            ? L"1 temporäre Registrierungsdatei wurde vollständig entfernt.   "
            : std::to_wstring(removal.removed) + L" temporäre Registrierungsdateien wurden vollständig entfernt.   ";
    return kept.empty() ? removed : removed + L"\n" + kept;
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
        if (SameTextIgnoringCase(users.names[index], accountName))
            break;
    }
    return users;
}

std::wstring NativeFolder(const std::wstring& folder) {
    return ReachFolder(folder).folder;
}
