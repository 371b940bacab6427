#pragma once
#include <optional>
#include <string>
#include <string_view>

// The text after the last backslash; the whole text when it has none,
// "" when it ends in a backslash.
std::wstring LastPathPart(std::wstring_view path);

// The 8.3 short form and the long form of an existing path; the text itself
// where the system gives none (a missing path, a volume without short names).
std::wstring ShortForm(const std::wstring& path);
std::wstring LongForm(const std::wstring& path);

// The path as a program that reads its command line in the ANSI code page
// (ERUNT's tools) gets it back: the path itself where it survives the way to
// that code page and back; else the short form of the part that exists,
// followed by the rest where the rest survives (a folder still to be made,
// "Sysreg\#Date#"). None where neither does, as on a volume without short names.
std::optional<std::wstring> AnsiReadablePath(const std::wstring& path,
                                             std::wstring (*shortForm)(const std::wstring&) = ShortForm);
