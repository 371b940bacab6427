#include "services/FileDirPath.h"

#include "services/Text.h"

#include <windows.h>

namespace {

template <typename Convert> std::wstring Converted(const std::wstring& path, Convert convert) {
    const DWORD length = convert(path.c_str(), nullptr, 0);
    if (length == 0)
        return path;
    std::wstring converted(length, L'\0');
    const DWORD written = convert(path.c_str(), converted.data(), length);
    if (written == 0 || written >= length)
        return path;
    converted.resize(written);
    return converted;
}

} // namespace

std::wstring LastPathPart(std::wstring_view path) {
    const size_t slash = path.rfind(L'\\');
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring ShortForm(const std::wstring& path) {
    return Converted(path, GetShortPathNameW);
}

std::wstring LongForm(const std::wstring& path) {
    return Converted(path, GetLongPathNameW);
}

std::optional<std::wstring> AnsiReadablePath(const std::wstring& path, std::wstring (*shortForm)(const std::wstring&)) {
    // From the whole path up, folder by folder: the first part with a readable form decides (the
    // empty part at the latest, so the loop never steps below the start).
    for (size_t end = path.size(); end != std::wstring::npos; end = path.rfind(L'\\', end - 1)) {
        const std::wstring part = path.substr(0, end);
        const std::wstring readable = FitsAnsiCodePage(part) ? part : shortForm(part);
        if (FitsAnsiCodePage(readable)) {
            const std::wstring rest = path.substr(end);
            return FitsAnsiCodePage(rest) ? std::optional(readable + rest) : std::nullopt;
        }
    }
    return std::nullopt;
}
