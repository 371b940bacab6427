#include "app/Root.h"

#include "app/Artwork.h"
#include "backup/AutomaticBackup.h"
#include "backup/CleanupButton.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "services/MessagePump.h"
#include "services/WinSystemInfo.h"
#include "settings/Optionen.h"
#include "settings/Settings.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kClassName[] = L"HivoraRoot";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kHoverTimer = 1;

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

// The list tells no parent of a pressed mouse button; this hears it first.
LRESULT CALLBACK BackupListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR root) {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
        LBackups_MouseDown(*reinterpret_cast<Root*>(root), message == WM_RBUTTONDOWN ? 2 : 1);
    return DefSubclassProc(list, message, wParam, lParam);
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
    wchar_t startFolder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, startFolder);
    listedFolder_ = startFolder;
    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_HIVORA), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (!RegisterClass(kClassName, icon, LoadCursorW(nullptr, IDC_ARROW)) ||
        !CreateTopLevel(kClassName, kRootCaption, kStyle, CentredFrame(dpi_)))
        return false;
    CreateControls();
    Form_Load();
    return true;
}

void Root::CreateControls() {
    background_ = CreateBackground(UniqueWindowDc(Handle()).get(), dpi_);
    handCursor_ = CreateHandCursor();
    Label::SetButtonCursor(handCursor_.get());

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
    panelBrush_.reset(CreateSolidBrush(kPanelColour));

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

    const HWND backups = CreateWindowExW(
        0, L"LISTBOX", L"",
        WS_CHILD | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, panel.left,
        panel.top, panel.right - panel.left, panel.bottom - panel.top, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LBACKUPS)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(backups, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
    SetWindowSubclass(backups, BackupListProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Root::SetButtonColour(int buttonId, COLORREF colour) {
    for (Label& button : buttons_)
        if (GetDlgCtrlID(button.Handle()) == buttonId)
            button.SetTextColour(colour);
}

void Root::ShowOverlay(int overlayId, bool visible) {
    ShowWindow(Control(overlayId), visible ? SW_SHOWNA : SW_HIDE);
}

// An unavailable button gets the unavailable look under its overlay but stays
// enabled; an available one is black with its overlay hidden.
void Root::ApplyFinalState(int buttonId, int overlayId) {
    const bool unavailable = !IsWindowEnabled(Control(buttonId));
    SetButtonColour(buttonId, unavailable ? kUnavailableColour : RGB(0, 0, 0));
    EnableWindow(Control(buttonId), TRUE);
    ShowOverlay(overlayId, unavailable);
}

void Root::CopyBackground(HDC dc, POINT to, const RECT& part) const {
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
    if ((buttonId == IDC_BBEREINIGUNG || buttonId == IDC_BPATCHLOADER) && NumberValue(Tag(IDC_BBEREINIGUNG)) == 1)
        return;
    const ButtonLayout& button = LayoutOf(buttonId);
    busyMarker_ = L"1";
    if (!IsWindowVisible(description_.Handle()))
        ShowWindow(description_.Handle(), SW_SHOWNA);
    description_.SetText(button.description);
    // Every hover starts the time afresh: the panel goes T seconds after the last one began.
    SetTimer(Handle(), kHoverTimer, static_cast<UINT>(button.descriptionSeconds * 1000), nullptr);
}

std::wstring Root::Tag(int controlId) const {
    const auto tag = tags_.find(controlId);
    return tag == tags_.end() ? L"0" : tag->second;
}

void Root::SetTag(int controlId, std::wstring value) {
    tags_[controlId] = std::move(value);
}

std::wstring Root::UserForProfiles() {
    std::wstring user = DefaultUserName();
    if (user.empty()) {
        // The clean-up window looks at this to tell a look-up from a full clean-up.
        EnableWindow(Handle(), FALSE);
        user = cleanup_.SelectedUser();
        EnableWindow(Handle(), TRUE);
    }
    return user;
}

void Root::EndHover() {
    KillTimer(Handle(), kHoverTimer);
    ShowWindow(description_.Handle(), SW_HIDE);
    busyMarker_ = L"0";
}

void Root::ButtonClicked(int buttonId) {
    // Once an action has handed its work over, no second tool may start.
    if (closing_)
        return;
    switch (buttonId) {
    case IDC_BOPTIMIERUNG:
        return bOptimierung_Click(*this);
    case IDC_BDEFRAGMENT:
        return bDefragment_Click(*this);
    case IDC_BSICHERUNGEN:
        return bSicherungen_Click(*this);
    case IDC_BAUTOSICHERUNG:
        return bAutosicherung_Click(*this);
    case IDC_BBEREINIGUNG:
        return bBereinigung_Click(*this);
    case IDC_BWIEDERHERSTELLEN:
        return bWiederherstellen_Click(*this);
    case IDC_BCLEANER:
        return bCleaner_Click(*this);
    case IDC_BBOOTCLEAN:
        return bBootClean_Click(*this);
    case IDC_BUPDATES:
        return bUpdates_Click(*this);
    case IDC_BPATCHLOADER:
        return bPatchLoader_Click(*this);
    case IDC_BKONFIGURATION:
        return bKonfiguration_Click(*this);
    default:
        return;
    }
}

void Root::ButtonPressedByKey(int buttonId) {
    for (const OverlayLayout& overlay : kOverlays)
        if (overlay.buttonId == buttonId && IsWindowVisible(Control(overlay.id)))
            return;
    ButtonClicked(buttonId);
}

void Root::Sleep(double seconds) {
    const ULONGLONG start = GetTickCount64();
    const auto wanted = static_cast<ULONGLONG>(seconds > 0 ? seconds * 1000.0 : 0.0);
    for (;;) {
        DoEvents();
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (elapsed >= wanted)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wanted - elapsed), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void Root::AppCloses() {
    cMultiFile_.reset();
    if (cleanup_.IsLoaded())
        DestroyWindow(cleanup_.Handle());
    DestroyWindow(Handle());
    ExitProcess(0);
}

void Root::CloseAfterHandOver() {
    closing_ = true;
    DoEvents();
    Sleep(1);
    AppCloses();
}

LRESULT Root::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return Painted([this](HDC dc, const RECT& area) { CopyBackground(dc, {area.left, area.top}, area); });
    case WM_ERASEBKGND:
        return 1;
    case WM_ACTIVATE:
        // Back in the window, the keyboard starts at the first button it can use.
        if (LOWORD(wParam) != WA_INACTIVE && !IsChild(Handle(), GetFocus()))
            SetFocus(GetNextDlgTabItem(Handle(), nullptr, FALSE));
        return 0;
    case WM_MOUSEMOVE:
        // Over the bare window (or a disabled button): the description goes at once.
        description_.SetText(L"");
        ShowWindow(description_.Handle(), SW_HIDE);
        return 0;
    case WM_TIMER:
        if (wParam == kHoverTimer)
            EndHover();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LBACKUPS && HIWORD(wParam) == LBN_DBLCLK && !closing_)
            LBackups_DblClick(*this);
        return 0;
    case WM_CTLCOLORLISTBOX: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, kPanelColour);
        return reinterpret_cast<LRESULT>(panelBrush_.get());
    }
    case WM_CLOSE:
        AppCloses();
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
