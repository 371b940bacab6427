#pragma once
#include <string>

// The full path of the running executable.
std::wstring ProgramPath();
// The folder of the running executable: a drive root keeps its backslash,
// any other folder comes without one.
std::wstring ProgramFolder();
// The executable's file name without its extension, e.g. HIVORA.
std::wstring ProgramName();
