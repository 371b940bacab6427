#pragma once
// What the clean-up looks for and where, without any window.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Hive copies that compaction and restore leave in the system's configuration
// folder; the second list also catches numbered copies.
inline constexpr wchar_t kFirstPatternList[] = L"*.DAT_BAK*;*.DAT_TU*;*.TMP.LOG;*.BAK";
inline constexpr wchar_t kSecondPatternList[] = L"*_BAK_*.*;*_TU_*.*;*.TMP.LOG;*.BAK";
// The same copies in a profile, where a .bak file is the user's own unless it
// bears the name of a profile's hive.
inline constexpr wchar_t kProfilePatternList[] = L"*.DAT_BAK*;*.DAT_TU*;*.TMP.LOG;NTUSER*.BAK;USRCLASS*.BAK";

// True when the name matches at least one pattern of the ';'-separated list;
// '*' stands for any run of characters and letter case is ignored.
bool MatchesPatternList(std::wstring_view name, std::wstring_view patterns);

// The files directly in a folder whose own (long) names match, hidden, system
// and read-only ones included, sorted by name; none when the folder is missing.
std::vector<std::wstring> MatchingFiles(const std::wstring& folder, std::wstring_view patterns);

// What a removal did: the files now gone, and those that stay (in use, or no rights).
struct Removal {
    uint64_t removed = 0;
    uint64_t kept = 0;
    Removal& operator+=(const Removal& other) {
        removed += other.removed;
        kept += other.kept;
        return *this;
    }
};

// Deletes the matching files of a folder as NativeFolder reaches it, in order,
// read-only ones included, letting window messages run between them. A file
// that cannot be deleted stays with its attributes as they were, and the next
// one is tried.
Removal RemoveMatchingFiles(const std::wstring& folder, std::wstring_view patterns);

// The full clean-up's report: what was removed, and what could not be.
std::wstring CleanupReport(const Removal& removal);

struct UserList {
    std::vector<std::wstring> names;
    // The entry whose name is the account's, else the last; -1 when there is none.
    int selected = -1;
};
// The profile names among the sub-folders of the profiles folder, leaving out
// the service and template profiles and names that are no plain name.
UserList ProfileUsers(const std::wstring& profilesFolder, const std::vector<std::wstring>& subfolders,
                      std::wstring_view accountName);

// The path by which this process reaches a folder: a 32-bit program on 64-bit
// Windows would otherwise be sent to the 32-bit system folder instead. Where
// Windows has no "Sysnative" alias the path stays as it is, and only
// RemoveMatchingFiles reaches the real folder, by turning the redirection off.
std::wstring NativeFolder(const std::wstring& folder);
