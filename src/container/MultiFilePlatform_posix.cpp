#include "container/MultiFilePlatform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Without an ANSI code page the name bytes are used as they are, and nothing is hidden or system.
namespace MultiFilePlatform {

namespace {

bool HasType(const Path& FilePath, mode_t Type) {
    struct stat status {};
    return stat(FilePath.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == Type;
}

struct FreeMemory {
    void operator()(char* Memory) const { std::free(Memory); }
};

} // namespace

std::optional<Path> FullPath(const Path& RelativeOrFull) {
    if (RelativeOrFull.starts_with('/'))
        return RelativeOrFull;
    const std::unique_ptr<char, FreeMemory> current(getcwd(nullptr, 0));
    if (!current)
        return std::nullopt;
    return Join(current.get(), RelativeOrFull);
}

bool FileExists(const Path& FilePath) {
    return HasType(FilePath, S_IFREG);
}

bool FolderExists(const Path& FolderPath) {
    return HasType(FolderPath, S_IFDIR);
}

void RemoveFile(const Path& FilePath) {
    unlink(FilePath.c_str());
}

bool Rename(const Path& From, const Path& To) {
    return std::rename(From.c_str(), To.c_str()) == 0;
}

std::optional<std::string> FileNameToAnsi(const Path& FileName) {
    return FileName;
}

std::optional<Path> AnsiToFileName(const std::string& Name) {
    return Name;
}

bool SameFile(const Path& First, const Path& Second) {
    struct stat first = {};
    struct stat second = {};
    return stat(First.c_str(), &first) == 0 && stat(Second.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

bool AnsiNamesEqualIgnoringCase(const std::string& First, const std::string& Second) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::ranges::equal(First, Second, [&](char a, char b) { return lower(a) == lower(b); });
}

File::File(const Path& FilePath, Access Mode)
    : Handle(Mode == Access::Read ? open(FilePath.c_str(), O_RDONLY | O_CLOEXEC)
                                  : open(FilePath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)) {}

File::~File() {
    Close();
}

bool File::IsOpen() const {
    return Handle >= 0;
}

std::optional<int64_t> File::Length() const {
    struct stat status {};
    if (fstat(static_cast<int>(Handle), &status) != 0)
        return std::nullopt;
    return static_cast<int64_t>(status.st_size);
}

bool File::ReadAt(int64_t Offset, char* Buffer, size_t Count) const {
    while (Count > 0) {
        const ssize_t read = pread(static_cast<int>(Handle), Buffer, Count, static_cast<off_t>(Offset));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return false;
        Buffer += read;
        Offset += read;
        Count -= static_cast<size_t>(read);
    }
    return true;
}

bool File::Append(const char* Buffer, size_t Count) {
    while (Count > 0) {
        const ssize_t written = write(static_cast<int>(Handle), Buffer, Count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        Buffer += written;
        Count -= static_cast<size_t>(written);
    }
    return true;
}

bool File::AppendFrom(const File& From, int64_t Offset, int64_t Count, char* Buffer, size_t BufferSize) {
#ifdef __linux__
    // The kernel copies without passing the bytes through this process.
    while (Count > 0) {
        auto position = static_cast<off_t>(Offset);
        const ssize_t copied = copy_file_range(static_cast<int>(From.Handle), &position, static_cast<int>(Handle),
                                               nullptr, static_cast<size_t>(Count), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0)
            break; // not supported between these files: copy through the buffer
        if (copied == 0)
            return false;
        Offset += copied;
        Count -= copied;
    }
#endif
    return AppendThroughBuffer(From, Offset, Count, Buffer, BufferSize);
}

bool File::Close() {
    if (Handle < 0)
        return true;
    const bool closed = close(static_cast<int>(Handle)) == 0;
    Handle = -1;
    return closed;
}

} // namespace MultiFilePlatform
