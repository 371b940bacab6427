#include "backup/Restore.h"

#include "app/Root.h"
#include "backup/BackupList.h"
#include "cleanup/CleanupRules.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/FileDirPath.h"
#include "services/IniFiles.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/Processes.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

#include <array>

namespace {

constexpr wchar_t kRestoreTitle[] = L" Wiederherstellung der Registrierung";

void RestoreAutomaticBackup(Root& root, const std::wstring& destination, const std::wstring& user) {
    const std::array<std::wstring, 3> places = {destination + L"\\Sysreg",
                                                WindowsDirectory().substr(0, 3) + L"Dokumente und Einstellungen\\" +
                                                    user + L"\\Sysreg",
                                                ProgramFolder() + L"\\Sysreg"};
    for (const std::wstring& place : places) {
        const std::wstring restorer = place + L"\\Erdnt.exe";
        if (!FileExists(restorer))
            continue;
        const auto saved = LastWritten(place + L"\\Erdnt.Inf");
        const std::wstring date = saved ? DayMonthYear(*saved) : std::wstring();
        if (ShowMessage(root.Handle(),
                        {L"Möchten Sie die am " + date + L" gespeicherte Registrierung wiederherstellen ?  ",
                         L"Bitte schließen Sie vor der Wiederherstellung alle laufenden Anwendungen.",
                         L"Der Computer wird automatisch nach der Rücksicherung neu gestarten."},
                        kRestoreTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
            return;
        StartProgram(restorer, restorer, SW_SHOWNORMAL);
        root.CloseAfterHandOver();
    }
}

void FillBackupList(Root& root) {
    const HWND list = root.Control(IDC_LBACKUPS);
    const INT tabStops[] = {10, 65, 200};
    SendMessageW(list, LB_SETTABSTOPS, 3, reinterpret_cast<LPARAM>(tabStops));
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    EnableWindow(list, FALSE);

    const std::wstring backups =
        ReadIniValue(EruntFolder() + L"\\ERUNT.INI", kSettingsSection, Keys::DefaultDestinationFolder);
    // Without a backup root, the folder listed last time (at first the start folder) is listed again.
    if (PathExists(backups))
        root.SetListedFolder(backups);
    for (const std::wstring& folder : Subfolders(root.ListedFolder())) {
        const std::wstring name = LastPathPart(folder);
        const auto changed = LastWritten(folder);
        if (IsAutomaticBackupFolder(name) || !changed)
            continue;
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(BackupListEntry(name, *changed, folder).c_str()));
    }

    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count <= 0)
        return;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    EnableWindow(list, TRUE);
    ShowWindow(list, SW_SHOW);
    ShowWindow(root.Control(IDC_PTOOLTIPS), SW_HIDE);
    DoEvents();
    root.Sleep(1);
}

} // namespace

void bWiederherstellen_Click(Root& root) {
    const std::wstring destination = ReadProgramSetting(Keys::DefaultDestinationFolder);
    const std::wstring user = root.UserForProfiles();
    if (ShowMessage(root.Handle(),
                    {L"Möchten Sie die automatische Regiistrierungssicherung wiederherstellen ?  ",
                     L"Ansonsten erhalten Sie eine Auswahl der manuellen Sicherungen."},
                    kRestoreTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        RestoreAutomaticBackup(root, destination, user);
    else
        FillBackupList(root);
}

void LBackups_DblClick(Root& root) {
    const HWND list = root.Control(IDC_LBACKUPS);
    const auto selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    entry.resize(static_cast<size_t>(
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry.data()))));
    const std::wstring restorer = FolderOfEntry(entry) + L"\\Erdnt.exe";
    if (FileExists(restorer))
        StartProgram(restorer, restorer, SW_SHOWNORMAL);
    ShowWindow(list, SW_HIDE);
    root.CloseAfterHandOver();
}

void LBackups_MouseDown(Root& root, int button) {
    const HWND list = root.Control(IDC_LBACKUPS);
    if (button == 2)
        ShowWindow(list, SW_HIDE);
    if (IsWindowVisible(list))
        ShowWindow(root.Control(IDC_PTOOLTIPS), SW_HIDE);
}
