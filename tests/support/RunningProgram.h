#pragma once
// A program a test has started: its windows, its message boxes, its end. Every
// wait has a time-out, and a program still running when the object goes is
// terminated, so a failing test never leaves a process behind.
#include "Dialogs.h"
#include "WindowDriver.h"
#include "services/UniqueHandle.h"

#include <chrono>
#include <optional>
#include <string>

struct MessageBoxSeen {
    HWND window = nullptr;
    DialogContent content;
};

class RunningProgram {
public:
    using Duration = std::chrono::milliseconds;
    static constexpr Duration kDefaultTimeout = std::chrono::seconds(15);

    RunningProgram(UniqueKernelHandle process, DWORD processId);
    ~RunningProgram();
    RunningProgram(RunningProgram&&) noexcept = default;
    RunningProgram& operator=(RunningProgram&&) noexcept = default;

    DWORD Id() const { return processId_; }
    HANDLE Process() const { return process_.get(); }
    bool IsRunning() const;

    // The program's visible top-level window of this class, once it is shown and
    // the program waits for input; nullptr when none came in time.
    HWND WaitForWindow(const std::wstring& className, Duration timeout = kDefaultTimeout);
    // The main window (class "HivoraRoot"), remembered after the first find.
    HWND MainWindow(Duration timeout = kDefaultTimeout);
    // A control of the main window by its identifier (resource.h), also inside a child window.
    HWND Control(int id, Duration timeout = kDefaultTimeout);

    // The next message box (or other dialog) of the program, read but not answered.
    std::optional<MessageBoxSeen> WaitForMessageBox(Duration timeout = kDefaultTimeout);
    // True when no message box shows up within the time.
    bool NoMessageBoxWithin(Duration time);
    // Presses a button (IDOK, IDYES, IDRETRY, ...) and waits until the box has gone.
    bool Answer(const MessageBoxSeen& box, int buttonId, Duration timeout = kDefaultTimeout);
    // Both at once: waits for the box, answers it, and tells what it showed.
    std::optional<DialogContent> AnswerMessageBox(int buttonId, Duration timeout = kDefaultTimeout);

    // The exit code once the program has ended; nothing when it still runs after the time.
    std::optional<DWORD> WaitForExit(Duration timeout = kDefaultTimeout);
    // Ends the program now (exit code 1) and waits for it to be gone.
    void Terminate();

private:
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};
