#include "services/Messages.h"

#include "services/Text.h"

#include <new>
#include <system_error>

std::wstring JoinLines(std::initializer_list<std::wstring_view> lines) {
    std::wstring text;
    bool first = true;
    for (const std::wstring_view line : lines) {
        if (!first)
            text += L'\n';
        text += line;
        first = false;
    }
    return text;
}

int ShowMessage(HWND owner, std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) {
    return MessageBoxW(owner, JoinLines(lines).c_str(), title.c_str(), style);
}

namespace {

std::wstring SystemDescription(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

} // namespace

std::wstring FailureReason(DWORD error) {
    // ERROR_ELEVATION_REQUIRED, which Vista brought: headers for XP lack it.
    constexpr DWORD kElevationRequired = 740;
    if (error == kElevationRequired)
        return kNeedsAdministrator;
    const std::wstring description = SystemDescription(error);
    return description.empty() ? L"Fehler " + std::to_wstring(error) + L"." : description;
}

std::wstring UnexpectedErrorText(const std::exception& failure) {
    // A failure the system can name is described in the user's own language.
    DWORD code = ERROR_INVALID_FUNCTION;
    std::wstring description;
    if (const auto* systemFailure = dynamic_cast<const std::system_error*>(&failure)) {
        code = static_cast<DWORD>(systemFailure->code().value());
        description = SystemDescription(code);
    } else if (dynamic_cast<const std::bad_alloc*>(&failure)) {
        code = ERROR_OUTOFMEMORY;
        description = SystemDescription(code);
    }
    if (description.empty())
        description = FromUtf8(failure.what());
    return L"Error: " + std::to_wstring(code) + L". " + description;
}

void ShowUnexpectedError(const wchar_t* operation, const std::exception& failure) {
    MessageBoxW(nullptr, UnexpectedErrorText(failure).c_str(), operation, MB_OK);
}
