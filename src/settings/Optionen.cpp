#include "settings/Optionen.h"

#include "resource.h"
#include "services/AppPaths.h"
#include "services/BrowseFolders2k.h"
#include "services/MessagePump.h"
#include "services/Messages.h"
#include "services/Processes.h"
#include "settings/LanguageFiles.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/Windows.h"

#include <algorithm>

namespace {

constexpr wchar_t kClassName[] = L"HivoraOptionen";
constexpr UINT_PTR kTimer1 = 1;

struct ControlLayout {
    int id;
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;
    int left, top, width, height; // twips
    // What a screen reader reads where the caption does not say what the control does.
    const wchar_t* accessibleName = nullptr;
};

// In tab order; the labels' access keys move the focus to the field after them.
constexpr ControlLayout kControls[] = {
    {IDC_VINSTALL, L"STATIC", L"&Installationsordner für Erunt/NtRegOpt:", 0, 285, 345, 3240, 210},
    {IDC_TINSTALL, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 585, 5100, 315},
    {IDC_BINSTALL, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 585, 465, 330,
     L"Installationsordner für Erunt wählen"},
    {IDC_VSICHERUNGEN, L"STATIC", L"&Sicherungsordner für Registrierung:", 0, 285, 1035, 2895, 210},
    {IDC_TSICHERUNGEN, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 1275, 5100, 315},
    {IDC_BSICHERUNGEN_WAEHLEN, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 1275, 465, 330,
     L"Sicherungsordner für die Registrierung wählen"},
    {IDC_BSUBFOLDER, L"BUTTON", L"&Unterordner mit aktuellem Datum erstellen ", WS_TABSTOP | BS_AUTOCHECKBOX, 270, 1665,
     4605, 240},
    {IDC_BCOMPLETE, L"BUTTON", L"&Vollständige Datenbanksicherung ", WS_TABSTOP | BS_AUTOCHECKBOX, 270, 1980, 4605,
     240},
    {IDC_VBOOTCLEAN, L"STATIC", L"&Bootoptimierer Installationsordner:", 0, 285, 2385, 2820, 210},
    {IDC_TBOOTCLEAN, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 2625, 5100, 315},
    {IDC_BBOOTCLEAN_WAEHLEN, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 2625, 465, 330,
     L"Installationsordner des Bootoptimierers wählen"},
    {IDC_VCLEANER, L"STATIC", L"&RegCleaner Installationsordner:", 0, 285, 3060, 2520, 210},
    {IDC_TCLEANER, L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 270, 3300, 5100, 315},
    {IDC_BCLEANER_WAEHLEN, L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, 5445, 3300, 465, 330,
     L"Installationsordner von RegCleaner wählen"},
    {IDC_BREADY, L"BUTTON", L"&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, 3690, 4140, 1140, 395},
    {IDC_BABBRECHEN, L"BUTTON", L"&Abbrechen", WS_TABSTOP | BS_PUSHBUTTON, 4905, 4140, 1140, 395},
    {IDC_FRAME1, L"STATIC", L"", SS_ETCHEDHORZ, 180, 3825 + 75, 5865, 2},
};

// The backup group is usable only while the ERUNT folder exists.
constexpr int kBackupGroup[] = {IDC_VSICHERUNGEN, IDC_TSICHERUNGEN, IDC_BSICHERUNGEN_WAEHLEN,
                                IDC_BSUBFOLDER,   IDC_BCOMPLETE,    IDC_BREADY};

} // namespace

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
        const HWND created = CreateControl(Handle(), control.id, control.className, control.caption,
                                           WS_VISIBLE | control.style, place, font_.get());
        if (control.accessibleName)
            SetAccessibleName(created, control.accessibleName);
    }
}

int Optionen::Ask(std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) {
    return ShowMessage(Handle(), lines, title, style);
}

bool Optionen::OpenOnDesktop(const std::wstring& address) {
    return host_.OpenOnDesktop(address);
}

void Optionen::OpenWithOwnRights(const std::wstring& address) {
    host_.OpenWithOwnRights(address);
}

std::wstring Optionen::ChooseFolder() {
    return BrowseFolder(Handle());
}

void Optionen::ShowFields() {
    const SettingsFields& fields = form_.fields;
    SetDlgItemTextW(Handle(), IDC_TINSTALL, fields.tInstall.c_str());
    SetDlgItemTextW(Handle(), IDC_TSICHERUNGEN, fields.tSicherungen.c_str());
    CheckDlgButton(Handle(), IDC_BSUBFOLDER, fields.bSubfolder ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Handle(), IDC_BCOMPLETE, fields.bComplete ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextW(Handle(), IDC_TBOOTCLEAN, fields.tBootClean.c_str());
    SetDlgItemTextW(Handle(), IDC_TCLEANER, fields.tCleaner.c_str());
}

void Optionen::Form_Load() {
    ShowFields();
    Timer1_Timer();
    SetTimer(Handle(), kTimer1, 300, nullptr);
}

void Optionen::Timer1_Timer() {
    const bool usable = form_.BackupGroupUsable();
    for (const int id : kBackupGroup) {
        const HWND control = GetDlgItem(Handle(), id);
        if (static_cast<bool>(IsWindowEnabled(control)) != usable)
            EnableWindow(control, usable);
    }
}

void Optionen::ChooseToolFolder(ToolFolderKind kind, int focusAfterwards) {
    if (!form_.ChooseToolFolder(kind))
        return;
    Timer1_Timer();
    DoEvents();
    ShowFields();
    SetFocus(GetDlgItem(Handle(), focusAfterwards));
}

void Optionen::bSicherungen_Click() {
    if (!form_.ChooseBackupFolder())
        return;
    ShowFields();
    SetFocus(GetDlgItem(Handle(), IDC_TSICHERUNGEN));
}

void Optionen::bReady_Click() {
    const SettingsOutcome outcome = form_.Ready();
    if (!outcome.stored)
        return;
    DoEvents();
    outcome_ = outcome;
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
            ChooseToolFolder(ToolFolderKind::Erunt, IDC_TINSTALL);
            return 0;
        case IDC_BSICHERUNGEN_WAEHLEN:
            bSicherungen_Click();
            return 0;
        case IDC_BBOOTCLEAN_WAEHLEN:
            ChooseToolFolder(ToolFolderKind::PrefetchCleaner, IDC_TCLEANER);
            return 0;
        case IDC_BCLEANER_WAEHLEN:
            ChooseToolFolder(ToolFolderKind::RegCleaner, IDC_TCLEANER);
            return 0;
        case IDC_BSUBFOLDER:
            form_.fields.bSubfolder = IsDlgButtonChecked(Handle(), IDC_BSUBFOLDER) == BST_CHECKED;
            return 0;
        case IDC_BCOMPLETE:
            form_.fields.bComplete = IsDlgButtonChecked(Handle(), IDC_BCOMPLETE) == BST_CHECKED;
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
        bCreateLOC_Click(host);
    if (!outcome.stored)
        return;
    // A fresh start computes every button's state from the new settings; it too has full rights.
    const std::wstring program = ProgramPath();
    if (ToolProtected(host, program, kEruntBelongs) && host.StartTool(program, CommandPath(program), SW_SHOWNORMAL))
        host.EndProgram(0);
}
