#include "launchers/ToolLaunchers.h"

#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/MessagePump.h"
#include "services/Processes.h"
#include "services/WindowsOrdner.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "ui/ActionHost.h"

namespace {

// NTREGOPT and PAGEDFRG live in ERUNT's folder; missing, the click does nothing.
void StartRebootingTool(ActionHost& host, const wchar_t* executable) {
    if (!FileExists(EruntFolder() + executable) || !host.FullRightsOrTold())
        return;
    const auto folder = AnsiToolPath(host, EruntFolder());
    if (!folder)
        return;
    const std::wstring tool = *folder + executable;
    if (host.StartTool(tool, CommandPath(tool) + L" /reboot", SW_SHOWNORMAL))
        host.CloseAfterHandOver();
}

// Started from its own folder, which becomes the current one first.
void StartFromItsFolder(ActionHost& host, const wchar_t* folderKey, const wchar_t* executable) {
    const std::wstring folder = FolderSetting(folderKey);
    SetCurrentDirectoryW(folder.substr(0, 2).c_str());
    SetCurrentDirectoryW(folder.c_str());
    DoEvents();
    const std::wstring tool = folder + executable;
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
    StartFromItsFolder(host, Keys::RegCleaner, kRegCleaner);
}

void bBootClean_Click(ActionHost& host) {
    StartFromItsFolder(host, Keys::BootClean, kPrefetchCleaner);
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
