#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace MultiFilePlatform {
class File;
}

// Progress of clsMultiFile, reported synchronously on the caller's thread between two members.
class clsMultiFileEvents {
public:
    virtual ~clsMultiFileEvents() = default;
    // Once per member, after its bytes have been appended to the container being written.
    virtual void FileWritten(const std::string& FileName, int32_t ByteToWrite, int32_t ByteWritten,
                             int32_t PercentWritten) = 0;
    // Once per directory line while a whole container is unpacked (not when a single member is asked for).
    virtual void FilesExtract(const std::string& FileName, int32_t ByteToWrite, int32_t ByteWritten,
                              int32_t PercentWritten) = 0;
};

// Packs files into one container file (members' bytes, then a text directory ending in "*CompactFile*") and
// unpacks them again. Member names are bytes of the system's ANSI code page, as the container stores them.
// No operation throws: failures are reported through the result.
class clsMultiFile {
public:
    explicit clsMultiFile(clsMultiFileEvents* Events = nullptr) : Events(Events) {}

    // Writing: Init (or a fresh object), AddFile once per file in the wanted order, then CompactFiles.
    void Init() { PendingFiles.clear(); }
    bool AddFile(const std::filesystem::path& Path);
    bool CompactFiles(const std::filesystem::path& CompactFileName);

    // Reading needs no preparation; every call opens the container afresh.
    bool IsCompactFile(const std::filesystem::path& CompactFile) const;
    std::optional<std::string> CompactFileInfo(const std::filesystem::path& CompactFile) const;
    bool ExtractFiles(const std::filesystem::path& CompactFile, const std::filesystem::path& TargetPath,
                      const std::string& OnlyThisFile = {}) const;
    std::string ExtractFile2String(const std::filesystem::path& CompactFile, const std::string& FileName) const;

private:
    struct FileEntry {
        std::filesystem::path Folder;
        std::string Name;
        // 64-bit so that a queue whose data area outgrows the format is refused when writing instead of wrapping.
        int64_t Size;
        int64_t Offset;
    };

    std::optional<std::string> BuildDirectoryBlock() const;
    bool WriteMembers(MultiFilePlatform::File& Container) const;

    std::vector<FileEntry> PendingFiles;
    clsMultiFileEvents* Events;
};
