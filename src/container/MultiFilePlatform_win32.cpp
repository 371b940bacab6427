#include "container/MultiFilePlatform.h"

#include <algorithm>

#include <windows.h>

// Headers set for XP leave out this Vista flag; it is passed only under a UTF-8
// code page, which no Windows before 10 has.
#ifndef WC_ERR_INVALID_CHARS
#define WC_ERR_INVALID_CHARS 0x00000080
#endif

namespace MultiFilePlatform {

namespace {

// Windows reads and writes at most 4 GiB less one byte per call; stay well below.
constexpr size_t LargestTransfer = size_t{1} << 30;

HANDLE AsHandle(intptr_t Handle) {
    return reinterpret_cast<HANDLE>(Handle);
}

std::optional<std::wstring> AnsiToWide(const std::string& Text) {
    if (Text.empty())
        return std::wstring();
    const int length = static_cast<int>(Text.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, Text.data(), length, nullptr, 0);
    if (wideLength <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, Text.data(), length, wide.data(), wideLength);
    return wide;
}

DWORD Attributes(const Path& FilePath) {
    return GetFileAttributesW(FilePath.c_str());
}

} // namespace

std::optional<Path> FullPath(const Path& RelativeOrFull) {
    const DWORD length = GetFullPathNameW(RelativeOrFull.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return std::nullopt;
    Path full(length, L'\0');
    const DWORD written = GetFullPathNameW(RelativeOrFull.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length)
        return std::nullopt;
    full.resize(written);
    return full;
}

bool FileExists(const Path& FilePath) {
    const DWORD attributes = Attributes(FilePath);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool FolderExists(const Path& FolderPath) {
    const DWORD attributes = Attributes(FolderPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void RemoveFile(const Path& FilePath) {
    DeleteFileW(FilePath.c_str());
}

bool Rename(const Path& From, const Path& To) {
    return MoveFileExW(From.c_str(), To.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::optional<std::string> FileNameToAnsi(const Path& FileName) {
    if (FileName.empty())
        return std::string();
    // No best-fit mapping: "é" must not quietly become "e", and the name must turn back into the same file.
    // A UTF-8 code page takes neither the flag nor the default-character report.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultReport = utf8 ? nullptr : &usedDefault;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int length = static_cast<int>(FileName.size());
    const int ansiLength =
        WideCharToMultiByte(CP_ACP, flags, FileName.data(), length, nullptr, 0, nullptr, usedDefaultReport);
    if (ansiLength <= 0 || usedDefault)
        return std::nullopt;
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, flags, FileName.data(), length, ansi.data(), ansiLength, nullptr, usedDefaultReport);
    return ansi;
}

std::optional<Path> AnsiToFileName(const std::string& Name) {
    auto wide = AnsiToWide(Name);
    // The code page conversion must not produce a folder part or a drive either.
    if (!wide || wide->find_first_of(L"\\/:") != std::wstring::npos)
        return std::nullopt;
    return wide;
}

bool SameFile(const Path& First, const Path& Second) {
    BY_HANDLE_FILE_INFORMATION first = {};
    BY_HANDLE_FILE_INFORMATION second = {};
    const auto identify = [](const Path& FilePath, BY_HANDLE_FILE_INFORMATION& Information) {
        const HANDLE file = CreateFileW(FilePath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const bool known = GetFileInformationByHandle(file, &Information) != 0;
        CloseHandle(file);
        return known;
    };
    return identify(First, first) && identify(Second, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

bool AnsiNamesEqualIgnoringCase(const std::string& First, const std::string& Second) {
    auto first = AnsiToWide(First);
    auto second = AnsiToWide(Second);
    if (!first || !second || first->size() != second->size())
        return false;
    // The system's upper-casing covers the code page's accented letters, as the file system does.
    CharUpperBuffW(first->data(), static_cast<DWORD>(first->size()));
    CharUpperBuffW(second->data(), static_cast<DWORD>(second->size()));
    return *first == *second;
}

File::File(const Path& FilePath, Access Mode)
    : Handle(reinterpret_cast<intptr_t>(
          Mode == Access::Read ? CreateFileW(FilePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)
                               : CreateFileW(FilePath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr))) {}

File::~File() {
    Close();
}

bool File::IsOpen() const {
    return AsHandle(Handle) != INVALID_HANDLE_VALUE;
}

std::optional<int64_t> File::Length() const {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(AsHandle(Handle), &length))
        return std::nullopt;
    return length.QuadPart;
}

bool File::ReadAt(int64_t Offset, char* Buffer, size_t Count) const {
    while (Count > 0) {
        OVERLAPPED position{};
        position.Offset = static_cast<DWORD>(Offset);
        position.OffsetHigh = static_cast<DWORD>(Offset >> 32);
        DWORD read = 0;
        if (!ReadFile(AsHandle(Handle), Buffer, static_cast<DWORD>(std::min(Count, LargestTransfer)), &read,
                      &position) ||
            read == 0)
            return false;
        Buffer += read;
        Offset += read;
        Count -= read;
    }
    return true;
}

bool File::Append(const char* Buffer, size_t Count) {
    while (Count > 0) {
        DWORD written = 0;
        if (!WriteFile(AsHandle(Handle), Buffer, static_cast<DWORD>(std::min(Count, LargestTransfer)), &written,
                       nullptr) ||
            written == 0)
            return false;
        Buffer += written;
        Count -= written;
    }
    return true;
}

bool File::AppendFrom(const File& From, int64_t Offset, int64_t Count, char* Buffer, size_t BufferSize) {
    return AppendThroughBuffer(From, Offset, Count, Buffer, BufferSize);
}

bool File::Close() {
    if (!IsOpen())
        return true;
    const bool closed = CloseHandle(AsHandle(Handle)) != 0;
    Handle = reinterpret_cast<intptr_t>(INVALID_HANDLE_VALUE);
    return closed;
}

} // namespace MultiFilePlatform
