#include "services/BrowseFolders2k.h"

#include "services/Com.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>

namespace {

struct CoTaskMemDeleter {
    void operator()(void* memory) const noexcept { CoTaskMemFree(memory); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, CoTaskMemDeleter>;

} // namespace

std::wstring FolderFromChoice(std::wstring_view displayTitle, std::wstring_view shellPath) {
    // The path the shell reports comes first: some shells title every folder
    // with its full path ("C:\Tools"), and the colon would then turn any
    // choice into its drive. A drive the shell gives no path for is still
    // found by the "(C:)" in its title.
    if (!shellPath.empty())
        return std::wstring(shellPath);
    const size_t colon = displayTitle.find(L':');
    if (colon != std::wstring_view::npos && colon > 0)
        return std::wstring(1, displayTitle[colon - 1]) + L":\\";
    return {};
}

std::wstring BrowseFolder(HWND owner, int root) {
    // The folder dialog needs COM on this thread.
    const ComApartment apartment;
    PIDLIST_ABSOLUTE rootItems = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, root, &rootItems)))
        rootItems = nullptr;
    const UniqueItemList rootOwner(rootItems);

    wchar_t title[MAX_PATH] = {};
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.pidlRoot = rootItems;
    info.pszDisplayName = title;
    info.lpszTitle = L"Bitte wählen Sie den gewünschten Zielordner ...";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const UniqueItemList chosen(SHBrowseForFolderW(&info));
    if (!chosen)
        return {};

    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.get(), path))
        path[0] = L'\0';
    return FolderFromChoice(title, path);
}
