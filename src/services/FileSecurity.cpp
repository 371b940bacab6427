#include "services/FileSecurity.h"

#include "services/UniqueHandle.h"
#include "services/WinSystemInfo.h"

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr ACCESS_MASK kTakeOver = DELETE | FILE_DELETE_CHILD | WRITE_DAC | WRITE_OWNER;
constexpr ACCESS_MASK kChangeRights = kTakeOver | FILE_WRITE_DATA | FILE_APPEND_DATA;

// Whom an administrator's full rights need not fear: Administrators, SYSTEM and
// TrustedInstaller; and CREATOR OWNER and OWNER RIGHTS, whose entries are the
// owner's, who is judged alone.
const std::vector<UniqueLocalMemory>& PrivilegedSids() {
    static const std::vector<UniqueLocalMemory> sids = [] {
        std::vector<UniqueLocalMemory> made;
        for (const wchar_t* text :
             {L"S-1-5-32-544", L"S-1-5-18", L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",
              L"S-1-3-0", L"S-1-3-4"}) {
            PSID sid = nullptr;
            if (ConvertStringSidToSidW(text, &sid))
                made.emplace_back(sid);
        }
        return made;
    }();
    return sids;
}

bool Privileged(PSID sid, PSID self) {
    const auto& sids = PrivilegedSids();
    return (self && EqualSid(sid, self)) ||
           std::any_of(sids.begin(), sids.end(),
                       [sid](const UniqueLocalMemory& known) { return EqualSid(sid, known.get()); });
}

// An allowing or denying entry, which share this layout; none for other kinds of entry. False when the
// entry cannot be read: it may allow anything.
bool ReadEntry(PACL dacl, DWORD index, const ACCESS_ALLOWED_ACE*& ace, bool& allows) {
    ACE_HEADER* header = nullptr;
    if (!GetAce(dacl, index, reinterpret_cast<void**>(&header)))
        return false;
    allows = header->AceType == ACCESS_ALLOWED_ACE_TYPE;
    // An entry only for what a folder's new files and folders inherit does not apply to the folder itself.
    const bool applies =
        (allows || header->AceType == ACCESS_DENIED_ACE_TYPE) && !(header->AceFlags & INHERIT_ONLY_ACE);
    ace = applies ? reinterpret_cast<const ACCESS_ALLOWED_ACE*>(header) : nullptr;
    return true;
}

// What the DACL lets a token holding only this account or group do.
ACCESS_MASK Granted(PACL dacl, PSID sid) {
    GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
    ACCESS_MASK granted = 0, denied = 0;
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        const ACCESS_ALLOWED_ACE* ace = nullptr;
        bool allows = false;
        if (!ReadEntry(dacl, index, ace, allows))
            return FILE_ALL_ACCESS;
        if (!ace || !EqualSid(const_cast<DWORD*>(&ace->SidStart), sid))
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

bool OthersMayChangeAt(const std::wstring& path, PSID self, Reach reach) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error =
        GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, nullptr, nullptr, &descriptor);
    const UniqueLocalMemory owned(descriptor);
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return false;
    return error != ERROR_SUCCESS || OthersMayChange(descriptor, self, reach);
}

// How much of a full path is its drive's root: "C:\", or "\\server\share\".
size_t RootLength(const std::wstring& path) {
    if (path.rfind(L"\\\\", 0) != 0)
        return std::min<size_t>(3, path.size());
    const size_t share = path.find(L'\\', 2);
    const size_t end = share == std::wstring::npos ? share : path.find(L'\\', share + 1);
    return end == std::wstring::npos ? path.size() : end + 1;
}

} // namespace

bool OthersMayChange(PSECURITY_DESCRIPTOR descriptor, PSID self, Reach reach) {
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    PSID owner = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted) || !present || !dacl ||
        !GetSecurityDescriptorOwner(descriptor, &owner, &defaulted))
        return true;
    // An owner may always change the permissions.
    if (owner && !Privileged(owner, self))
        return true;
    const ACCESS_MASK rights = reach == Reach::Place ? kChangeRights : kTakeOver;
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        const ACCESS_ALLOWED_ACE* ace = nullptr;
        bool allows = false;
        if (!ReadEntry(dacl, index, ace, allows))
            return true;
        PSID sid = ace ? const_cast<DWORD*>(&ace->SidStart) : nullptr;
        if (ace && allows && !Privileged(sid, self) && Granted(dacl, sid) & rights)
            return true;
    }
    return false;
}

std::wstring OpenPlace(std::initializer_list<std::wstring> paths) {
    const std::vector<BYTE> user = ProcessTokenUser();
    PSID self = user.empty() ? nullptr : reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    // Folders judged already, each with every folder above it: a file's folder and the folders above it
    // are the same for its neighbours.
    std::vector<std::wstring> judged;
    for (const std::wstring& path : paths) {
        if (path.empty()) // names nothing
            continue;
        std::wstring place(MAX_PATH, L'\0');
        for (DWORD length = 0; (length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(place.size()), place.data(),
                                                          nullptr)) >= place.size();)
            place.resize(length);
        place.resize(wcslen(place.c_str()));
        if (place.empty())
            return path;
        const size_t root = RootLength(place);
        for (Reach reach = Reach::Place;; reach = Reach::FolderAbove) {
            // As a place a folder is judged more strictly than as a folder above.
            if (reach == Reach::FolderAbove && std::find(judged.begin(), judged.end(), place) != judged.end())
                break;
            if (OthersMayChangeAt(place, self, reach))
                return place;
            judged.push_back(place);
            const size_t above = place.find_last_of(L'\\');
            if (place.size() <= root || above == std::wstring::npos)
                break;
            place.resize(std::max(above, root));
        }
    }
    return {};
}
