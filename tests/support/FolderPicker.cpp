#include "FolderPicker.h"

#include "Dialogs.h"
#include "services/UniqueHandle.h"

#include <commctrl.h>
#include <shlobj.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

HWND FolderTree(HWND dialog) {
    return FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
}

// Memory in the other process, for messages that carry a pointer.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t bytes)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    char* Address() const { return static_cast<char*>(address_); }
    bool Write(size_t offset, const void* data, size_t bytes) const {
        return WriteProcessMemory(process_, Address() + offset, data, bytes, nullptr) != 0;
    }
    bool Read(size_t offset, void* data, size_t bytes) const {
        return ReadProcessMemory(process_, Address() + offset, data, bytes, nullptr) != 0;
    }

private:
    HANDLE process_;
    void* address_;
};

// The text of the tree's selected item, read through the other process's memory.
std::wstring SelectedItemText(HWND tree, const RemoteBuffer& buffer) {
    const auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!selected)
        return {};
    constexpr int kTextLength = MAX_PATH;
    TVITEMW item = {};
    item.mask = TVIF_TEXT;
    item.hItem = selected;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.Address() + sizeof(TVITEMW));
    item.cchTextMax = kTextLength;
    if (!buffer.Write(0, &item, sizeof(item)) ||
        !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.Address())))
        return {};
    wchar_t text[kTextLength] = {};
    buffer.Read(sizeof(TVITEMW), text, sizeof(text));
    text[kTextLength - 1] = L'\0';
    return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && _wcsicmp(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

} // namespace

bool WaitForFolderTree(HWND dialog) {
    const HWND tree = FolderTree(dialog);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!tree || SendMessageW(tree, TVM_GETCOUNT, 0, 0) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(50ms);
    }
    std::this_thread::sleep_for(200ms);
    return true;
}

bool ChooseFolder(HWND dialog, DWORD processId, const std::wstring& folder) {
    // The dialog reads the path from its own address space, so it is put there first.
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process || !WaitForFolderTree(dialog))
        return false;
    const size_t pathBytes = (folder.size() + 1) * sizeof(wchar_t);
    const RemoteBuffer path(process.get(), pathBytes);
    const RemoteBuffer item(process.get(), sizeof(TVITEMW) + MAX_PATH * sizeof(wchar_t));
    if (!path || !item || !path.Write(0, folder.c_str(), pathBytes))
        return false;
    // A dialog still busy with its shell folders may miss the first request; it is repeated
    // until the tree shows the folder selected.
    const std::wstring name = folder.substr(folder.find_last_of(L'\\') + 1);
    for (int attempt = 0; attempt < 20; ++attempt) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.Address()));
        if (EndsWith(SelectedItemText(FolderTree(dialog), item), name)) {
            PressButton(dialog, IDOK);
            return true;
        }
        std::this_thread::sleep_for(250ms);
    }
    return false;
}
