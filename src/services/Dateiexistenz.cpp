#include "services/Dateiexistenz.h"

#include "services/UniqueHandle.h"

bool FileExists(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    const UniqueFindHandle search(FindFirstFileW(path.c_str(), &found));
    if (!search)
        return false;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return true;
    } while (FindNextFileW(search.get(), &found));
    return false;
}

bool PathExists(const std::wstring& path) {
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
