#include "cleanup/CleanupButton.h"

#include "services/MessagePump.h"
#include "ui/ActionHost.h"

void bBereinigung_Click(ActionHost& host) {
    host.State().cleanupRequested = true;
    DoEvents();
    host.ShowCleanupWindow();
    host.Wait(1);
    DoEvents();
    if (host.State().copiesRemoved != 0)
        host.EndProgram(0);
}
