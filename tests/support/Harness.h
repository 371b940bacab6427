#pragma once
// Drives the real program as a user would: a scratch folder with the program and stand-ins
// for the outside tools, its windows and message boxes read and answered from outside, the
// mouse and keys through real input. Every wait has a time-out. Input goes to whatever lies
// under the pointer, so these tests never run side by side.
#include "ScratchFolder.h"
#include "resource.h"
#include "services/UniqueHandle.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

template <typename Condition> bool WaitFor(Condition condition, int milliseconds = 15000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (; !condition(); Sleep(20))
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    return true;
}

// A path the build passes in as text; under Wine a Unix path is reached through drive Z:.
inline std::wstring BuildPath(const char* path) {
    std::wstring result(path, path + strlen(path));
    std::replace(result.begin(), result.end(), L'/', L'\\');
    return result[0] == L'\\' ? L"Z:" + result : result;
}

inline void CopyTo(const std::wstring& to, const std::wstring& from = BuildPath(HIVORA_STANDIN_PATH)) {
    std::filesystem::create_directories(std::filesystem::path(to).parent_path());
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy a file into place");
}

inline std::wstring Ini(const std::wstring& file, const wchar_t* key) {
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(L"ERUNT", key, L"", value, 1024, file.c_str());
    return value;
}

inline std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

struct RegValue {
    DWORD type;
    std::string bytes;
};

inline RegValue Sz(const std::wstring& text) {
    return {REG_SZ, std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t))};
}

inline std::optional<RegValue> ReadReg(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view = 0) {
    UniqueKey opened;
    DWORD type = 0, size = 0;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, opened.put()) ||
        RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &size))
        return std::nullopt;
    RegValue value = {type, std::string(size, '\0')};
    RegQueryValueExW(opened.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(value.bytes.data()), &size);
    return value;
}

// Nothing deletes the value.
inline void WriteReg(HKEY root, const std::wstring& key, const std::wstring& name, const std::optional<RegValue>& value,
                     REGSAM view = 0) {
    UniqueKey opened;
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, opened.put(), nullptr);
    if (value)
        RegSetValueExW(opened.get(), name.c_str(), 0, value->type, reinterpret_cast<const BYTE*>(value->bytes.data()),
                       static_cast<DWORD>(value->bytes.size()));
    else
        RegDeleteValueW(opened.get(), name.c_str());
}

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kUserInfo[] = L"Software\\Microsoft\\MS Setup (ACME)\\User Info";

// One start of a stand-in as it recorded it: its own path, the raw command line, its working folder.
struct Start {
    std::wstring path, line, folder;
    // A line of the program's path alone, without the quotes that Windows, unlike Wine, may add.
    std::wstring Alone() const { return line.size() > 1 && line[0] == L'"' ? line.substr(1, line.size() - 2) : line; }
};

// The program copied into a scratch folder with stand-ins beside it. Whatever the test
// changes outside the folder (registry values, files) is put back when it goes.
class Scenario : public ScratchFolder {
public:
    explicit Scenario(std::initializer_list<const wchar_t*> tools = {L"ERUNT.EXE", L"NTREGOPT.EXE"},
                      const std::wstring& name = L"Hivora Prüfung")
        : ScratchFolder(name) {
        CopyTo(Program(), BuildPath(HIVORA_EXE_PATH));
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
    void Undo(std::function<void()> action) { undo_.push_back(std::move(action)); }
    void SetReg(HKEY root, const std::wstring& key, const std::wstring& name, const std::optional<RegValue>& value,
                REGSAM view = 0) {
        Undo([=, old = ReadReg(root, key, name, view)] { WriteReg(root, key, name, old, view); });
        WriteReg(root, key, name, value, view);
    }
    // A stand-in outside the folder. Wine runs its built-in program of a system file's name
    // unless told to load the file.
    void PlaceStandin(const std::wstring& path) {
        const bool existed = MoveFileExW(path.c_str(), (path + L".hivora").c_str(), MOVEFILE_REPLACE_EXISTING);
        Undo([=] {
            existed ? MoveFileExW((path + L".hivora").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)
                    : DeleteFileW(path.c_str());
        });
        CopyTo(path);
        SetReg(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", std::filesystem::path(path).filename(),
               Sz(L"native"));
    }
    // http and https open a stand-in named browser.exe, in the user's and the machine's
    // classes of both views. A DDE conversation would reach a running browser instead: it is
    // gone for the rest of the throwaway prefix.
    void RegisterBrowser() {
        CopyTo(*this / L"browser.exe");
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY})
            for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
                for (const std::wstring scheme : {L"Software\\Classes\\http", L"Software\\Classes\\https"}) {
                    UniqueKey open;
                    if (!RegOpenKeyExW(root, (scheme + L"\\shell\\open").c_str(), 0, KEY_ALL_ACCESS | view, open.put()))
                        RegDeleteTreeW(open.get(), L"ddeexec");
                    SetReg(root, scheme, L"URL Protocol", Sz(L""), view);
                    SetReg(root, scheme + L"\\shell\\open\\command", L"", Sz(L"\"" + *this / L"browser.exe\" \"%1\""),
                           view);
                }
    }
    std::vector<Start> Log() const {
        std::vector<Start> starts;
        std::wistringstream records(Utf16(ReadBytes(*this / L"standins.log")));
        // Only whole lines: a record still being written waits for the next read.
        for (std::wstring record; std::getline(records, record) && !records.eof();) {
            const size_t first = record.find(L'\t'), second = record.find(L'\t', first + 1);
            starts.push_back(
                {record.substr(0, first), record.substr(first + 1, second - first - 1), record.substr(second + 1)});
        }
        return starts;
    }
    std::vector<Start> WaitLog(size_t count) const {
        WaitFor([&] { return Log().size() >= count; });
        return Log();
    }

private:
    static std::wstring Utf16(const std::string& text) {
        std::wstring wide(text.size(), L'\0');
        wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                        static_cast<int>(wide.size())));
        return wide;
    }
    std::vector<std::function<void()>> undo_;
};

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// The top-level windows, or the children (at any depth) of a window.
inline std::vector<HWND> Windows(HWND parent = nullptr) {
    std::vector<HWND> all;
    parent ? EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all))
           : EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

inline std::wstring Text(HWND window) {
    wchar_t text[2048] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

inline bool OfClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return _wcsicmp(name, className) == 0;
}

struct Box {
    HWND window;
    std::wstring title, text;
    std::vector<int> buttons;
    int defaultButton;
};

// A program started for a test; ended when the test ends, if it still runs.
class Program {
public:
    explicit Program(const std::wstring& path, std::wstring arguments = {}, const std::wstring& folder = {}) {
        arguments = L"\"" + path + L"\" " + arguments;
        STARTUPINFOW startup = {sizeof(startup)};
        PROCESS_INFORMATION started = {};
        const std::wstring from = folder.empty() ? std::filesystem::path(path).parent_path().wstring() : folder;
        if (!CreateProcessW(path.c_str(), arguments.data(), nullptr, nullptr, 0, 0, nullptr, from.c_str(), &startup,
                            &started))
            throw std::runtime_error("cannot start the program");
        CloseHandle(started.hThread);
        process_.reset(started.hProcess);
        id_ = started.dwProcessId;
    }
    ~Program() {
        if (TerminateProcess(process_.get(), 1))
            WaitForSingleObject(process_.get(), 10000);
    }
    DWORD Id() const { return id_; }
    // A shown top-level window of the program, once the program waits for input.
    HWND Window(const wchar_t* className, int milliseconds = 15000) {
        HWND found = nullptr;
        WaitFor(
            [&] {
                for (const HWND window : Windows()) {
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner == id_ && IsWindowVisible(window) && OfClass(window, className))
                        found = window;
                }
                return found || Exit(0);
            },
            milliseconds);
        if (found)
            WaitForInputIdle(process_.get(), 15000);
        return found;
    }
    HWND Main() { return main_ ? main_ : main_ = Window(L"HivoraRoot"); }
    HWND Control(int id) {
        const auto all = Windows(Main());
        const auto found = std::find_if(all.begin(), all.end(), [id](HWND child) { return GetDlgCtrlID(child) == id; });
        return found == all.end() ? nullptr : *found;
    }
    std::optional<Box> WaitBox(int milliseconds = 15000) {
        const HWND window = Window(L"#32770", milliseconds);
        if (!window)
            return std::nullopt;
        // Windows names the message text 0xFFFF, older Wine 100.
        const HWND text = GetDlgItem(window, 0xFFFF) ? GetDlgItem(window, 0xFFFF) : GetDlgItem(window, 100);
        // Enter presses the button that has the focus.
        GUITHREADINFO focus = {sizeof(focus)};
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &focus);
        Box box = {window, Text(window), Text(text), {}, GetDlgCtrlID(focus.hwndFocus)};
        for (const HWND child : Windows(window))
            if (OfClass(child, L"Button") && IsWindowVisible(child))
                box.buttons.push_back(GetDlgCtrlID(child));
        return box;
    }
    // The next box, answered with this button.
    std::optional<Box> Answer(int button) {
        const auto box = WaitBox();
        if (box && PostMessageW(box->window, WM_COMMAND, button, 0))
            WaitFor([&] { return !IsWindowVisible(box->window); });
        return box;
    }
    std::optional<DWORD> Exit(int milliseconds = 15000) {
        DWORD code = 0;
        if (WaitForSingleObject(process_.get(), milliseconds) || !GetExitCodeProcess(process_.get(), &code))
            return std::nullopt;
        return code;
    }

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
    HWND main_ = nullptr;
};

// To the window's centre, or to a point of its client area.
inline void MoveTo(HWND window, std::optional<POINT> client = {}) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (client)
        ClientToScreen(window, &(at = *client));
    INPUT input = {INPUT_MOUSE};
    // Absolute input counts in 65536ths of the screen.
    input.mi.dx = (at.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (at.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

inline void Click(HWND window, int clicks = 1, std::optional<POINT> client = {}) {
    MoveTo(window, client);
    INPUT inputs[2] = {{INPUT_MOUSE}, {INPUT_MOUSE}};
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    for (int click = 0; click < clicks; ++click)
        SendInput(2, inputs, sizeof(INPUT));
}

inline void PressKey(WORD key) {
    INPUT inputs[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
    for (INPUT& input : inputs)
        input.ki = {key, static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)),
                    &input == inputs ? 0u : KEYEVENTF_KEYUP};
    SendInput(2, inputs, sizeof(INPUT));
}

// Picks the folder in a folder dialog of the process and presses OK. The dialog reads the
// path, and writes its selected item's text, in its own memory; one still filling its tree
// may miss a request, so it is repeated until the folder shows selected.
inline bool ChooseFolder(HWND dialog, DWORD processId, const std::wstring& folder) {
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, 0, processId));
    const HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    auto* item = static_cast<TVITEMW*>(VirtualAllocEx(process.get(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    auto* text = reinterpret_cast<wchar_t*>(item + 1);
    WriteProcessMemory(process.get(), text + MAX_PATH, folder.c_str(), (folder.size() + 1) * 2, nullptr);
    const bool chosen = WaitFor([&] {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(text + MAX_PATH));
        TVITEMW selected = {TVIF_TEXT, TreeView_GetSelection(tree), 0, 0, text, MAX_PATH};
        wchar_t shown[MAX_PATH] = {};
        return WriteProcessMemory(process.get(), item, &selected, sizeof(selected), nullptr) &&
               SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(item)) &&
               ReadProcessMemory(process.get(), text, shown, sizeof(shown), nullptr) &&
               std::filesystem::path(folder).filename() == shown;
    });
    VirtualFreeEx(process.get(), item, 0, MEM_RELEASE);
    return chosen && PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}
