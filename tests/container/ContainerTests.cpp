// The container's exact bytes and events, untrusted containers, the format's limits and the system's paths.
#include "ScratchFolder.h"
#include "container/clsMultiFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <tuple>

namespace fs = std::filesystem;

namespace {

// FileName, ByteToWrite, ByteWritten, PercentWritten.
using Event = std::tuple<std::string, int32_t, int32_t, int32_t>;

// a.txt ("Hello") and b.txt ("abc") packed, written out by hand.
const std::string Example = "Helloabca.txt\t0\t5\r\nb.txt\t5\t3\r\n0040\t*CompactFile*";
// 62.5 % rounds to the even neighbour.
const std::vector<Event> ExampleEvents{{"a.txt", 8, 5, 62}, {"b.txt", 8, 8, 100}};

// Every test works in a fresh folder of its own; the fixture records the events.
class ContainerTest : public ::testing::Test, public clsMultiFileEvents {
protected:
    ContainerTest() { fs::create_directories(Folder / "t"); }
    ~ContainerTest() override { fs::remove_all(Folder); }
    void FileWritten(const std::string& N, int T, int W, int P) override { Written.emplace_back(N, T, W, P); }
    void FilesExtract(const std::string& N, int T, int W, int P) override { Extracted.emplace_back(N, T, W, P); }

    fs::path Write(const fs::path& Name, const std::string& Bytes) const { return WriteBytes(Folder / Name, Bytes); }
    // Files and folders below the test's folder.
    auto Count() const { return std::distance(fs::recursive_directory_iterator(Folder), {}); }

    const fs::path Folder = fs::temp_directory_path() / ("hivora-container-" + std::to_string(std::random_device{}()));
    std::vector<Event> Written, Extracted;
    clsMultiFile MultiFile{this};
};

TEST_F(ContainerTest, WritesTheExampleByteForByteOverAnOldFileAndReadsItBack) {
    const fs::path container = Write("example.loc", std::string(100, 'x'));
    ASSERT_TRUE(MultiFile.AddFile(Write("a.txt", "Hello")));
    ASSERT_TRUE(MultiFile.AddFile(Write("b.txt", "abc")));
    ASSERT_TRUE(MultiFile.CompactFiles(container));
    EXPECT_EQ(ReadBytes(container), Example);
    EXPECT_EQ(Written, ExampleEvents);

    EXPECT_EQ(MultiFile.CompactFileInfo(container), Example.substr(8));
    ASSERT_TRUE(MultiFile.ExtractFiles(container, Folder / "t"));
    EXPECT_EQ(ReadBytes(Folder / "t/a.txt") + ReadBytes(Folder / "t/b.txt"), "Helloabc");
    EXPECT_EQ(Extracted, ExampleEvents);
    EXPECT_EQ(Count(), 6); // and nothing else, such as a ".partial" file
}

TEST_F(ContainerTest, RoundTripsLargeMembersBetweenFoldersNamedBeyondTheCodePage) {
    const fs::path source = Folder / fs::path(u8"Quelle äöü 漢字 ő");
    std::string large(3 * 1024 * 1024 + 17, '\0'); // larger than the copy buffer, between two small members
    std::ranges::generate(large, std::mt19937(7));
    ASSERT_TRUE(MultiFile.AddFile(Write(source / "First.TXT", "1")));
    ASSERT_TRUE(MultiFile.AddFile(Write(source / "Large.bin", large)));
    ASSERT_TRUE(MultiFile.AddFile(Write(source / "last", "22")));
    ASSERT_TRUE(MultiFile.CompactFiles(source / "out.loc"));

    const fs::path target = Folder / fs::path(u8"Ziel ß 字") / ""; // ends in a separator, which is not doubled
    fs::create_directories(target);
    ASSERT_TRUE(MultiFile.ExtractFiles(source / "out.loc", target));
    EXPECT_EQ(ReadBytes(target / "First.TXT") + ReadBytes(target / "Large.bin") + ReadBytes(target / "last"),
              "1" + large + "22");
    EXPECT_EQ(Extracted, Written);
}

TEST_F(ContainerTest, QueueHoldsOnlyFilesInAFolderThatCanBeReadBackAndLastsUntilInit) {
    const fs::path existing = Write("out.loc", "old");
    for (const fs::path& refused : {Write("empty.txt", ""), Folder / "missing.txt", Folder / "t"})
        EXPECT_FALSE(MultiFile.AddFile(refused));
    EXPECT_FALSE(MultiFile.CompactFiles(existing));
    EXPECT_EQ(ReadBytes(existing), "old");
#ifndef _WIN32
    for (const char* name : {"tab\tname", "line\nbreak", "colon:name", "con.txt", "trailing."})
        EXPECT_FALSE(MultiFile.AddFile(Write(name, "x"))) << name;
#endif

    const fs::path previous = fs::current_path();
    fs::current_path(Folder);
    Write("a.txt", "Hello");
    EXPECT_FALSE(MultiFile.AddFile(fs::path("a.txt")));
    EXPECT_TRUE(MultiFile.AddFile(fs::path(".") / "a.txt"));
    fs::current_path(previous); // the queued file is still found
    ASSERT_TRUE(MultiFile.CompactFiles(existing));
    ASSERT_TRUE(MultiFile.CompactFiles(existing));
    EXPECT_EQ(ReadBytes(existing), "Helloa.txt\t0\t5\r\n0029\t*CompactFile*");
    MultiFile.Init();
    EXPECT_FALSE(MultiFile.CompactFiles(Folder / "new.loc"));
    EXPECT_FALSE(fs::exists(Folder / "new.loc"));
}

TEST_F(ContainerTest, ReadsWhatOtherWritersMayWrite) {
    const fs::path other =
        Write("other.loc", "abcHelloa.txt\t3\t5\r\nb.txt\t0\t3\r\nb.txt\t3\t1\r\n0051\t*CompactFile*");
    EXPECT_EQ(MultiFile.ExtractFile2String(other, "B.TXT"), "abc"); // the first of two, in any letter case
    ASSERT_TRUE(MultiFile.ExtractFiles(other, Folder / "t", "A.TXT"));
    ASSERT_TRUE(MultiFile.ExtractFiles(other, Folder / "t", "c.txt"));
    EXPECT_EQ(Count(), 3);
    EXPECT_TRUE(Extracted.empty());
    ASSERT_TRUE(MultiFile.ExtractFiles(other, Folder / "t"));
    EXPECT_EQ(ReadBytes(Folder / "t/a.txt") + ReadBytes(Folder / "t/b.txt"), "HelloH"); // the later b.txt remains
    EXPECT_EQ(Extracted, (std::vector<Event>{{"a.txt", 8, 5, 62}, {"b.txt", 8, 8, 100}, {"b.txt", 8, 9, 112}}));

    EXPECT_TRUE(MultiFile.ExtractFiles(Write("empty.loc", "0018\t*CompactFile*"), Folder / "t"));
    EXPECT_EQ(Extracted.size(), 3U);
    // The length is the leading digits, as a number parser that stops at the first non-digit reads them.
    EXPECT_EQ(MultiFile.CompactFileInfo(Write("x.loc", "18 x\t*CompactFile*")), "18 x\t*CompactFile*");
    EXPECT_FALSE(MultiFile.IsCompactFile(Write("short.loc", "018\t*CompactFile*"))); // never a container
}

// A container of safe.txt ("Hello") and a second member ("abc") with the given directory line.
std::string WithLine(const std::string& Line) {
    const std::string header = "safe.txt\t0\t5\r\n" + Line + "\r\n";
    const std::string length = std::to_string(header.size() + 18);
    return "Helloabc" + header + std::string(4 - length.size(), '0') + length + "\t*CompactFile*";
}
std::string Named(const std::string& Name) {
    return WithLine(Name + "\t5\t3");
}

TEST_F(ContainerTest, UnpacksOnlyContainersWhoseEveryMemberStaysInTheTargetFolder) {
    // clang-format off
    // Names that only look dangerous.
    const std::string safeNames[] = {".hidden", "..double", "a b.txt", "CONSOLE.txt", "com10", "nul-file.txt", "x.con",
                                     std::string(255, 'n')};
    // Names outside the target folder, devices, forbidden characters, names Windows would change.
    const std::string unsafeNames[] = {
        "", ".", "..", "...", "../e", "..\\e", "s/e", "s\\e", "/e", "\\e", "C:e", "C:\\e", "\\\\srv\\share\\e",
        "//srv/share/e", "\\\\?\\C:\\e", "e:stream", "CON", "con.txt", "Nul .txt", "aux", "PRN.log", "lpt1", "COM9.ini",
        "CONOUT$", "COM\xB9", "e.", "e ", std::string("n\0b", 3), "bell\x07", "a*b", "a?b", "a|b", "a<b", "a>b", "a\"b",
        std::string(256, 'n')};
    // Directory lines with numbers out of range or not as written, or missing fields.
    const std::string damagedLines[] = {"b\t5\t4", "b\t8\t1", "b\t2147483647\t3", "b\t4294967301\t3", "b\t-1\t3",
                                        "b\t5\t-3", "b\t+5\t3", "b\t 5\t3", "b\tfive\t3", "b\t5\t3x", "b\t\t3",
                                        "b\t5\t", "b\t5", "b", ""};
    // clang-format on
    std::vector<std::pair<std::string, bool>> rows;
    for (const std::string& name : safeNames)
        rows.emplace_back(Named(name), true);
    for (const std::string& name : unsafeNames)
        rows.emplace_back(Named(name), false);
    for (const std::string& line : damagedLines)
        rows.emplace_back(WithLine(line), false);
    // Length fields larger than the file or smaller than the trailer; the marker in small letters.
    for (const char* container :
         {"9999\t*CompactFile*", "Helloabc0027\t*CompactFile*", "0017\t*CompactFile*", "0000\t*CompactFile*",
          "abcd\t*CompactFile*", "-040\t*CompactFile*", "0018\t*compactfile*"})
        rows.emplace_back(container, false);
    for (const auto& [content, unpacked] : rows) {
        SCOPED_TRACE(::testing::PrintToString(content));
        fs::remove_all(Folder / "t");
        fs::create_directory(Folder / "t");
        const fs::path container = Write("c.loc", content);
        EXPECT_EQ(MultiFile.ExtractFiles(container, Folder / "t", "safe.txt"), unpacked);
        EXPECT_EQ(MultiFile.ExtractFiles(container, Folder / "t"), unpacked);
        EXPECT_EQ(MultiFile.ExtractFile2String(container, "SAFE.txt"), unpacked ? "Hello" : "");
        // Nothing at all is written for a refused container, and only into the target folder otherwise.
        EXPECT_EQ(Count(), unpacked ? 4 : 2);
        EXPECT_EQ(std::distance(fs::directory_iterator(Folder / "t"), {}), unpacked ? 2 : 0);
    }
    // Nor is a member unpacked over the container itself: that container is refused whole.
    const fs::path itself = Write("HIVORA.LOC", Named("HIVORA.LOC"));
    EXPECT_FALSE(MultiFile.ExtractFiles(itself, Folder) || fs::exists(Folder / "safe.txt"));
    EXPECT_EQ(ReadBytes(itself), Named("HIVORA.LOC"));
}

TEST_F(ContainerTest, WritesADirectoryOfExactly9999BytesButNotOneMoreNorADataAreaOf2GiB) {
    // 100 lines of a 90-byte name take 9690 bytes; two more of 137 and 138 bytes make 9981 + 18.
    for (int line = 0; line < 100; ++line)
        ASSERT_TRUE(MultiFile.AddFile(Write(std::string(90, 'a'), "x")));
    ASSERT_TRUE(MultiFile.AddFile(Write(std::string(137, 'b'), "x")));
    clsMultiFile tooLong = MultiFile;
    ASSERT_TRUE(MultiFile.AddFile(Write(std::string(138, 'c'), "x")));
    ASSERT_TRUE(tooLong.AddFile(Write(std::string(139, 'c'), "x")));
    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "full.loc"));
    EXPECT_EQ(ReadBytes(Folder / "full.loc").substr(102 + 9999 - 18), "9999\t*CompactFile*");
    EXPECT_FALSE(tooLong.CompactFiles(Write("old.loc", "old")));
    EXPECT_EQ(ReadBytes(Folder / "old.loc"), "old");

    MultiFile.Init();
    for (const char* name : {"big1.bin", "big2.bin"}) {
        fs::resize_file(Write(name, "x"), uintmax_t{1} << 30); // sparse: refused before the first byte is read
        ASSERT_TRUE(MultiFile.AddFile(Folder / name));
    }
    EXPECT_FALSE(MultiFile.CompactFiles(Write("old.loc", "old")));
    EXPECT_EQ(ReadBytes(Folder / "old.loc"), "old");
    EXPECT_FALSE(fs::exists(Folder / "old.loc.partial"));
}

TEST_F(ContainerTest, QueuedFileThatVanishedOrChangedKeepsTheOldContainer) {
    for (const char* change : {"", "ab", "abcd"}) {
        clsMultiFile multiFile;
        ASSERT_TRUE(multiFile.AddFile(Write("a.txt", "Hello")));
        ASSERT_TRUE(multiFile.AddFile(Write("b.txt", "abc")));
        fs::remove(Folder / "b.txt");
        if (*change)
            Write("b.txt", change);
        EXPECT_FALSE(multiFile.CompactFiles(Write("out.loc", "old")));
        EXPECT_EQ(ReadBytes(Folder / "out.loc"), "old");
        EXPECT_FALSE(fs::exists(Folder / "out.loc.partial"));
    }
}

} // namespace

#ifdef _WIN32
#include <windows.h>

TEST_F(ContainerTest, StoresNamesInTheAnsiCodePageAndTakesHiddenOrSystemFilesForMissing) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "expects the Western code page";
    ASSERT_TRUE(MultiFile.AddFile(Write(fs::path(u8"é.txt"), "Hello")));
    EXPECT_FALSE(MultiFile.AddFile(Write(fs::path(u8"ő.txt"), "x"))); // not stored as "o" by best fit
    EXPECT_FALSE(MultiFile.AddFile(Write(fs::path(u8"字.txt"), "x")));
    const fs::path container = Folder / "out.loc";
    ASSERT_TRUE(MultiFile.CompactFiles(container));
    EXPECT_EQ(MultiFile.CompactFileInfo(container), "\xE9.txt\t0\t5\r\n0029\t*CompactFile*");
    EXPECT_EQ(MultiFile.ExtractFile2String(container, "\xC9.TXT"), "Hello");
    const fs::path hidden = Write(fs::path("t") / u8"é.txt", "old");
    ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(MultiFile.ExtractFiles(container, Folder / "t"));
    EXPECT_EQ(ReadBytes(hidden), "Hello");
    for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        ASSERT_TRUE(SetFileAttributesW(container.c_str(), attribute) && SetFileAttributesW(hidden.c_str(), attribute));
        EXPECT_FALSE(MultiFile.IsCompactFile(container) || MultiFile.ExtractFiles(container, Folder / "t"));
        EXPECT_FALSE(MultiFile.AddFile(hidden));
    }
}
#endif
