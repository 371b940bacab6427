// Writing containers: the exact layout, the progress events and what the pending list holds.
#include "ContainerTestSupport.h"

namespace {

using FormatWritingTest = ContainerTest;

TEST_F(FormatWritingTest, WritesTheExampleContainerByteForByteWithItsEvents) {
    ASSERT_TRUE(MultiFile.AddFile(Write("a.txt", "Hello")));
    ASSERT_TRUE(MultiFile.AddFile(Write("b.txt", "abc")));

    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "example.loc"));

    EXPECT_EQ(Read(Folder / "example.loc"), ExampleContainer);
    const std::vector<RecordedEvent> expected{{"a.txt", 8, 5, 62}, {"b.txt", 8, 8, 100}};
    EXPECT_EQ(Events.Written, expected);
    EXPECT_TRUE(Events.Extracted.empty());
}

TEST_F(FormatWritingTest, PercentRoundsHalvesToTheEvenNeighbour) {
    ASSERT_TRUE(MultiFile.AddFile(Write("one", "1")));
    ASSERT_TRUE(MultiFile.AddFile(Write("two", "22")));
    ASSERT_TRUE(MultiFile.AddFile(Write("five", "55555")));

    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "out.loc"));

    // 12.5 % and 37.5 %.
    const std::vector<RecordedEvent> expected{{"one", 8, 1, 12}, {"two", 8, 3, 38}, {"five", 8, 8, 100}};
    EXPECT_EQ(Events.Written, expected);
}

TEST_F(FormatWritingTest, KeepsTheNameAsQueuedAndLargeMembersWhole) {
    // Larger than the copy buffer and not a multiple of it, between two small members.
    std::string large(3 * 1024 * 1024 + 17, '\0');
    std::mt19937 random(7);
    std::ranges::generate(large, [&] { return static_cast<char>(random()); });
    ASSERT_TRUE(MultiFile.AddFile(Write("First.TXT", "1")));
    ASSERT_TRUE(MultiFile.AddFile(Write("Large.bin", large)));
    ASSERT_TRUE(MultiFile.AddFile(Write("last", "22")));

    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "out.loc"));

    const std::string size = std::to_string(large.size());
    const std::string directory =
        "First.TXT\t0\t1\r\nLarge.bin\t1\t" + size + "\r\nlast\t" + std::to_string(large.size() + 1) + "\t2\r\n";
    EXPECT_EQ(Read(Folder / "out.loc"),
              "1" + large + "22" + directory + "00" + std::to_string(directory.size() + 18) + "\t*CompactFile*");
}

TEST_F(FormatWritingTest, RefusesAnEmptyFileAndWritesNothingWithoutQueuedFiles) {
    const fs::path existing = Write("out.loc", "keep me");

    EXPECT_FALSE(MultiFile.AddFile(Write("empty.txt", "")));
    EXPECT_FALSE(MultiFile.CompactFiles(existing));

    EXPECT_EQ(Read(existing), "keep me");
}

TEST_F(FormatWritingTest, RefusesMissingFilesAndPathsWithoutAFolder) {
    Write("a.txt", "Hello");
    const fs::path previous = fs::current_path();
    fs::current_path(Folder);
    const bool withoutFolder = MultiFile.AddFile("a.txt");
    const bool withFolder = MultiFile.AddFile(fs::path(".") / "a.txt");
    // The queued file is still found after the current folder has changed.
    fs::current_path(previous);

    EXPECT_FALSE(withoutFolder);
    EXPECT_TRUE(withFolder);
    EXPECT_FALSE(MultiFile.AddFile(Folder / "missing.txt"));
    EXPECT_FALSE(MultiFile.AddFile(Folder));
    // The failures left the queue as it was: one member at offset 0.
    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "out.loc"));
    EXPECT_EQ(Read(Folder / "out.loc"), "Helloa.txt\t0\t5\r\n0029\t*CompactFile*");
}

TEST_F(FormatWritingTest, ReplacesAnExistingContainerInsteadOfAppending) {
    const fs::path container = Write("example.loc", std::string(100, 'x'));
    ASSERT_TRUE(MultiFile.AddFile(Write("a.txt", "Hello")));
    ASSERT_TRUE(MultiFile.AddFile(Write("b.txt", "abc")));

    ASSERT_TRUE(MultiFile.CompactFiles(container));

    EXPECT_EQ(Read(container), ExampleContainer);
    EXPECT_EQ(Listing(Folder), (std::vector<std::string>{"a.txt", "b.txt", "example.loc"}));
}

TEST_F(FormatWritingTest, KeepsThePendingListUntilInit) {
    ASSERT_TRUE(MultiFile.AddFile(Write("a.txt", "Hello")));
    ASSERT_TRUE(MultiFile.AddFile(Write("b.txt", "abc")));
    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "first.loc"));

    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "second.loc"));
    EXPECT_EQ(Read(Folder / "second.loc"), ExampleContainer);

    MultiFile.Init();
    EXPECT_FALSE(MultiFile.CompactFiles(Folder / "third.loc"));
    EXPECT_FALSE(fs::exists(Folder / "third.loc"));
    ASSERT_TRUE(MultiFile.AddFile(Folder / "b.txt"));
    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "fourth.loc"));
    EXPECT_EQ(Read(Folder / "fourth.loc"), "abcb.txt\t0\t3\r\n0029\t*CompactFile*");
}

TEST_F(FormatWritingTest, QueuesTheSameFileTwice) {
    const fs::path file = Write("a.txt", "Hello");
    ASSERT_TRUE(MultiFile.AddFile(file));
    ASSERT_TRUE(MultiFile.AddFile(file));

    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "out.loc"));

    EXPECT_EQ(Read(Folder / "out.loc"), "HelloHelloa.txt\t0\t5\r\na.txt\t5\t5\r\n0040\t*CompactFile*");
}

TEST_F(FormatWritingTest, ReadsBackWhatItWrites) {
    ASSERT_TRUE(MultiFile.AddFile(Write("in/a.txt", "Hello")));
    ASSERT_TRUE(MultiFile.AddFile(Write("in/sub/b.txt", "abc")));
    ASSERT_TRUE(MultiFile.CompactFiles(Folder / "out.loc"));

    ASSERT_TRUE(MultiFile.ExtractFiles(Folder / "out.loc", MakeFolder("unpacked")));

    EXPECT_EQ(Listing(Folder / "unpacked"), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(Read(Folder / "unpacked" / "a.txt"), "Hello");
    EXPECT_EQ(Read(Folder / "unpacked" / "b.txt"), "abc");
    EXPECT_EQ(Events.Extracted, Events.Written);
}

} // namespace
