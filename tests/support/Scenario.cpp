#include "Scenario.h"

#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

std::wstring FromUtf8(const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

std::optional<std::wstring> Environment(const wchar_t* name) {
    const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring value(needed, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), needed));
    return value;
}

void CopyOrThrow(const std::wstring& source, const std::wstring& target) {
    std::error_code ignored;
    fs::create_directories(fs::path(target).parent_path(), ignored);
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy a file into the scenario (error " + std::to_string(GetLastError()) + ")");
}

// Case-insensitive order, as Windows keeps an environment block.
struct NoCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const { return _wcsicmp(a.c_str(), b.c_str()) < 0; }
};

std::wstring EnvironmentBlock(const std::map<std::wstring, std::wstring>& changes) {
    std::map<std::wstring, std::wstring, NoCase> variables;
    std::vector<std::wstring> drives; // "=C:=C:\..." entries keep their place in front
    if (wchar_t* strings = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
            const std::wstring text = entry;
            const size_t equals = text.find(L'=', 1);
            if (text[0] == L'=' || equals == std::wstring::npos)
                drives.push_back(text);
            else
                variables[text.substr(0, equals)] = text.substr(equals + 1);
        }
        FreeEnvironmentStringsW(strings);
    }
    for (const auto& [name, value] : changes) {
        if (value.empty())
            variables.erase(name);
        else
            variables[name] = value;
    }
    std::wstring block;
    for (const auto& drive : drives)
        block += drive + L'\0';
    for (const auto& [name, value] : variables)
        block += name + L'=' + value + L'\0';
    block += L'\0';
    return block;
}

std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& key, REGSAM view) {
    UniqueKey opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, opened.put()) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t value[2048] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(opened.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        return std::wstring();
    return std::wstring(value);
}

bool SetDefaultValue(HKEY root, const std::wstring& key, REGSAM view, const std::wstring& value) {
    UniqueKey created;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, created.put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return RegSetValueExW(created.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void DeleteSubKey(HKEY root, const std::wstring& parent, const std::wstring& name, REGSAM view) {
    UniqueKey opened;
    if (RegOpenKeyExW(root, parent.c_str(), 0, KEY_ALL_ACCESS | view, opened.put()) == ERROR_SUCCESS)
        SHDeleteKeyW(opened.get(), name.c_str());
}

// Where the program's path ends: at its closing quote, or, unquoted, after ".exe"
// (the path may hold spaces) or else at the first space.
size_t ProgramEnd(const std::wstring& commandLine) {
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const size_t quote = commandLine.find(L'"', 1);
        return quote == std::wstring::npos ? commandLine.size() : quote + 1;
    }
    std::wstring upper = commandLine;
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    for (size_t exe = upper.find(L".EXE"); exe != std::wstring::npos; exe = upper.find(L".EXE", exe + 4))
        if (exe + 4 == upper.size() || upper[exe + 4] == L' ' || upper[exe + 4] == L'\t')
            return exe + 4;
    const size_t space = commandLine.find(L' ');
    return space == std::wstring::npos ? commandLine.size() : space;
}

} // namespace

std::wstring StandinRecord::ProgramPath() const {
    std::wstring path = commandLine.substr(0, ProgramEnd(commandLine));
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return path;
}

std::wstring StandinRecord::Arguments() const {
    const size_t end = ProgramEnd(commandLine);
    return end < commandLine.size() ? commandLine.substr(end + 1) : std::wstring();
}

std::wstring BuildPath(const char* path) {
    std::wstring result = FromUtf8(path);
    if (!result.empty() && result[0] == L'/')
        result = L"Z:" + result;
    std::replace(result.begin(), result.end(), L'/', L'\\');
    return result;
}

std::wstring Scenario::BuiltProgram() {
#ifdef HIVORA_EXE_PATH
    return BuildPath(HIVORA_EXE_PATH);
#else
    return {};
#endif
}

std::wstring Scenario::BuiltStandin() {
#ifdef HIVORA_STANDIN_PATH
    return BuildPath(HIVORA_STANDIN_PATH);
#else
    return {};
#endif
}

Scenario::Scenario() {
    static unsigned counter = 0;
    const fs::path folder = fs::temp_directory_path() / (L"Hivora Prüfung-" + std::to_wstring(GetCurrentProcessId()) +
                                                         L"-" + std::to_wstring(++counter));
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    folder_ = folder.wstring();
    if (!folder_.empty() && folder_.back() == L'\\')
        folder_.pop_back();
    log_ = folder_ + L"\\standins.log";
    previousLog_ = Environment(L"HIVORA_STANDIN_LOG");
    SetEnvironmentVariableW(L"HIVORA_STANDIN_LOG", log_.c_str());
    environment_[L"HIVORA_STANDIN_LOG"] = log_;
}

Scenario::~Scenario() {
    SetEnvironmentVariableW(L"HIVORA_STANDIN_LOG", previousLog_ ? previousLog_->c_str() : nullptr);
    if (!savedOverrides_.empty()) {
        UniqueKey overrides;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", 0, KEY_SET_VALUE, overrides.put()) ==
            ERROR_SUCCESS) {
            for (auto saved = savedOverrides_.rbegin(); saved != savedOverrides_.rend(); ++saved) {
                if (saved->second)
                    RegSetValueExW(overrides.get(), saved->first.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(saved->second->c_str()),
                                   static_cast<DWORD>((saved->second->size() + 1) * sizeof(wchar_t)));
                else
                    RegDeleteValueW(overrides.get(), saved->first.c_str());
            }
        }
    }
    for (auto saved = savedValues_.rbegin(); saved != savedValues_.rend(); ++saved) {
        if (saved->value) {
            SetDefaultValue(saved->root, saved->key, saved->view, *saved->value);
        } else {
            const size_t slash = saved->key.rfind(L'\\');
            DeleteSubKey(saved->root, saved->key.substr(0, slash), saved->key.substr(slash + 1), saved->view);
        }
    }
    for (const auto& [path, backup] : placedFiles_) {
        if (backup)
            MoveFileExW(backup->c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
        else
            DeleteFileW(path.c_str());
    }
    // A stand-in or the program may still be ending and hold a file for a moment.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::error_code error;
        fs::remove_all(folder_, error);
        if (!error && !fs::exists(folder_, error))
            return;
        Sleep(100);
    }
}

std::wstring Scenario::PathOf(const std::wstring& relative) const {
    return relative.empty() ? folder_ : folder_ + L"\\" + relative;
}

std::wstring Scenario::AddProgram(const std::wstring& relative) {
    return CopyIn(BuiltProgram(), relative);
}

std::wstring Scenario::AddStandin(const std::wstring& relative) {
    return CopyIn(BuiltStandin(), relative);
}

std::wstring Scenario::PlaceStandinAt(const std::wstring& absolutePath) {
    std::vector<std::wstring> targets = {absolutePath};
    const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring systemFolder = std::wstring(system) + L"\\";
    if (_wcsnicmp(absolutePath.c_str(), systemFolder.c_str(), systemFolder.size()) == 0) {
        // A system program is started by 32- and 64-bit callers alike, each through its own
        // view of the system folder: put the stand-in into both folders.
        const std::wstring rest = absolutePath.substr(systemFolder.size());
        BOOL wow64 = FALSE;
        IsWow64Process(GetCurrentProcess(), &wow64);
        wchar_t windows[MAX_PATH] = {};
        GetWindowsDirectoryW(windows, MAX_PATH);
        wchar_t wowFolder[MAX_PATH] = {};
        if (wow64)
            targets = {std::wstring(windows) + L"\\Sysnative\\" + rest, absolutePath};
        else if (GetSystemWow64DirectoryW(wowFolder, MAX_PATH))
            targets.push_back(std::wstring(wowFolder) + L"\\" + rest);
    }
    for (const auto& target : targets) {
        std::optional<std::wstring> backup;
        if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
            backup = target + L".hivora-" + std::to_wstring(GetCurrentProcessId());
            MoveFileExW(target.c_str(), backup->c_str(), MOVEFILE_REPLACE_EXISTING);
        }
        placedFiles_.emplace_back(target, backup);
        CopyOrThrow(BuiltStandin(), target);
    }
    if (underWine) {
        // Wine runs its own built-in program for a file in the system folder unless its
        // overrides say to load the file ("native").
        std::wstring name = fs::path(absolutePath).filename().wstring();
        CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
        const std::wstring key = L"Software\\Wine\\DllOverrides";
        UniqueKey overrides;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                            overrides.put(), nullptr) == ERROR_SUCCESS) {
            wchar_t previous[256] = {};
            DWORD size = sizeof(previous) - sizeof(wchar_t);
            const bool existed = RegQueryValueExW(overrides.get(), name.c_str(), nullptr, nullptr,
                                                  reinterpret_cast<BYTE*>(previous), &size) == ERROR_SUCCESS;
            savedOverrides_.push_back({name, existed ? std::optional<std::wstring>(previous) : std::nullopt});
            const std::wstring native = L"native";
            RegSetValueExW(overrides.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(native.c_str()),
                           static_cast<DWORD>((native.size() + 1) * sizeof(wchar_t)));
        }
    }
    return absolutePath;
}

std::wstring Scenario::CopyIn(const std::wstring& source, const std::wstring& relative) {
    const std::wstring target = PathOf(relative);
    CopyOrThrow(source, target);
    return target;
}

std::wstring Scenario::MakeFolder(const std::wstring& relative) {
    const std::wstring path = PathOf(relative);
    fs::create_directories(path);
    return path;
}

std::wstring Scenario::Write(const std::wstring& relative, const std::string& bytes) {
    const std::wstring path = PathOf(relative);
    std::error_code ignored;
    fs::create_directories(fs::path(path).parent_path(), ignored);
    std::ofstream(fs::path(path), std::ios::binary) << bytes;
    return path;
}

std::string Scenario::Read(const std::wstring& relative) const {
    std::ifstream file(fs::path(PathOf(relative)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool Scenario::Exists(const std::wstring& relative) const {
    return GetFileAttributesW(PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Scenario::SetAge(const std::wstring& relative, std::chrono::hours age) {
    // FILE_FLAG_BACKUP_SEMANTICS lets the same call open a folder.
    const UniqueFileHandle file(CreateFileW(PathOf(relative).c_str(), FILE_WRITE_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks = {};
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= static_cast<ULONGLONG>(age.count()) * 60 * 60 * 10'000'000;
    const FILETIME then = {ticks.LowPart, ticks.HighPart};
    if (!file || !SetFileTime(file.get(), nullptr, nullptr, &then))
        throw std::runtime_error("cannot set a file's time in the scenario");
}

void Scenario::WriteIni(const std::wstring& relativeIni, const std::wstring& section, const std::wstring& key,
                        const std::wstring& value) {
    const std::wstring path = PathOf(relativeIni);
    std::error_code ignored;
    fs::create_directories(fs::path(path).parent_path(), ignored);
    WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

std::wstring Scenario::ReadIni(const std::wstring& relativeIni, const std::wstring& section,
                               const std::wstring& key) const {
    wchar_t value[4096] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value, 4096, PathOf(relativeIni).c_str());
    return value;
}

std::wstring Scenario::RegisterBrowser(const std::wstring& relative) {
    const std::wstring browser = AddStandin(relative);
    const std::wstring command = L"\"" + browser + L"\" \"%1\"";
    // The shell reads the merged classes view, where the user's classes win over the
    // machine's; a 32-bit caller on 64-bit Windows may read the 32-bit view. Setting
    // the command in every place keeps Wine's own browser (and its DDE) out of reach.
    const struct {
        HKEY root;
        const wchar_t* classes;
    } places[] = {{HKEY_LOCAL_MACHINE, L"Software\\Classes\\"}, {HKEY_CURRENT_USER, L"Software\\Classes\\"}};
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        for (const auto& place : places) {
            for (const wchar_t* scheme : {L"http", L"https"}) {
                const std::wstring open = place.classes + std::wstring(scheme) + L"\\shell\\open";
                // The DDE conversation would go to a running browser instead of starting ours.
                DeleteSubKey(place.root, open, L"ddeexec", view);
                const std::wstring key = open + L"\\command";
                savedValues_.push_back({place.root, view, key, DefaultValue(place.root, key, view)});
                SetDefaultValue(place.root, key, view, command);
                // The scheme must say it is a protocol for the shell to treat addresses as such.
                const std::wstring schemeKey = place.classes + std::wstring(scheme);
                UniqueKey opened;
                if (RegOpenKeyExW(place.root, schemeKey.c_str(), 0, KEY_SET_VALUE | view, opened.put()) ==
                    ERROR_SUCCESS)
                    RegSetValueExW(opened.get(), L"URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""),
                                   sizeof(wchar_t));
            }
        }
    }
    return browser;
}

void Scenario::SetEnvironment(const std::wstring& name, const std::wstring& value) {
    environment_[name] = value;
}

RunningProgram Scenario::Start(const std::wstring& arguments, const std::wstring& relativeProgram) {
    const std::wstring program = PathOf(relativeProgram);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    std::wstring environment = EnvironmentBlock(environment_);
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), folder_.c_str(), &startup, &started))
        throw std::runtime_error("cannot start a program of the scenario (error " + std::to_string(GetLastError()) +
                                 ")");
    const UniqueKernelHandle thread(started.hThread);
    return RunningProgram(UniqueKernelHandle(started.hProcess), started.dwProcessId);
}

std::vector<StandinRecord> Scenario::ReadLog() const {
    std::vector<StandinRecord> records;
    std::string bytes;
    {
        // Shared with writers: a stand-in may append while the test reads.
        const UniqueFileHandle file(CreateFileW(log_.c_str(), GENERIC_READ,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return records;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0)
            bytes.append(buffer, read);
    }
    size_t start = 0;
    // Only whole lines: a record still being written is left for the next read.
    for (size_t end = bytes.find('\n'); end != std::string::npos; start = end + 1, end = bytes.find('\n', start)) {
        const std::wstring line = FromUtf8(bytes.substr(start, end - start));
        std::vector<std::wstring> fields;
        size_t from = 0;
        for (size_t tab = line.find(L'\t'); tab != std::wstring::npos; from = tab + 1, tab = line.find(L'\t', from))
            fields.push_back(line.substr(from, tab - from));
        fields.push_back(line.substr(from));
        if (fields.size() != 4)
            continue;
        records.push_back({fields[0], fields[1], fields[2], std::stoi(fields[3])});
    }
    return records;
}

std::vector<StandinRecord> Scenario::WaitForLog(size_t count, Duration timeout) const {
    std::vector<StandinRecord> records;
    WaitUntil(
        [&] {
            records = ReadLog();
            return records.size() >= count;
        },
        timeout, std::chrono::milliseconds(50));
    return records;
}

std::vector<StandinRecord> Scenario::RecordsOf(const std::wstring& name) const {
    std::vector<StandinRecord> matching;
    for (auto& record : ReadLog())
        if (_wcsicmp(record.name.c_str(), name.c_str()) == 0)
            matching.push_back(std::move(record));
    return matching;
}
