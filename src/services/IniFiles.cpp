#include "services/IniFiles.h"

#include "services/FileDirPath.h"
#include "services/Text.h"

#include <windows.h>

namespace {

// A read gives back at most this many characters.
constexpr size_t kLongestValue = 254;

bool ReadsBackWhole(const std::wstring& value) {
    return value.size() <= kLongestValue && FitsAnsiCodePage(value);
}

// A folder whose name has no ANSI form would reach ERUNT as question marks,
// and a longer one would be read back cut; its short 8.3 name, where it has
// one, names the same folder in fewer, ANSI characters.
std::wstring StoredForm(const std::wstring& value) {
    if (ReadsBackWhole(value))
        return value;
    const std::wstring shortPath = ShortForm(value);
    return ReadsBackWhole(shortPath) ? shortPath : value;
}

} // namespace

std::wstring ReadIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[kLongestValue + 1] = {};
    const DWORD copied =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, kLongestValue + 1, file.c_str());
    return std::wstring(buffer, copied);
}

int32_t WriteIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& value) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), StoredForm(value).c_str(), file.c_str());
}

std::optional<std::wstring> SettingsFormOfFolder(const std::wstring& folder) {
    std::wstring stored = StoredForm(folder);
    if (!ReadsBackWhole(stored))
        return std::nullopt;
    return stored;
}
