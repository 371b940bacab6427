#pragma once
// A 32-bit program on 64-bit Windows sees the 32-bit system folder under the
// name of the real one. Where Windows offers no "Sysnative" alias (64-bit XP,
// Server 2003 without its update), the real folder is reached only with the
// redirection turned off.
#include <windows.h>

// Turns the redirection off for the calling thread while it lives, when asked
// to and the system has the functions for it; restores it on every path.
// Keep its life short: every file the thread opens meanwhile, DLLs included,
// comes from the 64-bit system folder, so no window messages may run under it.
class FileSystemRedirectionOff {
public:
    explicit FileSystemRedirectionOff(bool wanted);
    ~FileSystemRedirectionOff();
    FileSystemRedirectionOff(const FileSystemRedirectionOff&) = delete;
    FileSystemRedirectionOff& operator=(const FileSystemRedirectionOff&) = delete;

private:
    PVOID previous_ = nullptr;
    bool off_ = false;
};
