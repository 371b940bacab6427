#pragma once
#include <string>
#include <string_view>

// The text after the last backslash; the whole text when it has none,
// "" when it ends in a backslash.
std::wstring LastPathPart(std::wstring_view path);
