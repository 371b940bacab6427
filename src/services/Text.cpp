#include "services/Text.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

std::wstring FromAnsi(std::string_view text) {
    return ToWide(CP_ACP, text);
}

std::wstring FromUtf8(std::string_view text) {
    return ToWide(CP_UTF8, text);
}

std::string ToAnsi(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

bool FitsAnsiCodePage(std::wstring_view text) {
    // Best-fit mapping would quietly turn a Cyrillic letter into a Latin look-alike,
    // so compare the round trip instead of trusting the "default char used" flag.
    return FromAnsi(ToAnsi(text)) == text;
}

std::wstring UpperCase(std::wstring_view text) {
    std::wstring upper(text);
    if (!upper.empty())
        CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

int CompareIgnoringCase(std::wstring_view first, std::wstring_view second) {
    return UpperCase(first).compare(UpperCase(second));
}

bool SameTextIgnoringCase(std::wstring_view first, std::wstring_view second) {
    return first.size() == second.size() && UpperCase(first) == UpperCase(second);
}
