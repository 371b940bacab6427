// Measures the program as a user meets it, beside Wine's notepad in the same run:
// the time from start to a visible window (also beside a bare window built the
// same way, with and without AUTOBACK in the program's folder, and beside that
// window with the program's common controls), its peak memory
// at rest, and its processor share while a hover description waits. Prints one
// "name ours reference" line per figure.
#include "Harness.h"
#include "resource.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Ends the program held, starts another in its place and answers the milliseconds until its window
// of this class is visible.
double StartToWindow(std::optional<Program>& program, const std::wstring& path, const wchar_t* className) {
    program.reset();
    const auto begin = Clock::now();
    program.emplace(path);
    // One program runs at a time, so its class names its window.
    WaitFor([&] { return IsWindowVisible(FindWindowW(className, nullptr)); }, 15000, 1);
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double PeakMemoryMiB(const Program& program) {
    PROCESS_MEMORY_COUNTERS counters = {sizeof(counters)};
    GetProcessMemoryInfo(program.Process(), &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0;
}

// The processor time the program takes during two seconds, in per cent of them.
double ProcessorShare(const Program& program) {
    const auto used = [&] { // in 100 ns
        FILETIME created, exited, kernel, user;
        GetProcessTimes(program.Process(), &created, &exited, &kernel, &user);
        return 4294967296.0 * (kernel.dwHighDateTime + user.dwHighDateTime) + kernel.dwLowDateTime + user.dwLowDateTime;
    };
    const double before = used();
    Sleep(2000);
    return (used() - before) / 200000.0;
}

} // namespace

int main() {
    // Without AUTOBACK the start asks the Task Scheduler whether the automatic backup is on.
    Scenario scenario, withAutoback({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE"});
    const std::wstring notepad = SystemDirectory() + L"\\notepad.exe";
    const std::wstring bare = BuildPath(HIVORA_BARE_WINDOW_PATH);
    const std::wstring bareCommonControls = BuildPath(HIVORA_BARE_COMMON_CONTROLS_PATH);
    // Interleaved, so that a slower moment of the machine falls on every kind of start alike, and in
    // turns, so that no kind always follows the same one.
    std::vector<double> ours, oursWithAutoback, bares, baresCommonControls, notepads;
    const struct {
        std::vector<double>& times;
        std::wstring path;
        const wchar_t* className;
    } kinds[] = {{bares, bare, L"HivoraBareWindow"},
                 {baresCommonControls, bareCommonControls, L"HivoraBareWindow"},
                 {oursWithAutoback, withAutoback.Program(), L"HivoraRoot"},
                 {ours, scenario.Program(), L"HivoraRoot"},
                 {notepads, notepad, L"Notepad"}};
    for (size_t round = 0; round < 32; ++round) {
        std::optional<Program> program;
        for (size_t turn = 0; turn < std::size(kinds); ++turn) {
            const auto& kind = kinds[(round + turn) % std::size(kinds)];
            kind.times.push_back(StartToWindow(program, kind.path, kind.className));
        }
    }
    std::printf("startup_ms %.1f %.1f\n", Median(ours), Median(notepads));
    std::printf("startup_bare_ms %.1f %.1f\n", Median(oursWithAutoback), Median(bares));
    std::printf("startup_bare_without_autoback_ms %.1f %.1f\n", Median(ours), Median(bares));
    std::printf("startup_common_controls_ms %.1f %.1f\n", Median(oursWithAutoback), Median(baresCommonControls));

    std::optional<Program> hivora, notes;
    StartToWindow(hivora, scenario.Program(), L"HivoraRoot");
    StartToWindow(notes, notepad, L"Notepad");
    Sleep(2000);
    std::printf("rest_memory_mib %.1f %.1f\n", PeakMemoryMiB(*hivora), PeakMemoryMiB(*notes));

    SetCursorPos(0, 0);
    const double idle = ProcessorShare(*notes);
    RECT button;
    GetWindowRect(hivora->Control(IDC_BOPTIMIERUNG), &button);
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    std::printf("hover_cpu_percent %.2f %.2f\n", ProcessorShare(*hivora), idle);
    return 0;
}
