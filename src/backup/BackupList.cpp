#include "backup/BackupList.h"

#include "services/Dates.h"
#include "services/Text.h"

std::wstring BackupListEntry(const std::wstring& name, const SYSTEMTIME& changed, const std::wstring& folder,
                             bool open) {
    return L"\t" + name + L"\t" + ListDateTime(changed) + (open ? L" ungeschützt" : L"") + L"\t" + folder;
}

std::wstring FolderOfEntry(std::wstring_view entry) {
    for (int field = 0; field < 3; ++field) {
        const size_t tab = entry.find(L'\t');
        if (tab == std::wstring_view::npos)
            break;
        entry.remove_prefix(tab + 1);
    }
    return std::wstring(entry);
}

bool IsAutomaticBackupFolder(std::wstring_view name) {
    return SameTextIgnoringCase(name, L"Sysreg");
}
