#include "services/Loader.h"

#include "services/KernelFunction.h"

#include <atomic>

void RestrictDllSearch() {
    using SetDllDirectory = BOOL(WINAPI*)(LPCWSTR);
    if (const auto setDllDirectory = KernelFunction<SetDllDirectory>("SetDllDirectoryW"))
        setDllDirectory(L"");
    using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    if (const auto setDefault = KernelFunction<SetDefaultDllDirectories>("SetDefaultDllDirectories"))
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

#ifdef __MINGW32__
// MinGW's threads library, linked in statically, imports GetTickCount64, which
// XP lacks. Its import slot is filled here instead: the linker meets this
// definition before the system's import library and takes it.
namespace {

ULONGLONG WINAPI TickCount64() {
    using Function = ULONGLONG(WINAPI*)();
    if (const auto system = KernelFunction<Function>("GetTickCount64"))
        return system();
    // GetTickCount starts again at zero every 49.7 days; count the restarts seen between calls.
    static std::atomic<ULONGLONG> last{0};
    ULONGLONG previous = last.load();
    for (;;) {
        ULONGLONG now = (previous & ~ULONGLONG{0xFFFFFFFF}) | GetTickCount();
        if (now < previous)
            now += ULONGLONG{1} << 32;
        if (last.compare_exchange_weak(previous, now))
            return now;
    }
}

} // namespace

#ifdef _WIN64
#define HIVORA_TICK_COUNT_64_SLOT "__imp_GetTickCount64"
#else
#define HIVORA_TICK_COUNT_64_SLOT "__imp__GetTickCount64@0"
#endif
extern "C" ULONGLONG(WINAPI* const tickCount64Slot)() __asm__(HIVORA_TICK_COUNT_64_SLOT) = TickCount64;
#endif
