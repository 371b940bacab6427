#include "launchers/PatchLoader.h"

#include "app/Root.h"
#include "launchers/Addresses.h"
#include "services/BrowseFolders2k.h"
#include "services/Dateiexistenz.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/Processes.h"
#include "services/WebSupports.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

namespace {

constexpr wchar_t kPreferredLoader[] = L"\\vrnRedezoreDereri.hta";
constexpr wchar_t kLoader[] = L"\\vrnPatchLoader.hta";

// An empty folder holds nothing: without it the test would look at the root
// of the current drive.
bool HoldsALoader(const std::wstring& folder) {
    return !folder.empty() && (FileExists(folder + kPreferredLoader) || FileExists(folder + kLoader));
}

} // namespace

void bPatchLoader_Click(Root& root) {
    const HWND button = root.Control(IDC_BPATCHLOADER);
    // Retry offers the download and then runs the whole action again, until
    // the loader is found or the user cancels.
    for (;;) {
        EnableWindow(button, FALSE);
        if (HoldsALoader(ReadProgramSetting(Keys::WinPatch)))
            break;
        DoEvents();
        root.Sleep(1);
        const std::wstring picked = BrowseFolder(kDriveListFolder);
        if (HoldsALoader(picked)) {
            WriteProgramSetting(Keys::WinPatch, picked);
            DoEvents();
            break;
        }
        if (ShowMessage(root.Handle(),
                        {L"Die Varnhal RedezoreDereri Anwendung konnte in dem Ordner nicht gefunden werden.   ",
                         L"Suchen Sie manuell die Datei ''vrnPatchLoader.hta'' oder laden Sie diese herunter.", L" ",
                         L"Klicken Sie auf ''Wiederholen'' um die Anwendung aus dem Internet zu laden."},
                        L" Kestrilo 1.41", MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY) {
            EnableWindow(button, TRUE);
            return;
        }
        ShellOpen(kPatchLoaderDownload);
    }

    const std::wstring folder = ReadProgramSetting(Keys::WinPatch);
    const std::wstring loader = folder + (FileExists(folder + kPreferredLoader) ? kPreferredLoader : kLoader);
    const std::wstring host = SystemDirectory() + L"\\MSHTA.EXE";
    StartProgram(host, L"\"" + host + L"\" \"" + loader + L"\"", SW_SHOWNORMAL);
    EnableWindow(button, TRUE);
    root.CloseAfterHandOver();
}
