#pragma once
// The entries of the list of manual backups: TAB, name, "(dd.mm yyyy, hh:mm)",
// marked "ungeschützt" when another account could have changed the backup,
// TAB, the folder's full path, which the double click reads back.
#include <windows.h>

#include <string>
#include <string_view>

std::wstring BackupListEntry(const std::wstring& name, const SYSTEMTIME& changed, const std::wstring& folder,
                             bool open);
// The folder of an entry: what is left after the first three TABs.
std::wstring FolderOfEntry(std::wstring_view entry);
// "Sysreg", in any letter case, is the automatic backup and no manual one.
bool IsAutomaticBackupFolder(std::wstring_view name);
