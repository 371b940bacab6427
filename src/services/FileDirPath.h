#pragma once
#include <string>
#include <string_view>

// The text after the last backslash; the whole text when it has none,
// "" when it ends in a backslash.
std::wstring LastPathPart(std::wstring_view path);

// The 8.3 short form and the long form of an existing path; the text itself
// where the system gives none (a missing path, a volume without short names).
std::wstring ShortForm(const std::wstring& path);
std::wstring LongForm(const std::wstring& path);
