#include "Dialogs.h"

#include "WindowDriver.h"
#include "services/UniqueHandle.h"

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectButtons(HWND child, LPARAM parameter) {
    if (ClassOf(child) == L"Button" && IsWindowVisible(child)) {
        auto& content = *reinterpret_cast<DialogContent*>(parameter);
        content.buttons.push_back(TextOf(child));
        content.buttonIds.push_back(GetDlgCtrlID(child));
    }
    return TRUE;
}

BOOL CALLBACK FindIconStatic(HWND child, LPARAM parameter) {
    if (ClassOf(child) == L"Static" && IsWindowVisible(child) &&
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(parameter) = child;
        return FALSE;
    }
    return TRUE;
}

struct Candidate {
    MessageIcon kind;
    const wchar_t* resource;
};
const Candidate kCandidates[] = {{MessageIcon::Exclamation, IDI_EXCLAMATION},
                                 {MessageIcon::Question, IDI_QUESTION},
                                 {MessageIcon::Error, IDI_ERROR},
                                 {MessageIcon::Information, IDI_INFORMATION}};

using UniqueDc = UniqueHandle<HandleTraits<HDC, DeleteDC>>;

// The candidate drawn at this size over a plain background.
std::vector<COLORREF> Rendered(HICON icon, int width, int height, COLORREF background) {
    const HDC screen = GetDC(nullptr);
    UniqueDc memory(CreateCompatibleDC(screen));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    UniqueBrush brush(CreateSolidBrush(background));
    const RECT all = {0, 0, width, height};
    FillRect(memory.get(), &all, brush.get());
    DrawIconEx(memory.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(memory.get(), x, y));
    SelectObject(memory.get(), previous);
    return pixels;
}

// The share of the candidate's opaque pixels (the same over black and over white)
// that the screen shows in another colour: near 0 for the icon shown.
double Mismatch(const std::vector<COLORREF>& shown, int width, int height, HICON candidate) {
    const auto overBlack = Rendered(candidate, width, height, RGB(0, 0, 0));
    const auto overWhite = Rendered(candidate, width, height, RGB(255, 255, 255));
    size_t opaque = 0;
    size_t different = 0;
    for (size_t i = 0; i < shown.size() && i < overBlack.size(); ++i) {
        if (overBlack[i] != overWhite[i])
            continue;
        ++opaque;
        const COLORREF a = overBlack[i];
        const COLORREF b = shown[i];
        if (std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                std::abs(GetBValue(a) - GetBValue(b)) >
            24)
            ++different;
    }
    return opaque == 0 ? 1.0 : static_cast<double>(different) / static_cast<double>(opaque);
}

MessageIcon IconOf(HWND dialog) {
    HWND iconStatic = nullptr;
    EnumChildWindows(dialog, FindIconStatic, reinterpret_cast<LPARAM>(&iconStatic));
    if (!iconStatic)
        return MessageIcon::None;
    DWORD_PTR shownIcon = 0;
    SendMessageTimeoutW(iconStatic, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &shownIcon);
    if (!shownIcon)
        return MessageIcon::None;
    // Within one process the shared system icons have the same handles.
    for (const auto& candidate : kCandidates)
        if (reinterpret_cast<HICON>(shownIcon) == LoadIconW(nullptr, candidate.resource))
            return candidate.kind;
    // Another process (under Wine) holds its own copies: compare what the screen shows.
    const RECT rect = ScreenRect(iconStatic);
    const int width = std::min<int>(rect.right - rect.left, 64);
    const int height = std::min<int>(rect.bottom - rect.top, 64);
    const auto shown = CaptureScreen({rect.left, rect.top, rect.left + width, rect.top + height});
    if (shown.empty())
        return MessageIcon::Unknown;
    MessageIcon best = MessageIcon::Unknown;
    double fewest = 0.05; // the icon shown matches all but a few edge pixels
    for (const auto& candidate : kCandidates) {
        const double mismatch = Mismatch(shown, width, height, LoadIconW(nullptr, candidate.resource));
        if (mismatch < fewest) {
            fewest = mismatch;
            best = candidate.kind;
        }
    }
    return best;
}

} // namespace

HWND WaitForDialog(DWORD processId, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        Search search = {processId, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

DialogContent ReadDialog(HWND dialog) {
    DialogContent content;
    content.title = TextOf(dialog);
    // Windows names the message text 0xFFFF, Wine 100.
    for (const int textId : {0xFFFF, 100}) {
        if (const HWND text = GetDlgItem(dialog, textId)) {
            content.text = TextOf(text);
            break;
        }
    }
    EnumChildWindows(dialog, CollectButtons, reinterpret_cast<LPARAM>(&content));
    content.icon = IconOf(dialog);
    return content;
}

const wchar_t* ToString(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return L"none";
    case MessageIcon::Exclamation:
        return L"exclamation";
    case MessageIcon::Question:
        return L"question";
    case MessageIcon::Error:
        return L"error";
    case MessageIcon::Information:
        return L"information";
    case MessageIcon::Unknown:
        break;
    }
    return L"unknown";
}

void PressButton(HWND dialog, int commandId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, commandId)));
}
