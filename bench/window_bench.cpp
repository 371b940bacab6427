// Measures the program as a user meets it, beside references taken in the same
// run: the time from start to a visible window (next to Wine's notepad and a bare
// window of the same toolchain), its peak memory at rest, and its processor share
// while a hover description waits. Prints one "name ours references..." line per figure.
#include "Harness.h"
#include "resource.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A started program, ended when this goes.
struct Started {
    UniqueKernelHandle process;
    DWORD id = 0;
    double startMs = 0;
    ~Started() {
        TerminateProcess(process.get(), 0);
        WaitForSingleObject(process.get(), 5000);
    }
};

// Starts a program and waits until its window of this class is visible.
Started Launch(std::wstring command, const std::wstring& folder, const wchar_t* className) {
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION started = {};
    const auto begin = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return {};
    const UniqueKernelHandle thread(started.hThread);
    // One program runs at a time, so its class names its window.
    while (!IsWindowVisible(FindWindowW(className, nullptr)) && Clock::now() - begin < 15s)
        Sleep(1);
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    return {UniqueKernelHandle(started.hProcess), started.dwProcessId, elapsed};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double PeakMemoryMiB(const Started& program) {
    PROCESS_MEMORY_COUNTERS counters = {sizeof(counters)};
    GetProcessMemoryInfo(program.process.get(), &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0;
}

// The processor time the program takes during two seconds, in per cent of them.
double ProcessorShare(const Started& program) {
    const auto used = [&] { // in 100 ns
        FILETIME created, exited, kernel, user;
        GetProcessTimes(program.process.get(), &created, &exited, &kernel, &user);
        return 4294967296.0 * (kernel.dwHighDateTime + user.dwHighDateTime) + kernel.dwLowDateTime + user.dwLowDateTime;
    };
    const double before = used();
    Sleep(2000);
    return (used() - before) / 200000.0;
}

} // namespace

int main() {
    Scenario scenario;
    const std::wstring program = L"\"" + scenario.Program() + L"\"";
    const std::wstring bare = L"\"" + BuildPath(HIVORA_BARE_WINDOW_PATH) + L"\"";
    std::vector<double> ours, notepad, bareWindow;
    for (int round = 0; round < 11; ++round) {
        ours.push_back(Launch(program, scenario.Path(), L"HivoraRoot").startMs);
        notepad.push_back(Launch(L"notepad.exe", {}, L"Notepad").startMs);
        bareWindow.push_back(Launch(bare, {}, L"HivoraBare").startMs);
    }
    std::printf("startup_ms %.0f %.0f %.0f\n", Median(ours), Median(notepad), Median(bareWindow));

    const Started hivora = Launch(program, scenario.Path(), L"HivoraRoot");
    const Started notes = Launch(L"notepad.exe", {}, L"Notepad");
    Sleep(2000);
    std::printf("rest_memory_mib %.1f %.1f\n", PeakMemoryMiB(hivora), PeakMemoryMiB(notes));

    SetCursorPos(0, 0);
    const double idle = ProcessorShare(notes);
    RECT button;
    GetWindowRect(GetDlgItem(FindWindowW(L"HivoraRoot", nullptr), IDC_BOPTIMIERUNG), &button);
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    std::printf("hover_cpu_percent %.2f %.2f\n", ProcessorShare(hivora), idle);
    return 0;
}
