#include "services/FileSystemRedirection.h"
#include "services/KernelFunction.h"

FileSystemRedirectionOff::FileSystemRedirectionOff(bool wanted) {
    if (!wanted)
        return;
    using Disable = BOOL(WINAPI*)(PVOID*);
    if (const auto disable = KernelFunction<Disable>("Wow64DisableWow64FsRedirection"))
        off_ = disable(&previous_) != FALSE;
}

FileSystemRedirectionOff::~FileSystemRedirectionOff() {
    if (!off_)
        return;
    using Revert = BOOL(WINAPI*)(PVOID);
    if (const auto revert = KernelFunction<Revert>("Wow64RevertWow64FsRedirection"))
        revert(previous_);
}
