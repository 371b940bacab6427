#include "Dialogs.h"

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
    if (ClassOf(child) == L"Button" && IsWindowVisible(child))
        reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(TextOf(child));
    return TRUE;
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
    EnumChildWindows(dialog, CollectButtons, reinterpret_cast<LPARAM>(&content.buttons));
    return content;
}

void PressButton(HWND dialog, int commandId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, commandId)));
}
