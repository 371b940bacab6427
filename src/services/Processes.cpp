#include "services/Processes.h"

#include "services/UniqueHandle.h"

DWORD StartProgram(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                   UniqueKernelHandle* process) {
    STARTUPINFOW startup = {sizeof(startup)};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION started = {};
    std::wstring mutableLine = commandLine;
    const bool named = executable.find(L'\\') != std::wstring::npos;
    if (!CreateProcessW(named ? executable.c_str() : nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return GetLastError();
    const UniqueKernelHandle thread(started.hThread);
    UniqueKernelHandle running(started.hProcess);
    if (process)
        *process = std::move(running);
    return ERROR_SUCCESS;
}

std::wstring CommandPath(const std::wstring& program) {
    return program.find(L' ') == std::wstring::npos ? program : L"\"" + program + L"\"";
}
