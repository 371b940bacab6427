#include "services/WindowsVersion.h"

OSVERSIONINFOW WindowsVersion() {
    OSVERSIONINFOW version = {sizeof(version)};
#ifdef _MSC_VER
#pragma warning(suppress : 4996) // the platform id and the version number are all that is asked
#endif
    GetVersionExW(&version);
    return version;
}
