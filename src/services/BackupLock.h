#pragma once
// One backup of the registry at a time on this computer, across accounts and
// sessions: two ERUNTs writing into one folder empty it under each other. The
// lock is a named object of the global namespace, which lives as long as a
// handle to it is open; a backup tool started under it gets a handle of its own,
// so the backup holds it until the tool ends, whenever this program ends.
#include "services/UniqueHandle.h"

class BackupLock {
public:
    // Takes the lock; false while another backup holds it.
    bool Take();
    // The started tool holds the lock too, until it ends.
    void HandTo(HANDLE process) const;

private:
    UniqueKernelHandle object_;
};
