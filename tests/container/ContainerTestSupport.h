#pragma once

#include "container/clsMultiFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

struct RecordedEvent {
    std::string FileName;
    int32_t ByteToWrite;
    int32_t ByteWritten;
    int32_t PercentWritten;
    bool operator==(const RecordedEvent&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const RecordedEvent& event) {
        return out << '(' << event.FileName << ", " << event.ByteToWrite << ", " << event.ByteWritten << ", "
                   << event.PercentWritten << ')';
    }
};

class EventLog : public clsMultiFileEvents {
public:
    std::vector<RecordedEvent> Written;
    std::vector<RecordedEvent> Extracted;

    void FileWritten(const std::string& FileName, int32_t ByteToWrite, int32_t ByteWritten,
                     int32_t PercentWritten) override {
        Written.push_back({FileName, ByteToWrite, ByteWritten, PercentWritten});
    }
    void FilesExtract(const std::string& FileName, int32_t ByteToWrite, int32_t ByteWritten,
                      int32_t PercentWritten) override {
        Extracted.push_back({FileName, ByteToWrite, ByteWritten, PercentWritten});
    }
};

// The 48-byte container of a.txt ("Hello") and b.txt ("abc"), written out by hand.
inline const std::string ExampleContainer =
    std::string("Hello") + "abc" + "a.txt\t0\t5\r\n" + "b.txt\t5\t3\r\n" + "0040\t*CompactFile*";

// Every test works in a fresh folder of its own under the system's temporary folder.
class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device entropy;
        Folder = fs::temp_directory_path() / ("hivora-container-test-" + std::to_string(entropy()));
        fs::create_directories(Folder);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(Folder, error);
    }

    fs::path Write(const fs::path& RelativePath, std::string_view Content) const {
        const fs::path path = Folder / RelativePath;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(Content.data(), std::ssize(Content));
        return path;
    }

    fs::path MakeFolder(const fs::path& RelativePath) const {
        fs::create_directories(Folder / RelativePath);
        return Folder / RelativePath;
    }

    static std::string Read(const fs::path& Path) {
        std::ifstream file(Path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Every file and folder below a folder, relative to it and sorted, to see exactly what was written.
    static std::vector<std::string> Listing(const fs::path& Where) {
        std::vector<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(Where))
            entries.push_back(entry.path().lexically_relative(Where).generic_string());
        std::ranges::sort(entries);
        return entries;
    }

    fs::path Folder;
    EventLog Events;
    clsMultiFile MultiFile{&Events};
};
