// Stands in for a document's program: records how the shell started it in
// "opened.txt" beside itself.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    STARTUPINFOW startup = {sizeof(startup)};
    GetStartupInfoW(&startup);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring marker = path;
    marker.resize(marker.rfind(L'\\') + 1);
    marker += L"opened.txt";
    const std::string text = "show=" + std::to_string(startup.wShowWindow);
    const HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
