#pragma once
#include <string>

// True when at least one file matches the path, which may hold wildcards; a
// folder is no file, so a folder named like a program never passes for it.
bool FileExists(const std::wstring& path);

// True when the path names an existing file or folder, a drive root included;
// wildcards and the empty path answer false.
bool PathExists(const std::wstring& path);
