#include "app/StartUpRules.h"

#include "services/Dates.h"
#include "services/WindowsVersion.h"

#include <algorithm>
#include <cwctype>

std::wstring_view ArgumentText(std::wstring_view commandLine) {
    size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    commandLine.remove_prefix(end);
    while (!commandLine.empty() && (commandLine.front() == L' ' || commandLine.front() == L'\t'))
        commandLine.remove_prefix(1);
    return commandLine;
}

bool HasAutoSwitch(std::wstring_view arguments) {
    constexpr std::wstring_view kSwitch = L"/auto";
    const auto sameLetter = [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); };
    return std::search(arguments.begin(), arguments.end(), kSwitch.begin(), kSwitch.end(), sameLetter) !=
           arguments.end();
}

bool AutomaticBackupDue(const std::optional<SYSTEMTIME>& markerWritten, const SYSTEMTIME& today) {
    return !markerWritten || DayMonthYear(*markerWritten) != DayMonthYear(today);
}

bool IsWindows9x() {
    return WindowsVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}
