// Measures the program as a user meets it, beside Wine's notepad in the same
// run: the time from start to a visible window, the processor time it takes
// while a hover description waits and during the closing second, and its peak
// memory at rest. Prints one "name ours reference" line per figure.
#include "Installation.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Processor time the process has used so far, in milliseconds.
double ProcessorMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

double PeakMemoryMiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {sizeof(counters)};
    GetProcessMemoryInfo(process, &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0;
}

// Processor share of the process over a stretch of wall time, in per cent.
template <typename During> double ProcessorShare(HANDLE process, During during) {
    const double before = ProcessorMs(process);
    const auto start = Clock::now();
    during();
    return 100.0 * (ProcessorMs(process) - before) / Milliseconds(Clock::now() - start);
}

struct Notepad {
    UniqueKernelHandle process;
    DWORD id = 0;
    double startMs = 0;
};

Notepad StartNotepad() {
    Notepad notepad;
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION started = {};
    wchar_t command[] = L"notepad.exe";
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return notepad;
    CloseHandle(started.hThread);
    notepad.process.reset(started.hProcess);
    notepad.id = started.dwProcessId;
    WaitUntil([&] { return !TopLevelWindows(notepad.id, L"Notepad").empty(); }, 15s, 1ms);
    notepad.startMs = Milliseconds(Clock::now() - start);
    return notepad;
}

void EndNotepad(Notepad& notepad) {
    TerminateProcess(notepad.process.get(), 0);
    WaitForSingleObject(notepad.process.get(), 5000);
}

} // namespace

int main() {
    constexpr int kRounds = 5;
    std::vector<double> ours, theirs;
    for (int round = 0; round < kRounds; ++round) {
        Scenario scenario;
        InstallProgramWithErunt(scenario);
        const auto start = Clock::now();
        RunningProgram program = scenario.Start();
        WaitUntil([&] { return !TopLevelWindows(program.Id(), L"HivoraRoot").empty(); }, 15s, 1ms);
        ours.push_back(Milliseconds(Clock::now() - start));
        Notepad notepad = StartNotepad();
        theirs.push_back(notepad.startMs);
        EndNotepad(notepad);
    }
    std::printf("startup_ms %.0f %.0f\n", Median(ours), Median(theirs));

    Scenario scenario;
    InstallProgramWithErunt(scenario);
    RunningProgram program = scenario.Start();
    const HWND main = program.MainWindow();
    Notepad notepad = StartNotepad();
    Sleep(2000);
    std::printf("rest_memory_mib %.1f %.1f\n", PeakMemoryMiB(program.Process()), PeakMemoryMiB(notepad.process.get()));

    MoveMouseAway();
    const double idle = ProcessorShare(notepad.process.get(), [] { Sleep(2000); });
    MoveMouseTo(main, CentreInParent(program.Control(IDC_BOPTIMIERUNG)));
    const double hover = ProcessorShare(program.Process(), [] { Sleep(2000); });
    std::printf("hover_cpu_percent %.2f %.2f\n", hover, idle);
    EndNotepad(notepad);

    const double before = ProcessorMs(program.Process());
    const auto clicked = Clock::now();
    ClickAt(main, CentreInParent(program.Control(IDC_BOPTIMIERUNG)));
    program.WaitForExit(10s);
    const double closing = 100.0 * (ProcessorMs(program.Process()) - before) / Milliseconds(Clock::now() - clicked);
    std::printf("closing_cpu_percent %.2f %.2f\n", closing, idle);
    return 0;
}
