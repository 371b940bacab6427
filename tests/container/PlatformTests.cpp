// What depends on the system: folders beyond the code page, member names in the ANSI code page, and on Windows
// the hidden and system attributes.
#include "ContainerTestSupport.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using PlatformTest = ContainerTest;

TEST_F(PlatformTest, WorksInFoldersNamedBeyondTheCodePage) {
    const fs::path source = MakeFolder(fs::path(u8"Quelle äöü 漢字"));
    ASSERT_TRUE(MultiFile.AddFile(Write(source / "a.txt", "Hello")));
    ASSERT_TRUE(MultiFile.AddFile(Write(source / "b.txt", "abc")));
    ASSERT_TRUE(MultiFile.CompactFiles(source / "example.loc"));
    EXPECT_EQ(Read(source / "example.loc"), ExampleContainer);

    const fs::path target = MakeFolder(fs::path(u8"Ziel ß 字"));
    ASSERT_TRUE(MultiFile.ExtractFiles(source / "example.loc", target));

    EXPECT_EQ(Read(target / "a.txt"), "Hello");
    EXPECT_EQ(Read(target / "b.txt"), "abc");
}

TEST_F(PlatformTest, StoresMemberNamesInTheAnsiCodePage) {
#ifdef _WIN32
    if (GetACP() != 1252)
        GTEST_SKIP() << "expects the Western code page";
    const std::string directory = "\xE9.txt\t0\t5\r\n0029\t*CompactFile*";
#else
    // Without a code page the name's bytes are stored as they are.
    const std::string directory = "\xC3\xA9.txt\t0\t5\r\n0030\t*CompactFile*";
#endif
    ASSERT_TRUE(MultiFile.AddFile(Write(fs::path(u8"é.txt"), "Hello")));
    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "out.loc"));
    EXPECT_EQ(MultiFile.CompactFileInfo(Folder / "out.loc"), directory);

    const fs::path target = MakeFolder("target");
    ASSERT_TRUE(MultiFile.ExtractFiles(Folder / "out.loc", target));
    EXPECT_EQ(Read(target / fs::path(u8"é.txt")), "Hello");
#ifdef _WIN32
    // Accented letters match in either case, as the file system matches them.
    EXPECT_EQ(MultiFile.ExtractFile2String(Folder / "out.loc", "\xC9.TXT"), "Hello");
#endif
}

#ifdef _WIN32
TEST_F(PlatformTest, RefusesAFileNameTheCodePageCannotHold) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "expects the Western code page";
    EXPECT_FALSE(MultiFile.AddFile(Write(fs::path(u8"字.txt"), "Hello")));
    // No best-fit replacement either: "ő" must not be stored as "o".
    EXPECT_FALSE(MultiFile.AddFile(Write(fs::path(u8"ő.txt"), "Hello")));
}

class HiddenOrSystemFile : public PlatformTest, public ::testing::WithParamInterface<DWORD> {
protected:
    void Mark(const fs::path& Path) { ASSERT_TRUE(SetFileAttributesW(Path.c_str(), GetParam())); }
};

TEST_P(HiddenOrSystemFile, CountsAsMissing) {
    const fs::path file = Write("a.txt", "Hello");
    const fs::path container = Write("example.loc", ExampleContainer);
    const fs::path target = MakeFolder("target");
    Mark(file);
    Mark(container);

    EXPECT_FALSE(MultiFile.AddFile(file));
    EXPECT_FALSE(MultiFile.IsCompactFile(container));
    EXPECT_FALSE(MultiFile.CompactFileInfo(container).has_value());
    EXPECT_FALSE(MultiFile.ExtractFiles(container, target));
    EXPECT_EQ(MultiFile.ExtractFile2String(container, "a.txt"), "");
    EXPECT_TRUE(Listing(target).empty());
}

INSTANTIATE_TEST_SUITE_P(Attributes, HiddenOrSystemFile,
                         ::testing::Values(DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}));

TEST_F(PlatformTest, UnpackingReplacesAHiddenFile) {
    const fs::path container = Write("example.loc", ExampleContainer);
    const fs::path hidden = Write("target/a.txt", "old");
    ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));

    ASSERT_TRUE(MultiFile.ExtractFiles(container, Folder / "target"));

    EXPECT_EQ(Read(hidden), "Hello");
}
#endif

} // namespace
