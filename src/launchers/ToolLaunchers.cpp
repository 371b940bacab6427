#include "launchers/ToolLaunchers.h"

#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/FileSecurity.h"
#include "services/MessagePump.h"
#include "services/Messages.h"
#include "services/Processes.h"
#include "services/WindowsOrdner.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "ui/ActionHost.h"

namespace {

// NTREGOPT and PAGEDFRG live in ERUNT's folder; missing, the click does nothing.
void StartRebootingTool(ActionHost& host, const wchar_t* executable) {
    const std::wstring installed = EruntFolder() + executable;
    if (!FileExists(installed) || !host.FullRightsOrTold() || !ToolProtected(host, installed, kEruntBelongs))
        return;
    const auto folder = AnsiToolPath(host, EruntFolder());
    if (!folder)
        return;
    const std::wstring tool = *folder + executable;
    if (host.StartTool(tool, CommandPath(tool) + L" /reboot", SW_SHOWNORMAL))
        host.CloseAfterHandOver();
}

// Started from its own folder, which becomes the current one first. Where another account could change
// it, a tool that needs no full rights starts through the desktop's shell with the logged-on user's.
void StartFromItsFolder(ActionHost& host, const wchar_t* folderKey, const wchar_t* executable,
                        std::wstring_view belongs, bool needsFullRights) {
    const std::wstring folder = FolderSetting(folderKey);
    const std::wstring tool = folder + executable;
    if (!needsFullRights && !OpenPlace({tool, folder}).empty() && host.StartOnDesktop(tool, folder)) {
        host.CloseAfterHandOver();
        return;
    }
    if (!ToolProtected(host, tool, belongs))
        return;
    SetCurrentDirectoryW(folder.substr(0, 2).c_str());
    SetCurrentDirectoryW(folder.c_str());
    DoEvents();
    if (host.StartTool(tool, CommandPath(tool), SW_SHOWNORMAL))
        host.CloseAfterHandOver();
}

} // namespace

void bOptimierung_Click(ActionHost& host) {
    StartRebootingTool(host, L"\\NTREGOPT.EXE");
}

void bDefragment_Click(ActionHost& host) {
    StartRebootingTool(host, L"\\PAGEDFRG.EXE");
}

void bCleaner_Click(ActionHost& host) {
    StartFromItsFolder(host, Keys::RegCleaner, kRegCleaner, L"RegCleaner", false);
}

void bBootClean_Click(ActionHost& host) {
    // It empties the system's prefetch folder and changes the machine's prefetch settings: only with full rights.
    StartFromItsFolder(host, Keys::BootClean, kPrefetchCleaner, L"Prefetch Clean and Control", true);
}

void bUpdates_Click(ActionHost& host) {
    const std::wstring text = ProgramFolder() + L"\\ERUNT.TXT";
    // The system's own editor by its full path: one in the program's or the
    // current folder must never run instead.
    const std::wstring notepad = SystemDirectory() + L"\\Notepad.exe";
    if (FileExists(text))
        host.StartTool(notepad, CommandPath(notepad) + L" " + text, SW_SHOWNOACTIVATE);
    host.Open(kEruntHomePage);
    DoEvents();
}
