#include "services/Rights.h"

#include "services/AppPaths.h"
#include "services/UniqueHandle.h"
#include "services/WindowsVersion.h"

#include <shellapi.h>

Rights RightsOf(bool vistaOrLater, bool elevated, bool administrator) {
    if (administrator && (elevated || !vistaOrLater))
        return Rights::Full;
    return vistaOrLater ? Rights::Elevatable : Rights::None;
}

Rights ProcessRights() {
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    BOOL member = FALSE;
    if (AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                 &administrators)) {
        if (!CheckTokenMembership(nullptr, administrators, &member))
            member = FALSE;
        FreeSid(administrators);
    }
    // Windows XP does not know the question and answers with an error.
    UniqueKernelHandle token;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const bool elevated = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()) &&
                          GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size) &&
                          elevation.TokenIsElevated;
    return RightsOf(WindowsVersion().dwMajorVersion >= 6, elevated, member != FALSE);
}

unsigned long RestartWithFullRights(const std::wstring& arguments) {
    const std::wstring program = ProgramPath(), folder = ProgramFolder();
    SHELLEXECUTEINFOW start = {sizeof(start)};
    start.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    start.lpVerb = L"runas";
    start.lpFile = program.c_str();
    start.lpParameters = arguments.c_str();
    start.lpDirectory = folder.c_str();
    start.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&start) ? ERROR_SUCCESS : GetLastError();
}
