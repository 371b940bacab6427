#include "RunningProgram.h"

RunningProgram::RunningProgram(UniqueKernelHandle process, DWORD processId)
    : process_(std::move(process)), processId_(processId) {}

RunningProgram::~RunningProgram() {
    if (process_)
        Terminate();
}

bool RunningProgram::IsRunning() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

HWND RunningProgram::WaitForWindow(const std::wstring& className, Duration timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto windows = TopLevelWindows(processId_, className);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr || !IsRunning();
        },
        timeout);
    if (found && process_) {
        // Shown is not yet painted: wait until the program sits in its message loop.
        WaitForInputIdle(process_.get(), static_cast<DWORD>(timeout.count()));
        UpdateWindow(found);
        Sleep(100);
    }
    return found;
}

HWND RunningProgram::MainWindow(Duration timeout) {
    if (!mainWindow_ || !IsWindow(mainWindow_))
        mainWindow_ = WaitForWindow(L"HivoraRoot", timeout);
    return mainWindow_;
}

HWND RunningProgram::Control(int id, Duration timeout) {
    const HWND main = MainWindow(timeout);
    return main ? FindDescendant(main, id) : nullptr;
}

std::optional<MessageBoxSeen> RunningProgram::WaitForMessageBox(Duration timeout) {
    const HWND box = WaitForDialog(processId_, timeout);
    if (!box)
        return std::nullopt;
    // The box is visible before its icon is painted; the icon is read from the screen.
    UpdateWindow(box);
    Sleep(150);
    return MessageBoxSeen{box, ReadDialog(box)};
}

bool RunningProgram::NoMessageBoxWithin(Duration time) {
    return WaitForDialog(processId_, time) == nullptr;
}

bool RunningProgram::Answer(const MessageBoxSeen& box, int buttonId, Duration timeout) {
    PressButton(box.window, buttonId);
    return WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, timeout);
}

std::optional<DialogContent> RunningProgram::AnswerMessageBox(int buttonId, Duration timeout) {
    const auto box = WaitForMessageBox(timeout);
    if (!box)
        return std::nullopt;
    Answer(*box, buttonId, timeout);
    return box->content;
}

std::optional<DWORD> RunningProgram::WaitForExit(Duration timeout) {
    if (!process_ || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void RunningProgram::Terminate() {
    if (!IsRunning())
        return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
}
