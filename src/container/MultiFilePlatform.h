#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// The few things the container needs that differ between Windows and other systems.
namespace MultiFilePlatform {

// The ANSI code page bytes of a file name; no value when the name has a character the code page cannot hold.
std::optional<std::string> FileNameToAnsi(const std::filesystem::path& FileName);

// The path component for a member name of ANSI code page bytes; no value when the bytes are not valid there.
std::optional<std::filesystem::path> AnsiToFileName(const std::string& Name);

// Member names are matched the way the file system matches names: without regard to letter case.
bool AnsiNamesEqualIgnoringCase(const std::string& First, const std::string& Second);

// Hidden and system files are treated as missing, both as files to queue and as containers.
bool IsHiddenOrSystem(const std::filesystem::path& Path);

// An open file, unbuffered: callers read and write in large blocks. Closed when destroyed.
class File {
public:
    enum class Access { Read, Create };
    // Create replaces the content of an existing file. IsOpen tells whether opening worked.
    File(const std::filesystem::path& Path, Access Mode);
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
