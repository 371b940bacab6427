#include "launchers/ToolLaunchers.h"

#include "app/Root.h"
#include "launchers/Addresses.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/MessagePump.h"
#include "services/Processes.h"
#include "services/WebSupports.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace {

// NTREGOPT and PAGEDFRG live in ERUNT's folder; missing, the click does nothing.
void StartRebootingTool(Root& root, const wchar_t* executable) {
    const std::wstring tool = ReadProgramSetting(Keys::InstallFolder) + executable;
    if (!FileExists(tool))
        return;
    StartProgram(tool, tool + L" /reboot", SW_SHOWNORMAL);
    root.CloseAfterHandOver();
}

// Started from its own folder, which becomes the current one first. Nothing
// is checked: whatever fails, the program closes a second later all the same.
void StartFromItsFolder(Root& root, const wchar_t* folderKey, const wchar_t* executable) {
    const std::wstring folder = ReadProgramSetting(folderKey);
    SetCurrentDirectoryW(folder.substr(0, 2).c_str());
    SetCurrentDirectoryW(folder.c_str());
    DoEvents();
    const std::wstring tool = folder + executable;
    StartProgram(tool, tool, SW_SHOWNORMAL);
    root.CloseAfterHandOver();
}

} // namespace

void bOptimierung_Click(Root& root) {
    StartRebootingTool(root, L"\\NTREGOPT.EXE");
}

void bDefragment_Click(Root& root) {
    StartRebootingTool(root, L"\\PAGEDFRG.EXE");
}

void bCleaner_Click(Root& root) {
    StartFromItsFolder(root, Keys::RegCleaner, kRegCleaner);
}

void bBootClean_Click(Root& root) {
    StartFromItsFolder(root, Keys::BootClean, kPrefetchCleaner);
}

void bUpdates_Click(Root&) {
    const std::wstring text = ProgramFolder() + L"\\ERUNT.TXT";
    if (FileExists(text))
        StartProgram(L"Notepad.exe", L"Notepad.exe " + text, SW_SHOWNOACTIVATE);
    ShellOpen(kEruntHomePage);
    DoEvents();
}
