#pragma once
// What the program asks of the system's loader. Loader.cpp is linked into
// every start of the program, since wWinMain calls RestrictDllSearch first.

// Takes the current folder, which a document or a shortcut may choose, out of
// the places DLLs are loaded from, and where the system allows it, limits the
// search to the system folder. Call it first, before anything loads a DLL.
void RestrictDllSearch();
