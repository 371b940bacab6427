#pragma once
#include "services/UniqueHandle.h"

#include <windows.h>

#include <string>

// Starts a program and does not wait for it. The command line is handed over
// exactly as given; the executable is also named to the system on its own, so
// an unquoted path with spaces ("C:\Program Files\...") can never start a
// different program (a planted "C:\Program.exe"). A bare file name such as
// "Notepad.exe" is left to the system's search. ERROR_SUCCESS when the process
// started, else the system's error code. Where asked, the started process is
// handed back, to be waited for.
DWORD StartProgram(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                   UniqueKernelHandle* process = nullptr);

// A program's path as the start of its command line: in quotes when it holds a
// space, so that the program reads its arguments whole ("C:\Program Files\...").
std::wstring CommandPath(const std::wstring& program);
