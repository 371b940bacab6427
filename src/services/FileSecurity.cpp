#include "services/FileSecurity.h"

#include "services/UniqueHandle.h"

#include <aclapi.h>

namespace {

constexpr WELL_KNOWN_SID_TYPE kEveryAccount[] = {WinWorldSid, WinAuthenticatedUserSid, WinBuiltinUsersSid,
                                                 WinInteractiveSid};
constexpr ACCESS_MASK kChangeRights =
    FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD | DELETE | WRITE_DAC | WRITE_OWNER;

// What the DACL lets a token holding only this group do.
ACCESS_MASK Granted(PACL dacl, PSID group) {
    GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
    ACCESS_MASK granted = 0, denied = 0;
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        ACE_HEADER* header = nullptr;
        if (!GetAce(dacl, index, reinterpret_cast<void**>(&header)))
            return FILE_ALL_ACCESS; // what cannot be read may allow anything
        // An allowing and a denying entry share this layout.
        auto* ace = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
        const bool allows = header->AceType == ACCESS_ALLOWED_ACE_TYPE;
        // An entry only for what a folder's new files and folders inherit does not apply to the folder itself.
        if ((!allows && header->AceType != ACCESS_DENIED_ACE_TYPE) || header->AceFlags & INHERIT_ONLY_ACE ||
            !EqualSid(&ace->SidStart, group))
            continue;
        ACCESS_MASK rights = ace->Mask;
        MapGenericMask(&rights, &mapping);
        if (allows)
            granted |= rights & ~denied;
        else
            denied |= rights & ~granted;
    }
    return granted;
}

} // namespace

bool EveryAccountMayChange(PSECURITY_DESCRIPTOR descriptor) {
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    PSID owner = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted) || !present || !dacl ||
        !GetSecurityDescriptorOwner(descriptor, &owner, &defaulted))
        return true;
    for (const WELL_KNOWN_SID_TYPE type : kEveryAccount) {
        BYTE group[SECURITY_MAX_SID_SIZE];
        DWORD size = sizeof(group);
        // An owner may always change the permissions.
        if (!CreateWellKnownSid(type, nullptr, group, &size) || (owner && EqualSid(owner, group)) ||
            Granted(dacl, group) & kChangeRights)
            return true;
    }
    return false;
}

bool EveryAccountMayChange(const std::wstring& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error =
        GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, nullptr, nullptr, &descriptor);
    const UniqueLocalMemory owned(descriptor);
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return false;
    return error != ERROR_SUCCESS || EveryAccountMayChange(descriptor);
}
