#include "app/Root.h"
#include "services/Loader.h"
#include "services/MessagePump.h"

#include <windows.h>
#include <commctrl.h>

// The program ends in one place: here, when the message loop meets the quit
// request whose code the ending action gave.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    RestrictDllSearch();
    const INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Root root;
    if (!root.Create(instance))
        return 1;
    if (!root.Ending())
        root.Show(showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchWithNavigation(message);
    }
    return static_cast<int>(message.wParam);
}
