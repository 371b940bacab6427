#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The few things the container needs that differ between Windows and other systems.
namespace MultiFilePlatform {

// A path in the system's own form: wide on Windows, which names files in UTF-16, bytes elsewhere.
#ifdef _WIN32
using Path = std::wstring;
inline constexpr wchar_t Separator = L'\\';
#else
using Path = std::string;
inline constexpr char Separator = '/';
#endif

// Whether the character ends a folder part of a path; Windows takes "/" as well as its own.
inline bool IsSeparator(Path::value_type Character) {
    return Character == Separator || Character == '/';
}
// Folder and name joined by the separator, which is not doubled when the folder ends in one already.
Path Join(const Path& Folder, const Path& Name);

// The path made absolute against the current folder; no value when the system cannot do so.
std::optional<Path> FullPath(const Path& RelativeOrFull);
// A regular file without the hidden and system attributes: other files count as missing, both as files to queue
// and as containers.
bool FileExists(const Path& FilePath);
bool FolderExists(const Path& FolderPath);
// Removes a file if there is one.
void RemoveFile(const Path& FilePath);
// Moves From over To, replacing a file there.
bool Rename(const Path& From, const Path& To);
// True when both paths name one existing file, whatever their spelling (letter case, short names, links).
bool SameFile(const Path& First, const Path& Second);

// The ANSI code page bytes of a file name; no value when the name has a character the code page cannot hold.
std::optional<std::string> FileNameToAnsi(const Path& FileName);
// The file name for a member name of ANSI code page bytes; no value when the bytes are not valid there or do not
// turn into a name without a folder part.
std::optional<Path> AnsiToFileName(const std::string& Name);

// Member names are matched the way the file system matches names: without regard to letter case.
bool AnsiNamesEqualIgnoringCase(const std::string& First, const std::string& Second);

// An open file, unbuffered: callers read and write in large blocks. Closed when destroyed.
class File {
public:
    enum class Access { Read, Create };
    // Create makes a new file and fails where the name is taken, so a file or link planted there is never
    // written through; callers remove the old file first. IsOpen tells whether opening worked.
    File(const Path& FilePath, Access Mode);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool IsOpen() const;
    std::optional<int64_t> Length() const;
    // Exactly Count bytes from Offset, or false.
    bool ReadAt(int64_t Offset, char* Buffer, size_t Count) const;
    bool Append(const char* Buffer, size_t Count);
    // Appends Count bytes of From starting at Offset; Buffer serves where the system cannot copy by itself.
    bool AppendFrom(const File& From, int64_t Offset, int64_t Count, char* Buffer, size_t BufferSize);
    // Reports a failure that only closing reveals.
    bool Close();

private:
    // The copy through the caller's buffer, for systems or files that cannot copy by themselves.
    bool AppendThroughBuffer(const File& From, int64_t Offset, int64_t Count, char* Buffer, size_t BufferSize);

    intptr_t Handle;
};

} // namespace MultiFilePlatform
