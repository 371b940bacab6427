#include "backup/AutomaticBackup.h"

#include "app/Root.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/Processes.h"
#include "services/Registry.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Erunt";
constexpr wchar_t kTitle[] = L" Dired Arazerev-Uvozevo";

// The hourglass for as long as the action runs, whichever way it ends.
class BusyPointer {
public:
    BusyPointer() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyPointer() {
        SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW));
        DoEvents();
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    HCURSOR previous_;
};

bool SwitchOn(Root& root) {
    if (ShowMessage(root.Handle(),
                    {L"Die Emergency Recovery Autosicherung kann nun eingetragen werden.   ",
                     L"Möchten Sie die Registrierung automatisch alle 3 Tagen sichern ?"},
                    kTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return false;
    const std::wstring program = ProgramFolder();
    RegistryWriteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue,
                       L"\"" + program + L"\\" + ProgramName() + L".exe\" /Auto");
    DoEvents();
    if (ShowMessage(root.Handle(), {L"Möchten Sie die erste Sicherung der Registrierung sofort durchführen ?   "},
                    L" Emergency Recovery Utility", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return false;
    const std::wstring autoback = program + L"\\Autoback.exe";
    StartProgram(autoback,
                 autoback + L" \"" + program + L"\\Sysreg\" curuser otherusers /noconfirmdelete /alwayscreate",
                 SW_SHOWNORMAL);
    root.Sleep(1);
    return true;
}

void SwitchOff(Root& root) {
    if (ShowMessage(root.Handle(),
                    {L"Die Emergency Recovery Autosicherung kann nun entfernt werden.   ",
                     L"Möchten Sie auf die Sicherung der Registrierung verzichten ?"},
                    kTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        RegistryDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue);
}

// Restore is possible once an automatic backup exists in one of its places;
// one only in the user's profile leaves the button as it is.
void UpdateRestoreButton(Root& root, const std::wstring& user) {
    const HWND restore = root.Control(IDC_BWIEDERHERSTELLEN);
    if (FileExists(ProgramFolder() + L"\\Sysreg\\Erdnt.exe"))
        EnableWindow(restore, TRUE);
    else if (!FileExists(WindowsDirectory().substr(0, 3) + L"Dokumente und Einstellungen\\" + user +
                         L"\\Sysreg\\Erdnt.exe"))
        EnableWindow(restore, FALSE);
}

} // namespace

void bAutosicherung_Click(Root& root) {
    const BusyPointer busy;
    const std::wstring user = root.UserForProfiles();
    if (!FileExists(ReadProgramSetting(Keys::InstallFolder) + L"\\AUTOBACK.EXE")) {
        ShowMessage(root.Handle(),
                    {L"Die Emergency Recovery Autosicherung konnte nicht im Ordner gefunden werden.   ",
                     L"Überprüfen Sie bitte ob sich der Erunt-Manager im gleichen Ordner befindet.",
                     L"Die Installation der automatischen Sicherung ist leider fehlgeschlagen."},
                    kTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RegistryValue present;
    if (!RegistryReadValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, present)) {
        if (!SwitchOn(root))
            return;
    } else {
        SwitchOff(root);
    }
    UpdateRestoreButton(root, user);
}
