#include "container/clsMultiFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <string_view>

using MultiFilePlatform::File;

namespace {

constexpr std::string_view Marker = "*CompactFile*";
// Four length digits, a TAB and the marker end every container.
constexpr int64_t TrailerLength = 18;
constexpr int64_t MaxDirectoryLength = 9999;
// Offsets, sizes and the progress counters are signed 32-bit numbers.
constexpr int64_t MaxDataAreaSize = std::numeric_limits<int32_t>::max();
// Members are copied through one buffer of this size, so memory stays flat whatever their length.
constexpr size_t CopyBufferSize = size_t{1} << 20;

struct Member {
    std::string Name;
    int32_t Offset;
    int32_t Size;
};

// The checked directory lines and the size of the data area they point into.
struct Directory {
    int32_t DataAreaSize = 0;
    std::vector<Member> Members;
};

// The length of an open file that ends in the marker; no value for anything else.
std::optional<int64_t> MarkedLength(const File& Container) {
    const auto length = Container.IsOpen() ? Container.Length() : std::nullopt;
    std::array<char, Marker.size()> tail{};
    if (!length || *length < TrailerLength ||
        !Container.ReadAt(*length - static_cast<int64_t>(tail.size()), tail.data(), tail.size()) ||
        std::string_view(tail.data(), tail.size()) != Marker)
        return std::nullopt;
    return length;
}

// A container opened for reading; Length has a value only for a file that exists and ends in the marker.
struct ContainerFile {
    explicit ContainerFile(const MultiFilePath& Path) : Stream(Path, File::Access::Read) {
        if (MultiFilePlatform::FileExists(Path))
            Length = MarkedLength(Stream);
    }
    File Stream;
    std::optional<int64_t> Length;
};

bool IsReservedDeviceName(std::string_view Name) {
    // Windows opens the device instead of a file for these names, whatever extension follows and with spaces
    // before the extension.
    std::string_view stem = Name.substr(0, Name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    std::string upper(stem);
    std::ranges::transform(upper, upper.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL" || upper == "CONIN$" || upper == "CONOUT$")
        return true;
    if (upper.size() != 4 || !(upper.starts_with("COM") || upper.starts_with("LPT")))
        return false;
    // A digit, or the superscript one, two or three of the Western code page.
    const auto number = static_cast<unsigned char>(upper[3]);
    return (number >= '0' && number <= '9') || number == 0xB9 || number == 0xB2 || number == 0xB3;
}

// Whether a member name names a file directly inside the target folder on every system that unpacks it: no
// folder part, drive, UNC form or device, no character Windows forbids, and nothing Windows would silently
// change (it drops trailing dots and spaces, which turns "..." into the target folder itself).
bool IsPlainFileName(std::string_view Name) {
    constexpr std::string_view forbidden = "<>:\"/\\|?*";
    if (Name.empty() || Name.size() > 255 || Name.back() == '.' || Name.back() == ' ')
        return false;
    for (const char c : Name) {
        if (static_cast<unsigned char>(c) < 0x20 || forbidden.find(c) != std::string_view::npos)
            return false;
    }
    return !IsReservedDeviceName(Name);
}

// A number as the directory writes it: decimal digits only, no sign, within 32 bits.
std::optional<int32_t> ParseNumber(std::string_view Text) {
    if (Text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (const char c : Text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > MaxDataAreaSize)
            return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// The directory block, trailer included; the marker has been checked by the caller.
std::optional<std::string> ReadDirectory(const File& Container, int64_t ContainerLength) {
    std::array<char, 4> digits{};
    if (!Container.ReadAt(ContainerLength - TrailerLength, digits.data(), digits.size()))
        return std::nullopt;
    // Only the leading digits count, so that containers of every writer read back.
    int64_t directoryLength = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            break;
        directoryLength = directoryLength * 10 + (c - '0');
    }
    // Shorter than its own trailer or longer than the file, the field cannot be right.
    if (directoryLength < TrailerLength || directoryLength > ContainerLength)
        return std::nullopt;
    std::string block(static_cast<size_t>(directoryLength), '\0');
    if (!Container.ReadAt(ContainerLength - directoryLength, block.data(), block.size()))
        return std::nullopt;
    return block;
}

// Splits the directory lines and checks all of them before any member is touched: an untrusted container must
// not make the reader leave the data area or the target folder, nor overflow the progress counters.
std::optional<Directory> ParseDirectory(std::string_view Block, int64_t DataAreaSize) {
    if (DataAreaSize > MaxDataAreaSize)
        return std::nullopt;
    Directory directory{static_cast<int32_t>(DataAreaSize), {}};
    int64_t sizeTotal = 0;
    // What follows the last CR LF is the trailer.
    for (size_t lineEnd; (lineEnd = Block.find("\r\n")) != std::string_view::npos; Block.remove_prefix(lineEnd + 2)) {
        const std::string_view line = Block.substr(0, lineEnd);
        const size_t nameEnd = line.find('\t');
        const size_t offsetEnd = nameEnd == std::string_view::npos ? nameEnd : line.find('\t', nameEnd + 1);
        if (offsetEnd == std::string_view::npos)
            return std::nullopt;
        // Fields after the third are ignored, as a reader that splits the line at every TAB does.
        const size_t sizeEnd = line.find('\t', offsetEnd + 1);
        const std::string_view name = line.substr(0, nameEnd);
        const auto offset = ParseNumber(line.substr(nameEnd + 1, offsetEnd - nameEnd - 1));
        const auto size = ParseNumber(line.substr(offsetEnd + 1, sizeEnd - offsetEnd - 1));
        if (!IsPlainFileName(name) || !offset || !size || int64_t{*offset} + *size > DataAreaSize)
            return std::nullopt;
        sizeTotal += *size;
        if (sizeTotal > MaxDataAreaSize)
            return std::nullopt;
        directory.Members.push_back({std::string(name), *offset, *size});
    }
    return directory;
}

std::optional<Directory> ReadCheckedDirectory(const ContainerFile& Container) {
    const auto block = ReadDirectory(Container.Stream, *Container.Length);
    if (!block)
        return std::nullopt;
    return ParseDirectory(*block, *Container.Length - static_cast<int64_t>(block->size()));
}

bool ExtractMember(const File& Container, const Member& Member, const MultiFilePath& Target, char* Buffer) {
    // Delete before creating: Windows refuses to overwrite a hidden file in place.
    MultiFilePlatform::RemoveFile(Target);
    File file(Target, File::Access::Create);
    bool written = file.IsOpen() && file.AppendFrom(Container, Member.Offset, Member.Size, Buffer, CopyBufferSize);
    written = file.Close() && written;
    if (!written)
        MultiFilePlatform::RemoveFile(Target);
    return written;
}

// Whole-number percentage, a half going to the even neighbour (62.5 gives 62, 37.5 gives 38). Nothing written
// of nothing counts as 0 % rather than a division by zero. Callers keep ByteWritten within a few thousand
// times ByteToWrite (one data area per directory line at most), so the result always fits.
int32_t GetPercent(int32_t ByteToWrite, int32_t ByteWritten) {
    if (ByteToWrite == 0)
        return 0;
    return static_cast<int32_t>(std::nearbyint(ByteWritten * 100.0 / ByteToWrite));
}

} // namespace

bool clsMultiFile::AddFile(const MultiFilePath& Path) {
    try {
        if (std::ranges::none_of(Path, MultiFilePlatform::IsSeparator) || !MultiFilePlatform::FileExists(Path))
            return false;
        // A file that did not open has no length either.
        const auto size = File(Path, File::Access::Read).Length();
        auto source = MultiFilePlatform::FullPath(Path);
        if (!size || *size == 0 || !source)
            return false;
        const auto nameStart = std::find_if(source->rbegin(), source->rend(), MultiFilePlatform::IsSeparator).base();
        auto name = MultiFilePlatform::FileNameToAnsi(MultiFilePath(nameStart, source->end()));
        // Only names that every reader unpacks are queued; a TAB or line break would also break the directory.
        if (!name || !IsPlainFileName(*name))
            return false;
        const int64_t offset = PendingFiles.empty() ? 0 : PendingFiles.back().Offset + PendingFiles.back().Size;
        PendingFiles.push_back({std::move(*source), std::move(*name), *size, offset});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The directory block of the queued files; no value when the format cannot represent them.
std::optional<std::string> clsMultiFile::BuildDirectoryBlock() const {
    const FileEntry& last = PendingFiles.back();
    if (last.Offset + last.Size > MaxDataAreaSize)
        return std::nullopt;
    std::string block;
    for (const FileEntry& entry : PendingFiles)
        block += entry.Name + '\t' + std::to_string(entry.Offset) + '\t' + std::to_string(entry.Size) + "\r\n";
    const int64_t directoryLength = static_cast<int64_t>(block.size()) + TrailerLength;
    if (directoryLength > MaxDirectoryLength)
        return std::nullopt;
    const std::string digits = std::to_string(directoryLength);
    block += std::string(4 - digits.size(), '0') + digits + '\t' + std::string(Marker);
    return block;
}

// A file that can no longer be read, or whose length changed since it was queued, fails the whole container:
// its directory would no longer match the data.
bool clsMultiFile::WriteMembers(File& Container) const {
    const auto buffer = std::make_unique_for_overwrite<char[]>(CopyBufferSize);
    size_t filled = 0;
    const auto writeBuffer = [&] {
        const bool written = Container.Append(buffer.get(), filled);
        filled = 0;
        return written;
    };
    const auto byteToWrite = static_cast<int32_t>(PendingFiles.back().Offset + PendingFiles.back().Size);
    for (const FileEntry& entry : PendingFiles) {
        const File file(entry.Source, File::Access::Read);
        if (!file.IsOpen() || file.Length() != entry.Size)
            return false;
        const auto size = static_cast<size_t>(entry.Size);
        if (size > CopyBufferSize - filled && !writeBuffer())
            return false;
        // Small members are gathered and written together; a larger one is copied across on its own.
        if (size <= CopyBufferSize - filled) {
            if (!file.ReadAt(0, buffer.get() + filled, size))
                return false;
            filled += size;
        } else if (!Container.AppendFrom(file, 0, entry.Size, buffer.get(), CopyBufferSize)) {
            return false;
        }
        if (Events) {
            const auto byteWritten = static_cast<int32_t>(entry.Offset + entry.Size);
            Events->FileWritten(entry.Name, byteToWrite, byteWritten, GetPercent(byteToWrite, byteWritten));
        }
    }
    return writeBuffer();
}

// The new container is written beside the old one and replaces it only when complete, so a failure leaves the
// old file as it was.
bool clsMultiFile::CompactFiles(const MultiFilePath& CompactFileName) {
    if (PendingFiles.empty())
        return false;
    constexpr std::string_view suffix = ".partial";
    MultiFilePath partial = CompactFileName;
    try {
        partial.append(suffix.begin(), suffix.end());
        const auto directoryBlock = BuildDirectoryBlock();
        if (!directoryBlock)
            return false;
        MultiFilePlatform::RemoveFile(partial);
        File container(partial, File::Access::Create);
        bool written = container.IsOpen() && WriteMembers(container) &&
                       container.Append(directoryBlock->data(), directoryBlock->size());
        // Closed before the rename, which Windows refuses for an open file.
        written = container.Close() && written;
        if (written && MultiFilePlatform::Rename(partial, CompactFileName))
            return true;
    } catch (const std::exception&) {
    }
    MultiFilePlatform::RemoveFile(partial);
    return false;
}

bool clsMultiFile::IsCompactFile(const MultiFilePath& CompactFile) const {
    try {
        return ContainerFile(CompactFile).Length.has_value();
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<std::string> clsMultiFile::CompactFileInfo(const MultiFilePath& CompactFile) const {
    try {
        const ContainerFile container(CompactFile);
        if (!container.Length)
            return std::nullopt;
        return ReadDirectory(container.Stream, *container.Length);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool clsMultiFile::ExtractFiles(const MultiFilePath& CompactFile, const MultiFilePath& TargetPath,
                                const std::string& OnlyThisFile) const {
    try {
        if (!MultiFilePlatform::FolderExists(TargetPath))
            return false;
        const ContainerFile container(CompactFile);
        if (!container.Length)
            return false;
        const auto directory = ReadCheckedDirectory(container);
        if (!directory)
            return false;
        // Every target is known before the first is written, so a refused container leaves nothing behind.
        std::vector<MultiFilePath> targets;
        for (const Member& member : directory->Members) {
            const auto fileName = MultiFilePlatform::AnsiToFileName(member.Name);
            if (!fileName)
                return false;
            targets.push_back(MultiFilePlatform::Join(TargetPath, *fileName));
            // A member unpacked over the container itself would destroy it before it is read.
            if (MultiFilePlatform::SameFile(targets.back(), CompactFile))
                return false;
        }
        const auto buffer = std::make_unique_for_overwrite<char[]>(CopyBufferSize);
        const int32_t byteToWrite = directory->DataAreaSize;
        int32_t byteWritten = 0;
        for (size_t index = 0; index < directory->Members.size(); ++index) {
            const Member& member = directory->Members[index];
            if (OnlyThisFile.empty() || MultiFilePlatform::AnsiNamesEqualIgnoringCase(OnlyThisFile, member.Name)) {
                if (!ExtractMember(container.Stream, member, targets[index], buffer.get()))
                    return false;
                byteWritten += member.Size;
            }
            if (OnlyThisFile.empty() && Events)
                Events->FilesExtract(member.Name, byteToWrite, byteWritten, GetPercent(byteToWrite, byteWritten));
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string clsMultiFile::ExtractFile2String(const MultiFilePath& CompactFile, const std::string& FileName) const {
    try {
        const ContainerFile container(CompactFile);
        if (!container.Length)
            return {};
        const auto directory = ReadCheckedDirectory(container);
        if (!directory)
            return {};
        const auto found = std::ranges::find_if(directory->Members, [&](const Member& member) {
            return MultiFilePlatform::AnsiNamesEqualIgnoringCase(FileName, member.Name);
        });
        if (found == directory->Members.end())
            return {};
        std::string content(static_cast<size_t>(found->Size), '\0');
        if (!container.Stream.ReadAt(found->Offset, content.data(), content.size()))
            return {};
        return content;
    } catch (const std::exception&) {
        return {};
    }
}
