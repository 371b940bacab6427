#include "app/Root.h"

#include "app/Artwork.h"
#include "app/BackupState.h"
#include "app/ButtonActions.h"
#include "app/StartUpRules.h"
#include "backup/AutomaticBackup.h"
#include "backup/Backups.h"
#include "services/BrowseFolders2k.h"
#include "services/MessagePump.h"
#include "services/Messages.h"
#include "services/Processes.h"
#include "services/Text.h"
#include "services/WebSupports.h"
#include "services/WinSystemInfo.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/Windows.h"

#include <commctrl.h>
#include <iterator>
#include <utility>

namespace {

constexpr wchar_t kClassName[] = L"HivoraRoot";
constexpr wchar_t kRootCaption[] = L"Hivora for Win-Nt/2000/XP";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kHoverTimer = 1;
// The list's columns: name, date, folder (in dialog units).
constexpr INT kBackupListTabStops[] = {10, 65, 200};
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
// What the list does with the keys, and the name a screen reader reads for it.
constexpr wchar_t kBackupListHint[] =
    L"Pfeiltasten: Sicherung wählen\nEingabe, Doppelklick: wiederherstellen\nEsc, Rechtsklick: Liste schließen";
constexpr wchar_t kBackupListName[] = L"Manuelle Sicherungen";
// A key held down repeats; only its first press counts.
constexpr LPARAM kKeyWasDown = 1 << 30;
// Posted once the window is painted: the start's work that the window does not show.
constexpr UINT kAfterFirstPaint = WM_APP + 1;

RECT Pixels(const TwipRect& twips, int dpi) {
    const auto scale = [dpi](int value) { return TwipsToPixels(value, dpi); };
    return {scale(twips.left), scale(twips.top), scale(twips.left + twips.width), scale(twips.top + twips.height)};
}

// The fixed client area, centred on the work area of the primary monitor.
RECT CentredFrame(int dpi) {
    RECT frame = Pixels(kClientArea, dpi);
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return CentredOn(work, width, height);
}

void SetTabStop(HWND window, bool stop) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

const ButtonLayout& LayoutOf(int buttonId) {
    for (const ButtonLayout& button : kButtons)
        if (button.id == buttonId)
            return button;
    return kButtons.front();
}

} // namespace

bool Root::Create(HINSTANCE instance) {
    dpi_ = ScreenDpi();
    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_HIVORA), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (!RegisterClass(kClassName, icon, LoadCursorW(nullptr, IDC_ARROW)) ||
        !CreateTopLevel(kClassName, kRootCaption, kStyle, CentredFrame(dpi_)))
        return false;
    CreateControls();
    Form_Load();
    return true;
}

void Root::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    // Activation shows the backups' state and the restore button's look; a window shown inactive shows them now.
    if (GetActiveWindow() != Handle())
        ShowBackupState();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // A posted message is taken before any click or key waiting in the queue.
    PostMessageW(Handle(), kAfterFirstPaint, 0, 0);
}

void Root::CreateControls() {
    background_ = CreateBackground(UniqueWindowDc(Handle()).get(), dpi_);

    std::array<TextBox, kButtons.size()> captions;
    for (size_t index = 0; index < kButtons.size(); ++index) {
        const RECT place = Pixels(kButtons[index].place, dpi_);
        captions[index] = {kButtons[index].caption, place.right - place.left};
    }
    buttonFont_ = CreateFittingFont(L"News Gothic MT", L"Arial", 98, false, dpi_, captions);
    const RECT titlePlace = Pixels(kTitleLabel, dpi_);
    const TextBox title[] = {{kTitleCaption, titlePlace.right - titlePlace.left}};
    titleFont_ = CreateFittingFont(L"Brisk", L"Tahoma", 143, true, dpi_, title);
    descriptionFont_ = CreateUiFont(L"Lucida Sans", L"Lucida Sans Unicode", 90, false, dpi_);
    createLocFont_ = CreateUiFont(L"Tahoma", L"Arial", 113, true, dpi_);
    stateFont_ = CreateUiFont(L"Trebuchet MS", L"Tahoma", 113, false, dpi_);
    listFont_ = CreateUiFont(L"Tahoma", L"Arial", 98, false, dpi_);

    for (size_t index = 0; index < kButtons.size(); ++index)
        buttons_[index].Create(Handle(), kButtons[index].id, kButtons[index].caption,
                               Pixels(kButtons[index].place, dpi_), buttonFont_.get(), Label::Kind::Button, *this);
    for (size_t index = 0; index < kOverlays.size(); ++index) {
        const OverlayLayout& overlay = kOverlays[index];
        const TwipRect place = {kOverlayLeft, overlay.top, kOverlayWidth, kOverlayHeight};
        overlays_[index].Create(Handle(), overlay.id, Pixels(place, dpi_), Control(overlay.buttonId), *this);
        // Above its button, so that it takes the mouse first.
        SetWindowPos(overlays_[index].Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    title_.Create(Handle(), IDC_LABEL1, kTitleCaption, Pixels(kTitleLabel, dpi_), titleFont_.get(),
                  Label::Kind::Passive, *this);
    title_.SetTextColour(kTitleColour);
    createLoc_.Create(Handle(), IDC_BCREATELOC, kCreateLocCaption, Pixels(kCreateLocButton, dpi_), createLocFont_.get(),
                      Label::Kind::Passive, *this, false);
    cleanupState_.Create(Handle(), IDC_SBEREINIGUNG, L"0", Pixels(kCleanupState, dpi_), stateFont_.get(),
                         Label::Kind::Passive, *this, false);

    const RECT panel = Pixels(kTooltipPanel, dpi_);
    description_.Create(Handle(), panel, Pixels(kTooltipText, dpi_), descriptionFont_.get());

    // The hint lies above the list, and before it among the windows, where a screen reader looks for its label.
    RECT hint = panel, list = panel;
    hint.bottom = list.top = panel.top + 3 * TextLineHeight(listFont_.get()) + 4;
    backupHint_ = CreateControl(Handle(), IDC_LHINWEIS, L"STATIC", kBackupListHint,
                                WS_CLIPSIBLINGS | SS_CENTER | SS_NOPREFIX, hint, listFont_.get());
    backups_ =
        CreateControl(Handle(), IDC_LBACKUPS, L"LISTBOX", kBackupListName,
                      WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
                      list, listFont_.get());
    SendMessageW(backups_, LB_SETTABSTOPS, std::size(kBackupListTabStops),
                 reinterpret_cast<LPARAM>(kBackupListTabStops));
    SetWindowSubclass(backups_, BackupListProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

// Available black, unavailable light blue; in high contrast the system's text and grey text.
void Root::ShowButtonAvailable(int buttonId, bool available) {
    for (Label& button : buttons_)
        if (GetDlgCtrlID(button.Handle()) == buttonId)
            button.SetTextColour(available ? RGB(0, 0, 0) : kUnavailableColour,
                                 available ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
}

// A tool whose folder was never set: the unavailable look under its overlay.
void Root::MarkUnavailable(int buttonId, int overlayId) {
    ShowWindow(Control(overlayId), SW_SHOWNA);
    ShowButtonAvailable(buttonId, false);
    EnableWindow(Control(buttonId), FALSE);
}

// An unavailable button gets the unavailable look under its overlay but stays
// enabled, so that its description still shows; an available one is black with
// its overlay hidden.
void Root::ShowAvailable(int buttonId, int overlayId, bool available) {
    ShowButtonAvailable(buttonId, available);
    EnableWindow(Control(buttonId), TRUE);
    // The keyboard passes a button it cannot press.
    SetTabStop(Control(buttonId), available);
    ShowWindow(Control(overlayId), available ? SW_HIDE : SW_SHOWNA);
}

// A backup may appear while the program runs: AUTOBACK and ERUNT work on after the action that started them.
// Whether the automatic backup is on takes the Task Scheduler, whose first answer takes a noticeable moment:
// the start asks it once the window is painted, and from then on every look asks again.
void Root::ShowBackupState() {
    const bool asked = backupState_.automaticOn.has_value();
    backupState_ = ReadBackupState();
    EnableButton(IDC_BWIEDERHERSTELLEN, backupState_.restorable);
    if (asked)
        ShowAutomaticBackupState();
    else
        description_.SetState(BackupStateText(backupState_));
}

void Root::ShowAutomaticBackupState() {
    backupState_.automaticOn = AutomaticBackupIsOn(tasks_);
    description_.SetState(BackupStateText(backupState_));
}

void Root::CopyBackground(HDC dc, POINT to, const RECT& part) const {
    if (HighContrast()) {
        const RECT area = {to.x, to.y, to.x + part.right - part.left, to.y + part.bottom - part.top};
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    const UniqueDc picture(CreateCompatibleDC(dc));
    const SelectedObject selected(picture.get(), background_.get());
    BitBlt(dc, to.x, to.y, part.right - part.left, part.bottom - part.top, picture.get(), part.left, part.top, SRCCOPY);
}

void Root::PaintBackground(HDC dc, HWND child) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    CopyBackground(dc, {0, 0}, place);
}

void Root::ButtonHovered(int buttonId) {
    // A clean-up requested with its button silences these two until it has finished.
    if ((buttonId == IDC_BBEREINIGUNG || buttonId == IDC_BPATCHLOADER) && state_.cleanupRequested)
        return;
    const ButtonLayout& button = LayoutOf(buttonId);
    state_.busy = true;
    description_.ShowDescription(button.description);
    // Every hover starts the time afresh: the panel goes T seconds after the last one began.
    SetTimer(Handle(), kHoverTimer, static_cast<UINT>(button.descriptionSeconds * 1000), nullptr);
}

void Root::EndHover() {
    KillTimer(Handle(), kHoverTimer);
    description_.ShowState();
    state_.busy = false;
}

void Root::ButtonClicked(int buttonId) {
    // After a message box or window of the action, the keyboard is back here.
    lastUsed_ = buttonId;
    for (const ButtonAction& action : kButtonActions)
        if (action.buttonId == buttonId)
            return RunAlone([&] { action.click(*this); });
}

void Root::ButtonPressedByKey(int buttonId) {
    for (const OverlayLayout& overlay : kOverlays)
        if (overlay.buttonId == buttonId && IsWindowVisible(Control(overlay.id)))
            return;
    ButtonClicked(buttonId);
}

int Root::Ask(std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) {
    return ShowMessage(Handle(), lines, title, style);
}

DWORD Root::Start(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                  UniqueKernelHandle* process) {
    return StartProgram(executable, commandLine, showCommand, process);
}

DWORD Root::RestartElevated() {
    return RestartWithFullRights(std::wstring(ArgumentText(GetCommandLineW())));
}

bool Root::OpenOnDesktop(const std::wstring& address) {
    return ::OpenOnDesktop(address, {}, SW_SHOWMAXIMIZED);
}

bool Root::StartOnDesktop(const std::wstring& program, const std::wstring& folder) {
    return ::OpenOnDesktop(program, folder, SW_SHOWNORMAL);
}

void Root::OpenWithOwnRights(const std::wstring& address) {
    ShellOpen(address);
}

std::wstring Root::ChooseFolder() {
    return BrowseFolder(Handle());
}

void Root::EnableButton(int buttonId, bool enabled) {
    for (const OverlayLayout& overlay : kOverlays)
        if (overlay.buttonId == buttonId)
            return ShowAvailable(buttonId, overlay.id, enabled);
    EnableWindow(Control(buttonId), enabled);
}

void Root::ShowWaitPointer(bool shown) {
    waitPointer_ = shown;
    SetCursor(LoadCursorW(nullptr, shown ? IDC_WAIT : IDC_ARROW));
}

void Root::Wait(double seconds) {
    WaitResponsively(seconds);
}

void Root::CloseAfterHandOver() {
    closing_ = true;
    DoEvents();
    Wait(1);
    EndProgram(0);
}

void Root::EndProgram(int exitCode) {
    if (std::exchange(ending_, true))
        return;
    // The message loop ends on this, and the windows go with their owners.
    PostQuitMessage(exitCode);
}

void Root::LookUpUser() {
    if (!DefaultUserName().empty())
        return;
    // No input reaches the window while the clean-up window loads.
    EnableWindow(Handle(), FALSE);
    // While a description is on screen the clean-up window stays loaded after its look-up.
    cleanup_.SelectedUser(state_.busy ? CleanupLoad::LookUpAndStay : CleanupLoad::LookUpAndClose);
    EnableWindow(Handle(), TRUE);
}

void Root::ShowCleanupWindow() {
    cleanup_.ShowModal();
}

void Root::ShowCleanupRunning(bool running) {
    SetWindowTextW(cleanupState_.Handle(), running ? L"1" : L"0");
}

void Root::ShowBackupList(const std::vector<std::wstring>& entries, size_t selected) {
    SendMessageW(backups_, LB_RESETCONTENT, 0, 0);
    EnableWindow(backups_, FALSE);
    for (const std::wstring& entry : entries)
        SendMessageW(backups_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (entries.empty())
        return;
    SendMessageW(backups_, LB_SETCURSEL, selected, 0);
    EnableWindow(backups_, TRUE);
    // The list takes the panel's place, and the keyboard.
    ShowWindow(description_.Handle(), SW_HIDE);
    ShowWindow(backupHint_, SW_SHOW);
    ShowWindow(backups_, SW_SHOW);
    SetFocus(backups_);
}

void Root::HideBackupList() {
    const bool focused = GetFocus() == backups_;
    ShowWindow(backups_, SW_HIDE);
    ShowWindow(backupHint_, SW_HIDE);
    ShowWindow(description_.Handle(), SW_SHOWNA);
    if (focused)
        SetFocus(Control(IDC_BWIEDERHERSTELLEN));
}

std::wstring Root::SelectedBackup() const {
    const auto selected = SendMessageW(backups_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return {};
    const auto length = SendMessageW(backups_, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    entry.resize(static_cast<size_t>(
        SendMessageW(backups_, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry.data()))));
    return entry;
}

// A right click closes the list; while it shows, the description stays away.
void Root::LBackups_MouseDown(int button) {
    if (button == kRightButton)
        HideBackupList();
    if (IsWindowVisible(backups_))
        ShowWindow(description_.Handle(), SW_HIDE);
}

// The list tells no parent of a pressed mouse button; this hears it first. Enter restores the chosen
// backup as a double click does, Escape closes the list as a right click does.
LRESULT CALLBACK Root::BackupListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR rootData) {
    auto* root = reinterpret_cast<Root*>(rootData);
    const auto listKey = [](WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; };
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        root->LBackups_MouseDown(message == WM_RBUTTONDOWN ? kRightButton : kLeftButton);
        break;
    case WM_GETDLGCODE: {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = DefSubclassProc(list, message, wParam, lParam);
        return key && key->message == WM_KEYDOWN && listKey(key->wParam) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
        // Held down, the Enter that showed the list would restore at once.
        if (!listKey(wParam))
            break;
        if (!(lParam & kKeyWasDown))
            wParam == VK_RETURN ? root->RestoreChosenBackup() : root->LBackups_MouseDown(kRightButton);
        return 0;
    default:
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

void Root::RestoreChosenBackup() {
    RunAlone([this] { LBackups_DblClick(*this); });
}

LRESULT Root::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return Painted([this](HDC dc, const RECT& area) { CopyBackground(dc, {area.left, area.top}, area); });
    case WM_ERASEBKGND:
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (IsChild(Handle(), GetFocus()))
                lastUsed_ = GetDlgCtrlID(GetFocus());
            return 0;
        }
        ShowBackupState();
        // Back in the window, the keyboard is where it was, on the button last used: never on a
        // restart that one Enter too many would start.
        if (!IsChild(Handle(), GetFocus())) {
            const HWND last = Control(lastUsed_);
            const bool usable =
                IsWindowVisible(last) && IsWindowEnabled(last) && (GetWindowLongPtrW(last, GWL_STYLE) & WS_TABSTOP);
            SetFocus(usable ? last : GetNextDlgTabItem(Handle(), nullptr, FALSE));
        }
        return 0;
    case WM_SETCURSOR:
        // The hourglass holds over every child while an action asks for it.
        if (waitPointer_) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        return reinterpret_cast<HWND>(wParam) == Handle() ? DefaultHandling(message, wParam, lParam) : FALSE;
    case WM_MOUSEMOVE:
        // Over the bare window (or a disabled button): the description goes at once.
        description_.ShowState(true);
        return 0;
    case WM_TIMER:
        if (wParam == kHoverTimer)
            EndHover();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LBACKUPS && HIWORD(wParam) == LBN_DBLCLK)
            RestoreChosenBackup();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(description_.Colours(reinterpret_cast<HDC>(wParam)));
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // High contrast switched on or off, or its colours changed.
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case kAfterFirstPaint:
        LookUpUserAtStart();
        ShowAutomaticBackupState();
        // A log-on task can always be removed, with or without AUTOBACK.
        if (*backupState_.automaticOn)
            EnableWindow(Control(IDC_BAUTOSICHERUNG), TRUE);
        // The list's name for a screen reader is set through COM, which the first paint does not wait for;
        // only a click or a key shows the list.
        SetAccessibleName(backups_, kBackupListName);
        if (checkBackupAgeAfterPaint_)
            WarnOfAnOverdueBackup();
        return 0;
    case WM_CLOSE:
        EndProgram(0);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
