// Every outside tool, under the tool's name; it reads its command line and folder as ANSI, as ERUNT's tools do.
// Each start appends "path TAB command line TAB working folder" (UTF-16) to HIVORA_STANDIN_LOG's file, else to
// standins.log beside itself. As AUTOBACK.EXE "<folder>" it empties the folder (#Date# made today's date) and
// leaves Erdnt.exe (itself, so a restore is recorded too) and Erdnt.inf there.
#include "services/AppPaths.h"
#include "services/Dates.h"
#include "services/Text.h"
#include "services/UniqueHandle.h"

#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::filesystem::path own = ProgramPath();
    const std::wstring line = FromAnsi(GetCommandLineA());
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(line.c_str(), &count);
    const std::wstring startedAs = count > 0 ? arguments[0] : L"";
    std::wstring target = count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    if (_wcsicmp(own.filename().c_str(), L"AUTOBACK.EXE") == 0 && !target.empty()) {
        if (const size_t date = target.find(L"#Date#"); date != std::wstring::npos) {
            SYSTEMTIME today;
            GetLocalTime(&today);
            target.replace(date, 6, EruntDate(today, L"yyyy/mm/dd", L"-"));
        }
        std::error_code ignored;
        std::filesystem::remove_all(target, ignored);
        std::filesystem::create_directories(target, ignored);
        CopyFileW(own.c_str(), (target + L"\\Erdnt.exe").c_str(), FALSE);
        CloseHandle(
            CreateFileW((target + L"\\Erdnt.inf").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }

    // Recorded after the effects: a test that sees the record also finds the files.
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::wstring record = startedAs + L"\t" + line + L"\t" + FromAnsi(folder) + L"\n";
    wchar_t log[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"HIVORA_STANDIN_LOG", log, MAX_PATH))
        (own.parent_path() / L"standins.log").wstring().copy(log, MAX_PATH - 1);
    // One write on an append-only handle: stand-ins started together never mix their records.
    for (int attempt = 0; attempt < 500; ++attempt, Sleep(10)) {
        const UniqueFileHandle file(CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (file && WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written,
                              nullptr))
            return 0;
    }
    return 1;
}
