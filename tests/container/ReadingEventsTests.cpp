// Reading containers written by any writer: recognition, the directory text, unpacking and its events.
#include "ContainerTestSupport.h"

namespace {

using ReadingTest = ContainerTest;

const std::vector<RecordedEvent> ExampleEvents{{"a.txt", 8, 5, 62}, {"b.txt", 8, 8, 100}};

TEST_F(ReadingTest, UnpacksTheExampleContainerWithItsEvents) {
    const fs::path container = Write("example.loc", ExampleContainer);
    const fs::path target = MakeFolder("target");

    ASSERT_TRUE(MultiFile.ExtractFiles(container, target));

    EXPECT_EQ(Listing(target), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(Read(target / "a.txt"), "Hello");
    EXPECT_EQ(Read(target / "b.txt"), "abc");
    EXPECT_EQ(Events.Extracted, ExampleEvents);
    EXPECT_TRUE(Events.Written.empty());
}

TEST_F(ReadingTest, RecognisesAContainerAndReturnsItsDirectoryExactly) {
    const fs::path container = Write("example.loc", ExampleContainer);

    EXPECT_TRUE(MultiFile.IsCompactFile(container));
    EXPECT_EQ(MultiFile.CompactFileInfo(container), "a.txt\t0\t5\r\nb.txt\t5\t3\r\n0040\t*CompactFile*");
    EXPECT_EQ(MultiFile.ExtractFile2String(container, "b.txt"), "abc");
}

TEST_F(ReadingTest, EmptyContainerOf18BytesHasNoMembers) {
    const fs::path container = Write("empty.loc", "0018\t*CompactFile*");
    const fs::path target = MakeFolder("target");

    EXPECT_TRUE(MultiFile.IsCompactFile(container));
    EXPECT_EQ(MultiFile.CompactFileInfo(container), "0018\t*CompactFile*");
    EXPECT_TRUE(MultiFile.ExtractFiles(container, target));
    EXPECT_TRUE(Listing(target).empty());
    EXPECT_TRUE(Events.Extracted.empty());
}

TEST_F(ReadingTest, FileOf17BytesIsNeverAContainer) {
    const fs::path file = Write("short.loc", "018\t*CompactFile*");

    EXPECT_FALSE(MultiFile.IsCompactFile(file));
    EXPECT_FALSE(MultiFile.CompactFileInfo(file).has_value());
    EXPECT_FALSE(MultiFile.ExtractFiles(file, MakeFolder("target")));
    EXPECT_EQ(MultiFile.ExtractFile2String(file, "a.txt"), "");
}

TEST_F(ReadingTest, MarkerIsCaseSensitive) {
    std::string lowerCase = ExampleContainer;
    lowerCase.replace(lowerCase.size() - 13, 13, "*compactfile*");
    const fs::path file = Write("lower.loc", lowerCase);
    const fs::path target = MakeFolder("target");

    EXPECT_FALSE(MultiFile.IsCompactFile(file));
    EXPECT_FALSE(MultiFile.CompactFileInfo(file).has_value());
    EXPECT_FALSE(MultiFile.ExtractFiles(file, target));
    EXPECT_TRUE(Listing(target).empty());
}

TEST_F(ReadingTest, MissingContainerOrTargetFolderFails) {
    const fs::path container = Write("example.loc", ExampleContainer);

    EXPECT_FALSE(MultiFile.IsCompactFile(Folder / "missing.loc"));
    EXPECT_FALSE(MultiFile.CompactFileInfo(Folder / "missing.loc").has_value());
    EXPECT_FALSE(MultiFile.ExtractFiles(Folder / "missing.loc", MakeFolder("target")));
    EXPECT_FALSE(MultiFile.ExtractFiles(container, Folder / "no such folder"));
    EXPECT_EQ(MultiFile.ExtractFile2String(Folder / "missing.loc", "a.txt"), "");
    EXPECT_EQ(Listing(Folder), (std::vector<std::string>{"example.loc", "target"}));
}

TEST_F(ReadingTest, OnlyThisFileMatchesWithoutRegardToCaseAndRaisesNoEvent) {
    const fs::path container = Write("example.loc", ExampleContainer);
    const fs::path target = MakeFolder("target");

    ASSERT_TRUE(MultiFile.ExtractFiles(container, target, "B.TXT"));
    EXPECT_EQ(Listing(target), std::vector<std::string>{"b.txt"});
    EXPECT_EQ(Read(target / "b.txt"), "abc");

    ASSERT_TRUE(MultiFile.ExtractFiles(container, target, "c.txt"));
    EXPECT_EQ(Listing(target), std::vector<std::string>{"b.txt"});
    EXPECT_TRUE(Events.Extracted.empty());
}

TEST_F(ReadingTest, TargetPathEndingInASeparatorIsNotDoubled) {
    const fs::path container = Write("example.loc", ExampleContainer);
    MakeFolder("target");
    fs::path target = Folder / "target";
    target += fs::path::preferred_separator;

    ASSERT_TRUE(MultiFile.ExtractFiles(container, target));

    EXPECT_EQ(Listing(Folder / "target"), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(Read(Folder / "target" / "b.txt"), "abc");
}

TEST_F(ReadingTest, NamePresentTwice) {
    const fs::path container = Write("twice.loc", "FirstSecondx.txt\t0\t5\r\nx.txt\t5\t6\r\n0040\t*CompactFile*");
    const fs::path target = MakeFolder("target");

    EXPECT_EQ(MultiFile.ExtractFile2String(container, "X.TXT"), "First");
    ASSERT_TRUE(MultiFile.ExtractFiles(container, target));
    // Both are written in turn; the later one remains.
    EXPECT_EQ(Read(target / "x.txt"), "Second");
    EXPECT_EQ(Events.Extracted.size(), 2U);
}

TEST_F(ReadingTest, ExtractFile2StringOfAnAbsentMemberIsEmpty) {
    const fs::path container = Write("example.loc", ExampleContainer);

    EXPECT_EQ(MultiFile.ExtractFile2String(container, "c.txt"), "");
    EXPECT_EQ(MultiFile.ExtractFile2String(container, ""), "");
}

TEST_F(ReadingTest, ReplacesAnExistingFileInTheTargetFolder) {
    const fs::path container = Write("example.loc", ExampleContainer);
    Write("target/a.txt", "a longer old content");

    ASSERT_TRUE(MultiFile.ExtractFiles(container, Folder / "target"));

    EXPECT_EQ(Read(Folder / "target" / "a.txt"), "Hello");
}

TEST_F(ReadingTest, ReadsMembersInAnyDataOrderOfAnotherWriter) {
    // Members stored in the opposite order to the directory, which this class never writes.
    const fs::path container = Write("other.loc", "abcHelloa.txt\t3\t5\r\nb.txt\t0\t3\r\n0040\t*CompactFile*");
    const fs::path target = MakeFolder("target");

    ASSERT_TRUE(MultiFile.ExtractFiles(container, target));

    EXPECT_EQ(Read(target / "a.txt"), "Hello");
    EXPECT_EQ(Read(target / "b.txt"), "abc");
    EXPECT_EQ(Events.Extracted, ExampleEvents);
}

} // namespace
