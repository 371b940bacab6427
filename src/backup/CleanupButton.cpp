#include "backup/CleanupButton.h"

#include "app/Root.h"
#include "services/MessagePump.h"
#include "settings/Settings.h"

void bBereinigung_Click(Root& root) {
    // An idle, enabled main window tells the clean-up window to clean up fully.
    root.SetBusyMarker(L"0");
    EnableWindow(root.Handle(), TRUE);
    root.SetTag(IDC_BBEREINIGUNG, L"1");
    DoEvents();
    root.CleanupWindow().ShowModal();
    root.Sleep(1);
    DoEvents();
    if (NumberValue(root.Tag(IDC_BOPTIMIERUNG)) != 0)
        root.AppCloses();
}
