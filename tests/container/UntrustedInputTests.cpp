// A container is untrusted input, and a container being written must never leave a broken file behind.
#include "ContainerTestSupport.h"

namespace {

using UntrustedInputTest = ContainerTest;

// A container of "safe.txt" followed by one member with the given directory line (data "Hello" + "abc").
std::string ContainerWithLine(const std::string& Line) {
    const std::string header = "safe.txt\t0\t5\r\n" + Line + "\r\n";
    const std::string length = std::to_string(header.size() + 18);
    return "Helloabc" + header + std::string(4 - length.size(), '0') + length + "\t*CompactFile*";
}

// Reading must fail cleanly and leave the folder exactly as it was.
void ExpectRefusedUnwritten(clsMultiFile& MultiFile, const fs::path& Folder, const fs::path& Container) {
    const fs::path target = Folder / "target";
    fs::create_directories(target);
    EXPECT_FALSE(MultiFile.ExtractFiles(Container, target));
    EXPECT_FALSE(MultiFile.ExtractFiles(Container, target, "safe.txt"));
    EXPECT_EQ(MultiFile.ExtractFile2String(Container, "safe.txt"), "");
    std::vector<std::string> listing;
    for (const auto& entry : fs::recursive_directory_iterator(Folder))
        listing.push_back(entry.path().lexically_relative(Folder).generic_string());
    std::ranges::sort(listing);
    EXPECT_EQ(listing, (std::vector<std::string>{Container.filename().generic_string(), "target"}));
}

class UnsafeMemberName : public UntrustedInputTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnsafeMemberName, IsRefusedBeforeAnythingIsWritten) {
    const fs::path container = Write("bad.loc", ContainerWithLine(GetParam() + "\t5\t3"));
    ASSERT_TRUE(MultiFile.IsCompactFile(container));

    ExpectRefusedUnwritten(MultiFile, Folder, container);
    EXPECT_TRUE(Events.Extracted.empty());
}

INSTANTIATE_TEST_SUITE_P(NamesOutsideTheTargetFolder, UnsafeMemberName,
                         ::testing::Values("", ".", "..", "...", "../evil.txt", "..\\evil.txt", "sub/evil.txt",
                                           "sub\\evil.txt", "/evil.txt", "\\evil.txt", "C:evil.txt", "C:\\evil.txt",
                                           "\\\\server\\share\\evil.txt", "//server/share/evil.txt",
                                           "\\\\?\\C:\\evil.txt", "evil.txt:stream", "CON", "con.txt", "Nul .txt",
                                           "aux", "PRN.log", "lpt1", "COM9.ini", "com0", "CONOUT$", "COM\xB9",
                                           "evil.txt.", "evil.txt ", "tab\there", std::string("nul\0byte", 8),
                                           "bell\x07", "a*b", "a?b", "a|b", "a<b", "a>b", "a\"b",
                                           std::string(256, 'n')));

class PlainMemberName : public UntrustedInputTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(PlainMemberName, IsUnpacked) {
    const fs::path container = Write("good.loc", ContainerWithLine(GetParam() + "\t5\t3"));
    const fs::path target = MakeFolder("target");

    ASSERT_TRUE(MultiFile.ExtractFiles(container, target));

    EXPECT_EQ(Read(target / GetParam()), "abc");
}

INSTANTIATE_TEST_SUITE_P(NamesThatOnlyLookDangerous, PlainMemberName,
                         ::testing::Values(".hidden", "..double", "a b.txt", "CONSOLE.txt", "com10", "lpt.txt",
                                           "nul-file.txt", "x.con", std::string(255, 'n')));

class DamagedDirectory : public UntrustedInputTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(DamagedDirectory, FailsCleanly) {
    const fs::path container = Write("damaged.loc", GetParam());
    ASSERT_TRUE(MultiFile.IsCompactFile(container));

    ExpectRefusedUnwritten(MultiFile, Folder, container);
}

INSTANTIATE_TEST_SUITE_P(LinesAndNumbers, DamagedDirectory,
                         ::testing::Values(ContainerWithLine("b.txt\t5\t4"),          // member beyond the data area
                                           ContainerWithLine("b.txt\t8\t1"),          // starts where the data area ends
                                           ContainerWithLine("b.txt\t2147483647\t3"), // would wrap in 32 bits
                                           ContainerWithLine("b.txt\t4294967301\t3"), // beyond 32 bits
                                           ContainerWithLine("b.txt\t-1\t3"), ContainerWithLine("b.txt\t5\t-3"),
                                           ContainerWithLine("b.txt\t+5\t3"), ContainerWithLine("b.txt\t 5\t3"),
                                           ContainerWithLine("b.txt\tfive\t3"), ContainerWithLine("b.txt\t5\t3x"),
                                           ContainerWithLine("b.txt\t\t3"), ContainerWithLine("b.txt\t5\t"),
                                           ContainerWithLine("b.txt\t5"), ContainerWithLine("b.txt"),
                                           ContainerWithLine("")));

INSTANTIATE_TEST_SUITE_P(LengthField, DamagedDirectory,
                         ::testing::Values("9999\t*CompactFile*",         // larger than the file
                                           "Helloabc0027\t*CompactFile*", // one byte larger than the file
                                           "0017\t*CompactFile*",         // shorter than the trailer itself
                                           "0000\t*CompactFile*", "abcd\t*CompactFile*", "-040\t*CompactFile*"));

TEST_F(UntrustedInputTest, LengthFieldErrorsGiveNoDirectory) {
    EXPECT_FALSE(MultiFile.CompactFileInfo(Write("long.loc", "9999\t*CompactFile*")).has_value());
    EXPECT_FALSE(MultiFile.CompactFileInfo(Write("short.loc", "0017\t*CompactFile*")).has_value());
    // The number ends at the first non-digit, as for containers of other writers.
    EXPECT_EQ(MultiFile.CompactFileInfo(Write("spaced.loc", "18 x\t*CompactFile*")), "18 x\t*CompactFile*");
}

// Writing: a file that changed after it was queued must fail the container and keep the old one.
class ChangedQueuedFile : public UntrustedInputTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ChangedQueuedFile, FailsAndKeepsTheOldContainer) {
    const fs::path container = Write("out.loc", "old container");
    ASSERT_TRUE(MultiFile.AddFile(Write("a.txt", "Hello")));
    const fs::path changing = Write("b.txt", "abc");
    ASSERT_TRUE(MultiFile.AddFile(changing));

    if (GetParam() == "deleted")
        fs::remove(changing);
    else
        Write("b.txt", GetParam());

    EXPECT_FALSE(MultiFile.CompactFiles(container));
    EXPECT_EQ(Read(container), "old container");
    const auto listing = Listing(Folder);
    EXPECT_TRUE(std::ranges::none_of(listing, [](const std::string& name) { return name.ends_with(".partial"); }));
}

INSTANTIATE_TEST_SUITE_P(DeletedShrunkOrGrown, ChangedQueuedFile, ::testing::Values("deleted", "ab", "abcd"));

// A 1-byte file with a name of the given length, queued once.
void QueueNamed(clsMultiFile& MultiFile, const fs::path& Folder, size_t NameLength, char Letter) {
    const fs::path file = Folder / std::string(NameLength, Letter);
    if (!fs::exists(file))
        std::ofstream(file, std::ios::binary) << 'x';
    ASSERT_TRUE(MultiFile.AddFile(file));
}

TEST_F(UntrustedInputTest, DirectoryOfExactly9999BytesIsWrittenAndOneByteMoreIsRefused) {
    // 100 lines of a 90-byte name take 9690 bytes; two more of 137 and 138 bytes make 9981 + 18.
    const fs::path names = MakeFolder("names");
    for (int line = 0; line < 100; ++line)
        QueueNamed(MultiFile, names, 90, 'a');
    QueueNamed(MultiFile, names, 137, 'b');
    clsMultiFile tooLong = MultiFile;
    QueueNamed(MultiFile, names, 138, 'c');
    QueueNamed(tooLong, names, 139, 'c');

    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "full.loc"));
    const std::string full = Read(Folder / "full.loc");
    EXPECT_EQ(full.size(), 102U + 9999U);
    EXPECT_EQ(full.substr(full.size() - 18, 4), "9999");

    const fs::path existing = Write("old.loc", "old container");
    EXPECT_FALSE(tooLong.CompactFiles(existing));
    EXPECT_EQ(Read(existing), "old container");
}

TEST_F(UntrustedInputTest, DataAreaOf2GiBIsRefused) {
    // Sparse files: nothing is read, because the queue is refused before the first byte.
    const fs::path existing = Write("old.loc", "old container");
    for (const char* name : {"big1.bin", "big2.bin"}) {
        const fs::path big = Write(name, "x");
        fs::resize_file(big, uintmax_t{1} << 30);
        ASSERT_TRUE(MultiFile.AddFile(big));
    }

    EXPECT_FALSE(MultiFile.CompactFiles(existing));
    EXPECT_EQ(Read(existing), "old container");
    EXPECT_EQ(Listing(Folder), (std::vector<std::string>{"big1.bin", "big2.bin", "old.loc"}));
}

#ifndef _WIN32
TEST_F(UntrustedInputTest, NamesTheReaderRefusesAreNotQueued) {
    // Names that POSIX systems allow but no container may hold: what is written must also read back.
    for (const char* name : {"tab\tname", "line\nbreak", "colon:name", "con.txt", "trailing."}) {
        std::ofstream(Folder / name) << 'x';
        EXPECT_FALSE(MultiFile.AddFile(Folder / name)) << name;
    }
    EXPECT_FALSE(MultiFile.CompactFiles(Folder / "out.loc"));
}
#endif

} // namespace
