#include "services/Messages.h"

#include "services/Text.h"

#include <cwctype>
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

// The system's text for the code. Its inserts are never handed to FormatMessage, which would read one
// argument for each "%n" the text holds: "%1", the file the text speaks of, is filled in here.
std::wstring SystemDescription(DWORD code, std::wstring_view file = {}) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    std::wstring filled;
    for (size_t at = 0; at < text.size(); ++at)
        if (!file.empty() && text.compare(at, 2, L"%1") == 0 && (at + 2 == text.size() || !iswdigit(text[at + 2])))
            filled += file, ++at;
        else
            filled += text[at];
    return filled;
}

} // namespace

std::wstring FailureReason(DWORD error, std::wstring_view file) {
    // ERROR_ELEVATION_REQUIRED, which Vista brought: headers for XP lack it.
    constexpr DWORD kElevationRequired = 740;
    if (error == kElevationRequired)
        return kNeedsAdministrator;
    const std::wstring description = SystemDescription(error, file);
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
