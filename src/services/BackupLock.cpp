#include "services/BackupLock.h"

bool BackupLock::Take() {
    SetLastError(ERROR_SUCCESS);
    object_.reset(CreateMutexW(nullptr, FALSE, L"Global\\Hivora Registrierungssicherung"));
    const DWORD error = GetLastError();
    // Made by another account, it may be closed to this one: it exists all the same.
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
        object_.reset();
        return false;
    }
    return true;
}

void BackupLock::HandTo(HANDLE process) const {
    HANDLE held = nullptr;
    if (object_ && process)
        DuplicateHandle(GetCurrentProcess(), object_.get(), process, &held, 0, FALSE, DUPLICATE_SAME_ACCESS);
}
