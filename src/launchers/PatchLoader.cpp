#include "launchers/PatchLoader.h"

#include "resource.h"
#include "services/Dateiexistenz.h"
#include "services/MessagePump.h"
#include "services/WindowsOrdner.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

namespace {

constexpr wchar_t kPreferredLoader[] = L"\\vrnRedezoreDereri.hta";
constexpr wchar_t kLoader[] = L"\\vrnPatchLoader.hta";
constexpr wchar_t kPatchLoaderTitle[] = L" Kestrilo 1.41";

// An empty folder holds nothing: without it the test would look at the root
// of the current drive.
bool HoldsALoader(const std::wstring& folder) {
    return !folder.empty() && (FileExists(folder + kPreferredLoader) || FileExists(folder + kLoader));
}

} // namespace

void bPatchLoader_Click(ActionHost& host) {
    // Retry offers the download and then runs the whole action again, until
    // the loader is found or the user cancels.
    std::wstring folder;
    for (;;) {
        host.EnableButton(IDC_BPATCHLOADER, false);
        folder = ReadProgramSetting(Keys::WinPatch);
        if (HoldsALoader(folder))
            break;
        DoEvents();
        host.Wait(1);
        // The folder just picked runs, whatever the settings file makes of it.
        folder = host.ChooseFolder();
        if (HoldsALoader(folder)) {
            StoreChosenFolder(host, Keys::WinPatch, folder, kPatchLoaderTitle);
            DoEvents();
            break;
        }
        if (host.Ask({L"Die Varnhal RedezoreDereri Anwendung konnte in dem Ordner nicht gefunden werden.   ",
                      L"Suchen Sie manuell die Datei ''vrnPatchLoader.hta'' oder laden Sie diese herunter.", L" ",
                      L"Klicken Sie auf ''Wiederholen'' um die Anwendung aus dem Internet zu laden."},
                     kPatchLoaderTitle, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY) {
            host.EnableButton(IDC_BPATCHLOADER, true);
            return;
        }
        host.Open(kPatchLoaderDownload);
    }
    const std::wstring loader = folder + (FileExists(folder + kPreferredLoader) ? kPreferredLoader : kLoader);
    const std::wstring mshta = SystemDirectory() + L"\\MSHTA.EXE";
    // MSHTA runs the loader with the program's full rights.
    const bool started = host.FullRightsOrTold() && ToolProtected(host, loader, L"den Patch Loader") &&
                         host.StartTool(mshta, L"\"" + mshta + L"\" \"" + loader + L"\"", SW_SHOWNORMAL);
    host.EnableButton(IDC_BPATCHLOADER, true);
    if (started)
        host.CloseAfterHandOver();
}
