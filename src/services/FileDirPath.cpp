#include "services/FileDirPath.h"

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
