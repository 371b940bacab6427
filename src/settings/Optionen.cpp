#include "settings/Optionen.h"

#include "backup/LanguageFiles.h"
#include "launchers/Addresses.h"
#include "resource.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/FolderListing.h"
#include "services/IniFiles.h"
#include "services/Messages.h"
#include "services/MessagePump.h"
#include "services/Processes.h"
#include "services/UniqueHandle.h"
#include "ui/ActionHost.h"
#include "ui/Windows.h"
#include "services/WebSupports.h"
#include "settings/Settings.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace {

constexpr wchar_t kClassName[] = L"HivoraOptionen";
constexpr UINT_PTR kTimer1 = 1;
constexpr wchar_t kHivoraTitle[] = L" Hivora";

struct ControlLayout {
    int id;
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;
    int left, top, width, height; // twips
};

// In tab order; the labels' access keys move the focus to the field after them.
constexpr ControlLayout kControls[] = {
    {IDC_VINSTALL, L"STATIC", L"&Installationsordner für Erunt/NtRegOpt:", 0, 285, 345, 3240, 210},
    {IDC_TINSTALL, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 585, 5100, 315},
    {IDC_BINSTALL, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 585, 465, 330},
    {IDC_VSICHERUNGEN, L"STATIC", L"&Sicherungsordner für Registrierung:", 0, 285, 1035, 2895, 210},
    {IDC_TSICHERUNGEN, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 1275, 5100, 315},
    {IDC_BSICHERUNGEN_WAEHLEN, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 1275, 465, 330},
    {IDC_BSUBFOLDER, L"BUTTON", L"&Unterordner mit aktuellem Datum erstellen ", WS_TABSTOP | BS_AUTOCHECKBOX, 270, 1665,
     4605, 240},
    {IDC_BCOMPLETE, L"BUTTON", L"&Vollständige Datenbanksicherung ", WS_TABSTOP | BS_AUTOCHECKBOX, 270, 1980, 4605,
     240},
    {IDC_VBOOTCLEAN, L"STATIC", L"&Bootoptimierer Installationsordner:", 0, 285, 2385, 2820, 210},
    {IDC_TBOOTCLEAN, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 2625, 5100, 315},
    {IDC_BBOOTCLEAN_WAEHLEN, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 2625, 465, 330},
    {IDC_VCLEANER, L"STATIC", L"&RegCleaner Installationsordner:", 0, 285, 3060, 2520, 210},
    {IDC_TCLEANER, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 3300, 5100, 315},
    {IDC_BCLEANER_WAEHLEN, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 3300, 465, 330},
    {IDC_BREADY, L"BUTTON", L"&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, 3690, 4140, 1140, 395},
    {IDC_BABBRECHEN, L"BUTTON", L"&Abbrechen", WS_TABSTOP | BS_PUSHBUTTON, 4905, 4140, 1140, 395},
    {IDC_FRAME1, L"STATIC", L"", SS_ETCHEDHORZ, 180, 3825 + 75, 5865, 2},
};

// The backup group is usable only while the ERUNT folder exists.
constexpr int kBackupGroup[] = {IDC_VSICHERUNGEN, IDC_TSICHERUNGEN, IDC_BSICHERUNGEN_WAEHLEN,
                                IDC_BSUBFOLDER,   IDC_BCOMPLETE,    IDC_BREADY};

bool HoldsFiles(const std::wstring& folder) {
    const std::vector<FolderEntry> entries = FolderEntries(folder);
    return std::any_of(entries.begin(), entries.end(), [](const FolderEntry& entry) { return !entry.IsFolder(); });
}

std::string FileBytes(const std::wstring& path) {
    const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > (1 << 24))
        return {};
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

// ERUNT's language file is German when it speaks of the "Registrierung".
bool IsGermanLanguageFile(const std::wstring& path) {
    std::string text = FileBytes(path);
    // All but the last two bytes, as ERUNT's own reader takes it.
    text.resize(text.size() > 2 ? text.size() - 2 : 0);
    constexpr std::string_view kWord = "registrierung";
    return std::search(text.begin(), text.end(), kWord.begin(), kWord.end(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }) != text.end();
}

} // namespace

struct Optionen::ToolFolder {
    int field;
    const wchar_t* key;
    std::initializer_list<const wchar_t*> executables;
    const wchar_t* title;
    std::initializer_list<std::wstring_view> message;
    const wchar_t* download;
    int focusAfterwards;
};

SettingsOutcome Optionen::ShowModal() {
    const int dpi = ScreenDpi();
    if (!RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return outcome_;
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    RECT frame = {0, 0, TwipsToPixels(6225, dpi), TwipsToPixels(4695, dpi)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    RECT owner;
    GetWindowRect(host_.Owner(), &owner);
    frame = CentredOn(owner, frame.right - frame.left, frame.bottom - frame.top);
    if (!CreateTopLevel(kClassName, kOptionenCaption, kStyle, frame, host_.Owner(),
                        WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT))
        return outcome_;
    font_ = CreateUiFont(L"Tahoma", L"Arial", 90, false, dpi);
    CreateControls();
    Form_Load();
    SetFocus(GetDlgItem(Handle(), IDC_TINSTALL));
    RunModal(host_.Owner(), Handle(), [this] { return done_; });
    Destroy();
    return outcome_;
}

void Optionen::CreateControls() {
    const int dpi = ScreenDpi();
    for (const ControlLayout& control : kControls) {
        const RECT place = {TwipsToPixels(control.left, dpi), TwipsToPixels(control.top, dpi),
                            TwipsToPixels(control.left + control.width, dpi),
                            TwipsToPixels(control.top, dpi) + std::max(1, TwipsToPixels(control.height, dpi))};
        CreateControl(Handle(), control.id, control.className, control.caption, WS_VISIBLE | control.style, place,
                      font_.get());
    }
}

std::wstring Optionen::FieldText(int id) const {
    return WindowText(GetDlgItem(Handle(), id));
}

SettingsFields Optionen::Fields() const {
    SettingsFields fields;
    fields.tInstall = FieldText(IDC_TINSTALL);
    fields.tSicherungen = FieldText(IDC_TSICHERUNGEN);
    fields.bSubfolder = IsDlgButtonChecked(Handle(), IDC_BSUBFOLDER) == BST_CHECKED;
    fields.bComplete = IsDlgButtonChecked(Handle(), IDC_BCOMPLETE) == BST_CHECKED;
    fields.tBootClean = FieldText(IDC_TBOOTCLEAN);
    fields.tCleaner = FieldText(IDC_TCLEANER);
    return fields;
}

void Optionen::ShowFields(const SettingsFields& fields) {
    SetDlgItemTextW(Handle(), IDC_TINSTALL, fields.tInstall.c_str());
    SetDlgItemTextW(Handle(), IDC_TSICHERUNGEN, fields.tSicherungen.c_str());
    CheckDlgButton(Handle(), IDC_BSUBFOLDER, fields.bSubfolder ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Handle(), IDC_BCOMPLETE, fields.bComplete ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextW(Handle(), IDC_TBOOTCLEAN, fields.tBootClean.c_str());
    SetDlgItemTextW(Handle(), IDC_TCLEANER, fields.tCleaner.c_str());
}

void Optionen::Form_Load() {
    ShowFields(GetDatabase(ProgramFolder()));
    Timer1_Timer();
    SetTimer(Handle(), kTimer1, 300, nullptr);
}

void Optionen::Timer1_Timer() {
    const bool eruntFolderExists = PathExists(FieldText(IDC_TINSTALL));
    for (const int id : kBackupGroup) {
        const HWND control = GetDlgItem(Handle(), id);
        if (static_cast<bool>(IsWindowEnabled(control)) != eruntFolderExists)
            EnableWindow(control, eruntFolderExists);
    }
}

// The folder the user picks, or "" when cancelled or when the settings file
// could not hold it so that ERUNT reads it back as the same folder.
std::wstring Optionen::ChooseStorableFolder() {
    const std::wstring folder = host_.ChooseFolder();
    if (folder.empty() || SettingsFormOfFolder(folder))
        return folder;
    ShowMessage(Handle(), {kUnstorableFolderMessage}, kHivoraTitle, MB_OK | MB_ICONEXCLAMATION);
    return {};
}

void Optionen::ChooseToolFolder(const ToolFolder& tool) {
    const std::wstring folder = ChooseStorableFolder();
    if (folder.empty())
        return;
    const bool complete = std::all_of(tool.executables.begin(), tool.executables.end(),
                                      [&](const wchar_t* executable) { return FileExists(folder + executable); });
    if (!complete) {
        if (ShowMessage(Handle(), tool.message, tool.title, MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY)
            ShellOpen(tool.download);
        return;
    }
    SetDlgItemTextW(Handle(), tool.field, folder.c_str());
    WriteProgramSetting(tool.key, folder);
    Timer1_Timer();
    DoEvents();
    ShowFields(GetDatabase(ProgramFolder()));
    SetFocus(GetDlgItem(Handle(), tool.focusAfterwards));
}

void Optionen::bSicherungen_Click() {
    const std::wstring folder = ChooseStorableFolder();
    if (folder.empty())
        return;
    if (HoldsFiles(folder) &&
        ShowMessage(Handle(),
                    {L"Dieses Verzeichnis ist nicht leer, es sind noch andere Dateien vorhanden.   ",
                     L"Möchten Sie den Ordner trotzdem als Sicherungsort verwenden ?"},
                    L" Emergency Recovery Folder", MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return;
    SetDlgItemTextW(Handle(), IDC_TSICHERUNGEN, folder.c_str());
    SetFocus(GetDlgItem(Handle(), IDC_TSICHERUNGEN));
}

void Optionen::CheckLOC() {
    const std::wstring languageFile = FieldText(IDC_TINSTALL) + L"\\ERUNT.LOC";
    if (!FileExists(languageFile) || IsGermanLanguageFile(languageFile))
        return;
    if (ShowMessage(Handle(), {L"Möchten Sie die Sprache ''Deutsch'' für Erunt und NtRegOpt installieren ?   "},
                    kEruntTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        outcome_.languageFilesWanted = true;
}

void Optionen::bReady_Click() {
    if (!PathExists(FieldText(IDC_TINSTALL))) {
        ShowMessage(Handle(),
                    {L"Der Installationsordner ist ungültig oder Zugriffsfehler während der Überprüfung.    "},
                    kHivoraTitle, MB_OK | MB_ICONSTOP);
        return;
    }
    if (!PathExists(FieldText(IDC_TSICHERUNGEN))) {
        ShowMessage(Handle(), {L"Der Sicherungsordner ist ungültig oder Zugriffsfehler während der Überprüfung.    "},
                    kHivoraTitle, MB_OK | MB_ICONSTOP);
        return;
    }
    CheckLOC();
    if (!SetDatabase(Fields(), ProgramFolder())) {
        ShowMessage(Handle(),
                    {L"Die Einstellungen konnten nicht gespeichert werden.   ",
                     L"Bitte starten Sie das Programm mit Administratorrechten und versuchen Sie es erneut."},
                    kHivoraTitle, MB_OK | MB_ICONSTOP);
        outcome_ = {};
        return;
    }
    DoEvents();
    outcome_.stored = true;
    done_ = true;
}

LRESULT Optionen::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1)
            Timer1_Timer();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_BINSTALL:
            ChooseToolFolder({IDC_TINSTALL,
                              Keys::InstallFolder,
                              {L"\\ERUNT.EXE", L"\\NTREGOPT.EXE"},
                              kEruntTitle,
                              {L"In diesem Ordner konnte keine Installation von Erunt und NtRegOpt gefunden werden.   ",
                               L"Erunt - Das Emergency Recovery Utility NT Version 1.1g, 02.11.2004 (Freeware)",
                               L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden.",
                               std::wstring_view(kEruntDownloadLine)},
                              kEruntDownloadPage,
                              IDC_TINSTALL});
            return 0;
        case IDC_BSICHERUNGEN_WAEHLEN:
            bSicherungen_Click();
            return 0;
        case IDC_BBOOTCLEAN_WAEHLEN:
            ChooseToolFolder({IDC_TBOOTCLEAN,
                              Keys::BootClean,
                              {kPrefetchCleaner},
                              L" Prefetch Clean And Control Erweiterung",
                              {L"In diesem Ordner konnte keine Installation von Windows XP Prefetch Clean and Control "
                               L"gefunden werden.   ",
                               L"Jester2K Software - Windows XP Prefetch Clean and Control 1.2 für Windows XP, "
                               L"30.10.2002 (Freeware)",
                               L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden."},
                              kPrefetchCleanerDownload,
                              IDC_TCLEANER});
            return 0;
        case IDC_BCLEANER_WAEHLEN:
            ChooseToolFolder({IDC_TCLEANER,
                              Keys::RegCleaner,
                              {kRegCleaner},
                              L" RegCleaner Erweiterung",
                              {L"In diesem Ordner konnte keine Installation von RegCleaner gefunden werden.   ",
                               L"Quellmar - RegCleaner 4.0.3.780 für Windows 95/XP, 01.11.2002 (Freeware)",
                               L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden."},
                              kRegCleanerDownload,
                              IDC_TCLEANER});
            return 0;
        case IDOK: // Enter: the default button, while it may be pressed
            if (!IsWindowEnabled(GetDlgItem(Handle(), IDC_BREADY)))
                return 0;
            [[fallthrough]];
        case IDC_BREADY:
            bReady_Click();
            return 0;
        case IDC_BABBRECHEN:
        case IDCANCEL:
            done_ = true;
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
        }
    case WM_NEXTDLGCTL: {
        // A label's access key moves on to the next field; plain windows leave this to the dialog manager.
        const HWND next =
            LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
        SetFocus(next);
        return 0;
    }
    case WM_CLOSE:
        done_ = true;
        return 0;
    case WM_DESTROY:
        KillTimer(Handle(), kTimer1);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void bKonfiguration_Click(ActionHost& host) {
    const SettingsOutcome outcome = Optionen(host).ShowModal();
    if (outcome.languageFilesWanted)
        bCreateLOC_Click();
    if (!outcome.stored)
        return;
    // A fresh start computes every button's state from the new settings.
    const std::wstring program = ProgramPath();
    host.Start(program, CommandPath(program), SW_SHOWNORMAL);
    host.EndProgram(0);
}
