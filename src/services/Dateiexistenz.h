#pragma once
#include <string>

// True when at least one file or folder matches the path, which may hold
// wildcards. A path ending in a backslash, and a bare drive root, match nothing.
bool FileExists(const std::wstring& path);

// True when the path names an existing file or folder, a drive root included;
// wildcards and the empty path answer false.
bool PathExists(const std::wstring& path);
