#pragma once
// Drives the real program from a scratch folder with stand-ins for the outside tools, through real mouse
// and keys (so these tests never run side by side). Every wait has a time-out.
#include "ScratchFolder.h"
#include "resource.h"
#include "services/IniFiles.h"
#include "services/Registry.h"
#include "services/UniqueHandle.h"
#include "services/WindowsOrdner.h"

#include <shlwapi.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <sstream>
#include <vector>

// The longest wait before a test fails: a cold Wine prefix's first folder dialog may take many seconds, and
// where 32-bit programs run emulated each start takes about a minute (HIVORA_PATIENCE_SECONDS says more).
inline const int kPatience = [] {
    const char* seconds = std::getenv("HIVORA_PATIENCE_SECONDS");
    return 1000 * std::max(60, seconds ? std::atoi(seconds) : 0);
}();

template <typename Condition> bool WaitFor(Condition condition, int milliseconds = kPatience, DWORD poll = 20) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (; !condition(); Sleep(poll))
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    return true;
}

// A path the build passes in; under Wine a Unix path is reached through drive Z:.
inline std::wstring BuildPath(const std::string& path) {
    return (path[0] == '/' ? L"Z:" : L"") + std::filesystem::path(path).make_preferred().wstring();
}

// This build's program, or the one HIVORA_PROGRAM names (the 32-bit one, where its tests would be slow).
inline std::string ProgramToTest() {
    const char* other = std::getenv("HIVORA_PROGRAM");
    return other && *other ? other : HIVORA_EXE_PATH;
}

inline void CopyTo(const std::wstring& to, const std::string& from = HIVORA_STANDIN_PATH) {
    std::filesystem::create_directories(std::filesystem::path(to).parent_path());
    CopyFileW(BuildPath(from).c_str(), to.c_str(), FALSE);
}

// A registry value as text ("" for other types); nothing when there is none.
inline std::optional<std::wstring> ReadReg(HKEY root, const std::wstring& key, const std::wstring& name,
                                           REGSAM view = 0) {
    RegistryValue value;
    if (!RegistryReadValue(root, key, name, value, view))
        return std::nullopt;
    return std::holds_alternative<std::wstring>(value) ? std::get<std::wstring>(value) : L"";
}

// Nothing deletes the value; a REG_BINARY value holds the text's characters without the end.
inline void WriteReg(HKEY root, const std::wstring& key, const std::wstring& name,
                     const std::optional<std::wstring>& value, REGSAM view = 0, DWORD type = REG_SZ) {
    UniqueKey opened;
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, opened.put(), nullptr);
    if (value)
        RegSetValueExW(opened.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>((value->size() + (type == REG_SZ)) * sizeof(wchar_t)));
    else
        RegDeleteValueW(opened.get(), name.c_str());
}

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Where ERUNT is offered for download and described, as the browser is handed it.
constexpr wchar_t kEruntAddress[] = L" \"https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download\"";

// One start of a stand-in as it recorded it: the path it was started by, the command line, its working folder.
struct Start {
    std::wstring path, line, folder;
};

// The program in a scratch folder with stand-ins beside it; what the test changes outside is put back.
class Scenario : public ScratchFolder {
public:
    explicit Scenario(std::initializer_list<const wchar_t*> tools = {L"ERUNT.EXE", L"NTREGOPT.EXE"}) {
        CopyTo(Program(), ProgramToTest());
        for (const wchar_t* tool : tools)
            CopyTo(*this / tool);
        // Inherited by the program and everything it starts.
        SetEnvironmentVariableW(L"HIVORA_STANDIN_LOG", (*this / L"standins.log").c_str());
    }
    ~Scenario() {
        for (auto undo = undo_.rbegin(); undo != undo_.rend(); ++undo)
            (*undo)();
    }
    std::wstring Program() const { return *this / L"HIVORA.exe"; }
    void Set(const wchar_t* key, const std::wstring& value) const {
        WriteIniValue(*this / L"ERUNT.INI", L"ERUNT", key, value);
    }
    std::wstring Get(const wchar_t* key) const { return ReadIniValue(*this / L"ERUNT.INI", L"ERUNT", key); }
    void Undo(std::function<void()> action) { undo_.push_back(std::move(action)); }
    void SetReg(HKEY root, const std::wstring& key, const std::wstring& name, const std::optional<std::wstring>& value,
                REGSAM view = 0, DWORD type = REG_SZ) {
        Undo([=, old = ReadReg(root, key, name, view)] { WriteReg(root, key, name, old, view); });
        WriteReg(root, key, name, value, view, type);
    }
    // A stand-in outside the folder. Wine runs its own program of a system file's name unless told otherwise.
    void PlaceStandin(const std::wstring& path) {
        const bool existed = MoveFileExW(path.c_str(), (path + L".hivora").c_str(), MOVEFILE_REPLACE_EXISTING);
        Undo([=] {
            existed ? MoveFileExW((path + L".hivora").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)
                    : DeleteFileW(path.c_str());
        });
        CopyTo(path);
        SetReg(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", std::filesystem::path(path).filename(), L"native");
    }
    // http and https open a stand-in browser.exe in every class and view; DDE would reach a running browser.
    void RegisterBrowser() {
        CopyTo(*this / L"browser.exe");
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY})
            for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
                for (const std::wstring scheme : {L"Software\\Classes\\http", L"Software\\Classes\\https"}) {
                    UniqueKey open;
                    if (!RegOpenKeyExW(root, (scheme + L"\\shell\\open").c_str(), 0, KEY_ALL_ACCESS | view, open.put()))
                        SHDeleteKeyW(open.get(), L"ddeexec");
                    SetReg(root, scheme, L"URL Protocol", L"", view);
                    SetReg(root, scheme + L"\\shell\\open\\command", L"", L"\"" + *this / L"browser.exe\" \"%1\"",
                           view);
                }
    }
    // A stand-in the desktop's shell started logs beside itself, in its folder.
    std::vector<Start> Log(const std::wstring& folder = {}) const {
        const std::string bytes = ReadBytes((folder.empty() ? Path() : folder) + L"\\standins.log");
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        std::vector<Start> starts;
        std::wistringstream records(text);
        // Only whole lines: a record still being written waits for the next read.
        for (Start start; std::getline(records, start.path, L'\t') && std::getline(records, start.line, L'\t') &&
                          std::getline(records, start.folder) && !records.eof();)
            starts.push_back(start);
        return starts;
    }
    std::vector<Start> WaitLog(size_t count) const {
        WaitFor([&] { return Log().size() >= count; });
        return Log();
    }

private:
    std::vector<std::function<void()>> undo_;
};

inline std::wstring Text(HWND window) {
    wchar_t text[2048] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

// The control that has the keyboard focus in the window's thread: the one Enter presses.
inline HWND Focus(HWND window) {
    GUITHREADINFO info = {sizeof(info)};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

struct Box {
    HWND window;
    std::wstring title, text;
    std::vector<int> buttons;
    int defaultButton;
};

// A program started for a test, in a job with everything it starts: what still runs ends with the test.
class Program {
public:
    // With a token, the program runs with it (a restricted one, without full rights).
    explicit Program(const std::wstring& path, std::wstring arguments = {}, std::wstring folder = {},
                     HANDLE token = nullptr) {
        arguments = L"\"" + path + L"\" " + arguments;
        folder = folder.empty() ? std::filesystem::path(path).parent_path().wstring() : folder;
        STARTUPINFOW startup = {sizeof(startup)};
        PROCESS_INFORMATION started = {};
        CreateProcessAsUserW(token, path.c_str(), arguments.data(), nullptr, nullptr, 0, CREATE_SUSPENDED, nullptr,
                             folder.c_str(), &startup, &started);
        AssignProcessToJobObject(job_.get(), started.hProcess);
        ResumeThread(started.hThread);
        CloseHandle(started.hThread);
        process_.reset(started.hProcess);
        id_ = started.dwProcessId;
    }
    ~Program() {
        if (TerminateJobObject(job_.get(), 1))
            WaitForSingleObject(process_.get(), 10000);
    }
    HANDLE Process() const { return process_.get(); }
    HWND Main() { return main_ ? main_ : main_ = Window(L"HivoraRoot"); }
    // A shown top-level window of the program, once the program waits for input.
    HWND Window(const wchar_t* className, int milliseconds = kPatience) {
        HWND found = nullptr;
        const auto shown = [&] {
            while ((found = FindWindowExW(nullptr, found, className, nullptr)))
                if (DWORD owner = 0; GetWindowThreadProcessId(found, &owner) && owner == id_ && IsWindowVisible(found))
                    return true;
            return Exit(0).has_value();
        };
        if (WaitFor(shown, milliseconds) && found)
            WaitForInputIdle(process_.get(), kPatience);
        return found;
    }
    HWND Control(int id) { return GetDlgItem(Main(), id); }
    std::wstring Description() { return Text(GetDlgItem(Control(IDC_PTOOLTIPS), IDC_TTOOLTIPS)); }
    std::wstring State() { return Text(GetDlgItem(Control(IDC_PTOOLTIPS), IDC_TSTATE)); }
    std::optional<Box> WaitBox(int milliseconds = kPatience) {
        const HWND window = Window(L"#32770", milliseconds);
        if (!window)
            return std::nullopt;
        // Windows names the message text 0xFFFF, older Wine 100.
        const HWND text = GetDlgItem(window, 0xFFFF) ? GetDlgItem(window, 0xFFFF) : GetDlgItem(window, 100);
        Box box = {window, Text(window), Text(text), {}, GetDlgCtrlID(Focus(window))};
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP && Text(child).size() > 0 && IsWindowVisible(child))
                box.buttons.push_back(GetDlgCtrlID(child));
        return box;
    }
    // The next box, answered with this button.
    std::optional<Box> Answer(int button) {
        const auto box = WaitBox();
        if (box && PostMessageW(box->window, WM_COMMAND, button, 0))
            WaitFor([&] { return !IsWindow(box->window); }); // and the program past its message box
        return box;
    }
    // The program's exit code, once it and everything it started have ended.
    std::optional<DWORD> Exit(int milliseconds = kPatience) {
        DWORD code = 0;
        if (WaitForSingleObject(process_.get(), milliseconds) || !GetExitCodeProcess(process_.get(), &code) ||
            !Settled(milliseconds))
            return std::nullopt;
        return code;
    }
    // True once every program it started has ended, so that their records are complete.
    bool Settled(int milliseconds = kPatience) {
        return WaitFor([&] { return Job().ActiveProcesses <= (WaitForSingleObject(process_.get(), 0) ? 1u : 0u); },
                       milliseconds);
    }
    // The program and the programs it started itself, not those another process started at its request.
    DWORD Processes() { return Job().TotalProcesses; }

private:
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Job() {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION job = {};
        QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &job, sizeof(job), nullptr);
        return job;
    }

    UniqueKernelHandle job_{CreateJobObjectW(nullptr, nullptr)};
    UniqueKernelHandle process_;
    DWORD id_ = 0;
    HWND main_ = nullptr;
};

// Presses the button clicks times at the window's centre or a client point; none only moves the pointer.
inline void Click(HWND window, int clicks = 1, std::optional<POINT> client = {}, DWORD press = MOUSEEVENTF_LEFTDOWN) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (client)
        ClientToScreen(window, &(at = *client));
    // In 65536ths of the screen; every event carries the point, so no press lands before the move.
    INPUT input = {INPUT_MOUSE};
    input.mi = {(at.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN),
                (at.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN), 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE};
    std::vector<INPUT> inputs(1 + 2 * clicks, input);
    for (size_t index = 1; index < inputs.size(); ++index)
        inputs[index].mi.dwFlags |= index % 2 ? press : press << 1; // each button's release follows its press
    SendInput(1, inputs.data(), sizeof(INPUT));
    POINT pointer = {};
    WaitFor([&] { return GetCursorPos(&pointer) && pointer.x == at.x && pointer.y == at.y; }, 5000);
    SendInput(static_cast<UINT>(inputs.size() - 1), inputs.data() + 1, sizeof(INPUT));
}

// Presses the key, with the modifier (VK_MENU for Alt) held when one is given.
inline void PressKey(WORD key, WORD modifier = 0) {
    std::vector<INPUT> inputs;
    for (const DWORD flags : {0, KEYEVENTF_KEYUP})
        for (const WORD pressed : flags ? std::vector<WORD>{key, modifier} : std::vector<WORD>{modifier, key})
            if (pressed) {
                INPUT& input = inputs.emplace_back(INPUT{INPUT_KEYBOARD});
                input.ki = {pressed, static_cast<WORD>(MapVirtualKeyW(pressed, MAPVK_VK_TO_VSC)), flags};
            }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
