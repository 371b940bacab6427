// One small program that stands in for every outside tool the program starts.
// A scenario copies it under the tool's file name; the name decides what it does.
// Every start appends one record to a log, so a test can see who was started,
// with which command line, in which folder and with which window style:
//
//   name TAB command line TAB working folder TAB show command LF   (UTF-8)
//
// The log is named by the environment variable HIVORA_STANDIN_LOG, else it is
// "standins.log" beside the program. Tabs and line breaks inside a field are
// written as spaces, so a record is always exactly one line.
//
// Effects, by name (letter case ignored):
//   ERUNT.EXE     "<destination>" ...: expands "#Date#" with DateFormat and
//                 DateSeparator of section ERUNT in ERUNT.INI beside it
//                 (defaults "dd/mm/yyyy" and ".", so a missing setting shows),
//                 creates the folder and writes placeholder hives and Erdnt.exe.
//   AUTOBACK.EXE  "<destination>" ... [/days:N] [/alwayscreate]: writes Erdnt.exe
//                 and a fresh Erdnt.inf unless Erdnt.inf there is younger than N days.
//   NTREGOPT.EXE  leaves SOFTWARE.BAK and SYSTEM.BAK in the system's config folder
//                 and NTUSER.DAT_BAK in HIVORA_STANDIN_PROFILE when that is set.
//   anything else only records.
// Erdnt.exe is copied from beside the stand-in when there is one, so a restore
// from the new backup starts a stand-in again; otherwise it is a placeholder.
// HIVORA_STANDIN_LINGER_MS keeps the process alive that long after recording.
#include "services/AppPaths.h"
#include "services/UniqueHandle.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cwchar>
#include <cwctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::wstring Environment(const wchar_t* name) {
    const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring value(needed, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), needed));
    return value;
}

std::wstring Upper(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towupper(c); });
    return text;
}

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring OneLine(std::wstring field) {
    std::replace_if(
        field.begin(), field.end(), [](wchar_t c) { return c == L'\t' || c == L'\r' || c == L'\n'; }, L' ');
    return field;
}

// One write on an append-only handle: concurrent stand-ins never interleave within a record.
void AppendRecord(const std::wstring& logPath, const std::string& record) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        const UniqueFileHandle file(CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD written = 0;
            WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
            return;
        }
        if (std::chrono::steady_clock::now() > deadline)
            return;
        Sleep(20);
    }
}

void WriteText(const fs::path& path, const std::string& text) {
    const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return;
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The command line after the program's own path, with the first argument apart
// when it is enclosed in quotes. The program's path may itself be unquoted and
// hold spaces, as CreateProcess accepts; it then ends with ".exe".
struct Arguments {
    std::optional<std::wstring> quotedFirst;
    std::vector<std::wstring> rest;
};

Arguments ParseArguments(const std::wstring& commandLine) {
    size_t position = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        position = commandLine.find(L'"', 1);
        position = position == std::wstring::npos ? commandLine.size() : position + 1;
    } else {
        const std::wstring upper = Upper(commandLine);
        size_t exe = upper.find(L".EXE");
        while (exe != std::wstring::npos && exe + 4 < upper.size() && !std::iswspace(upper[exe + 4]))
            exe = upper.find(L".EXE", exe + 4);
        position = exe != std::wstring::npos ? exe + 4 : commandLine.find_first_of(L" \t");
        if (position == std::wstring::npos)
            position = commandLine.size();
    }

    Arguments arguments;
    bool first = true;
    while (position < commandLine.size()) {
        while (position < commandLine.size() && std::iswspace(commandLine[position]))
            ++position;
        if (position >= commandLine.size())
            break;
        std::wstring argument;
        const bool quoted = commandLine[position] == L'"';
        if (quoted) {
            const size_t end = commandLine.find(L'"', position + 1);
            const size_t stop = end == std::wstring::npos ? commandLine.size() : end;
            argument = commandLine.substr(position + 1, stop - position - 1);
            position = stop + 1;
        } else {
            const size_t end = commandLine.find_first_of(L" \t", position);
            const size_t stop = end == std::wstring::npos ? commandLine.size() : end;
            argument = commandLine.substr(position, stop - position);
            position = stop;
        }
        if (first && quoted)
            arguments.quotedFirst = argument;
        else
            arguments.rest.push_back(argument);
        first = false;
    }
    return arguments;
}

std::wstring IniValue(const fs::path& ini, const wchar_t* key, const wchar_t* fallback) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(L"ERUNT", key, fallback, value, 256, ini.c_str());
    return value[0] ? value : fallback;
}

// "yyyy", "yy", "mm" and "dd" become today's local date; "/" becomes the separator.
std::wstring FormatDate(const std::wstring& format, const std::wstring& separator) {
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    auto digits = [](unsigned value, size_t width) {
        std::wstring text = std::to_wstring(value);
        return std::wstring(text.size() < width ? width - text.size() : 0, L'0') + text;
    };
    std::wstring result;
    const std::wstring upper = Upper(format);
    for (size_t i = 0; i < format.size();) {
        if (upper.compare(i, 4, L"YYYY") == 0) {
            result += digits(today.wYear, 4);
            i += 4;
        } else if (upper.compare(i, 2, L"YY") == 0) {
            result += digits(today.wYear % 100, 2);
            i += 2;
        } else if (upper.compare(i, 2, L"MM") == 0) {
            result += digits(today.wMonth, 2);
            i += 2;
        } else if (upper.compare(i, 2, L"DD") == 0) {
            result += digits(today.wDay, 2);
            i += 2;
        } else if (format[i] == L'/') {
            result += separator;
            ++i;
        } else {
            result += format[i++];
        }
    }
    return result;
}

std::wstring ExpandDate(std::wstring destination, const fs::path& ownFolder) {
    const fs::path ini = ownFolder / L"ERUNT.INI";
    const std::wstring date =
        FormatDate(IniValue(ini, L"DateFormat", L"dd/mm/yyyy"), IniValue(ini, L"DateSeparator", L"."));
    for (size_t at = Upper(destination).find(L"#DATE#"); at != std::wstring::npos;
         at = Upper(destination).find(L"#DATE#", at + date.size()))
        destination.replace(at, 6, date);
    return destination;
}

void WriteRestoreProgram(const fs::path& folder, const fs::path& ownFolder) {
    const fs::path restore = ownFolder / L"Erdnt.exe";
    const fs::path target = folder / L"Erdnt.exe";
    std::error_code ignored;
    if (!fs::equivalent(restore, target, ignored) && !CopyFileW(restore.c_str(), target.c_str(), FALSE))
        WriteText(target, "placeholder for the restore program\r\n");
}

void Backup(const std::wstring& destination, const fs::path& ownFolder) {
    const fs::path folder = ExpandDate(destination, ownFolder);
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    for (const wchar_t* hive : {L"SYSTEM", L"SOFTWARE", L"SAM", L"SECURITY", L"DEFAULT", L"NTUSER.DAT"})
        WriteText(folder / hive, "placeholder hive\r\n");
    WriteRestoreProgram(folder, ownFolder);
}

std::optional<unsigned> DaysSwitch(const std::vector<std::wstring>& arguments) {
    for (const auto& argument : arguments) {
        const std::wstring upper = Upper(argument);
        if (upper.rfind(L"/DAYS:", 0) == 0)
            return static_cast<unsigned>(std::wcstoul(argument.c_str() + 6, nullptr, 10));
    }
    return std::nullopt;
}

bool HasSwitch(const std::vector<std::wstring>& arguments, const wchar_t* name) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [name](const std::wstring& argument) { return _wcsicmp(argument.c_str(), name) == 0; });
}

bool YoungerThanDays(const fs::path& file, unsigned days) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data))
        return false;
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    const unsigned long long day = 24ull * 60 * 60 * 10'000'000;
    return ticks(now) < ticks(data.ftLastWriteTime) + days * day;
}

void AutomaticBackup(const std::wstring& destination, const std::vector<std::wstring>& arguments,
                     const fs::path& ownFolder) {
    const fs::path folder = destination;
    std::error_code ignored;
    if (HasSwitch(arguments, L"/alwayscreate"))
        fs::create_directories(folder, ignored);
    const auto days = DaysSwitch(arguments);
    if (days && YoungerThanDays(folder / L"Erdnt.inf", *days))
        return;
    fs::create_directories(folder, ignored);
    WriteRestoreProgram(folder, ownFolder);
    WriteText(folder / L"Erdnt.inf", "[ERDNT]\r\nstand-in backup\r\n");
}

// A 32-bit build on 64-bit Windows must reach the real system folder, not its 32-bit twin.
class RealSystemFolder {
public:
    RealSystemFolder() { redirected_ = Wow64DisableWow64FsRedirection(&state_) != FALSE; }
    ~RealSystemFolder() {
        if (redirected_)
            Wow64RevertWow64FsRedirection(state_);
    }
    RealSystemFolder(const RealSystemFolder&) = delete;
    RealSystemFolder& operator=(const RealSystemFolder&) = delete;

private:
    PVOID state_ = nullptr;
    bool redirected_ = false;
};

void LeaveHiveCopies() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    {
        RealSystemFolder real;
        const fs::path config = fs::path(system) / L"config";
        std::error_code ignored;
        fs::create_directories(config, ignored);
        WriteText(config / L"SOFTWARE.BAK", "placeholder hive copy\r\n");
        WriteText(config / L"SYSTEM.BAK", "placeholder hive copy\r\n");
    }
    const std::wstring profile = Environment(L"HIVORA_STANDIN_PROFILE");
    if (!profile.empty()) {
        std::error_code ignored;
        fs::create_directories(profile, ignored);
        WriteText(fs::path(profile) / L"NTUSER.DAT_BAK", "placeholder hive copy\r\n");
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const fs::path own = ProgramPath();
    const fs::path ownFolder = own.parent_path();
    const std::wstring name = Upper(own.filename().wstring());
    const std::wstring commandLine = GetCommandLineW();
    const Arguments arguments = ParseArguments(commandLine);

    if (name == L"ERUNT.EXE" && arguments.quotedFirst)
        Backup(*arguments.quotedFirst, ownFolder);
    else if (name == L"AUTOBACK.EXE" && arguments.quotedFirst)
        AutomaticBackup(*arguments.quotedFirst, arguments.rest, ownFolder);
    else if (name == L"NTREGOPT.EXE")
        LeaveHiveCopies();

    // Recorded after the effects, so a test that sees the record also finds the files.
    STARTUPINFOW startup = {sizeof(startup)};
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring record = OneLine(own.filename().wstring()) + L"\t" + OneLine(commandLine) + L"\t" +
                                OneLine(folder) + L"\t" + std::to_wstring(show) + L"\n";
    std::wstring log = Environment(L"HIVORA_STANDIN_LOG");
    if (log.empty())
        log = (ownFolder / L"standins.log").wstring();
    AppendRecord(log, Utf8(record));

    const std::wstring linger = Environment(L"HIVORA_STANDIN_LINGER_MS");
    if (!linger.empty())
        Sleep(static_cast<DWORD>(std::wcstoul(linger.c_str(), nullptr, 10)));
    return 0;
}
