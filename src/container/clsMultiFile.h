#pragma once

#include "container/MultiFilePlatform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A path in the system's own form: wide on Windows, bytes elsewhere.
using MultiFilePath = MultiFilePlatform::Path;

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
// unpacks them again. Member names are bytes of the system's ANSI code page, as the container stores them; paths
// are the system's own (wide on Windows). No operation throws: failures are reported through the result.
class clsMultiFile {
public:
    explicit clsMultiFile(clsMultiFileEvents* Events = nullptr) : Events(Events) {}

    // Writing: Init (or a fresh object), AddFile once per file in the wanted order, then CompactFiles.
    void Init() { PendingFiles.clear(); }
    bool AddFile(const MultiFilePath& Path);
    bool CompactFiles(const MultiFilePath& CompactFileName);

    // Reading needs no preparation; every call opens the container afresh.
    bool IsCompactFile(const MultiFilePath& CompactFile) const;
    std::optional<std::string> CompactFileInfo(const MultiFilePath& CompactFile) const;
    bool ExtractFiles(const MultiFilePath& CompactFile, const MultiFilePath& TargetPath,
                      const std::string& OnlyThisFile = {}) const;
    std::string ExtractFile2String(const MultiFilePath& CompactFile, const std::string& FileName) const;

private:
    struct FileEntry {
        // The absolute path, read when the container is written: the current folder may have changed by then.
        MultiFilePath Source;
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
