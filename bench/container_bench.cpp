// Driver for bench/container_bench.sh: generates the data sets and packs or unpacks a folder with clsMultiFile.
//   container_bench generate large|small FOLDER
//   container_bench pack SOURCE_FOLDER CONTAINER_FOLDER
//   container_bench unpack CONTAINER_FOLDER TARGET_FOLDER
#include "container/clsMultiFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void WriteRandomFile(const fs::path& Path, size_t Size, std::mt19937_64& Random) {
    std::vector<uint64_t> chunk(size_t{1} << 17);
    std::ofstream file(Path, std::ios::binary);
    for (size_t left = Size; left > 0;) {
        const size_t bytes = std::min(left, chunk.size() * sizeof(uint64_t));
        std::ranges::generate(chunk, std::ref(Random));
        file.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(bytes));
        left -= bytes;
    }
}

// About 1 GiB in 64 files, or 20,000 files of 1 to 16 KiB.
void Generate(const std::string& Set, const fs::path& Folder) {
    fs::create_directories(Folder);
    std::mt19937_64 random(2024);
    char name[32];
    if (Set == "large") {
        for (int index = 0; index < 64; ++index) {
            std::snprintf(name, sizeof name, "large%02d.bin", index);
            WriteRandomFile(Folder / name, size_t{16} << 20, random);
        }
    } else {
        std::uniform_int_distribution<size_t> size(1024, 16 * 1024);
        for (int index = 0; index < 20000; ++index) {
            std::snprintf(name, sizeof name, "small%05d.bin", index);
            WriteRandomFile(Folder / name, size(random), random);
        }
    }
}

// Packs every file of a folder, starting another container before the directory could outgrow its 9999 bytes.
// Counting each line at its largest (ten digits for offset and size) spares looking up every file's length.
bool Pack(const fs::path& Source, const fs::path& Containers) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Source))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    fs::create_directories(Containers);

    clsMultiFile multiFile;
    int containerCount = 0;
    size_t directoryLength = 18;
    const auto flush = [&] {
        const fs::path container = Containers / ("part" + std::to_string(containerCount++) + ".loc");
        const bool written = multiFile.CompactFiles(container);
        multiFile.Init();
        directoryLength = 18;
        return written;
    };
    for (const std::string& name : names) {
        const size_t lineLength = name.size() + 10 + 10 + 4;
        if (directoryLength + lineLength > 9999 && !flush())
            return false;
        if (!multiFile.AddFile(Source / name))
            return false;
        directoryLength += lineLength;
    }
    return directoryLength == 18 || flush();
}

bool Unpack(const fs::path& Containers, const fs::path& Target) {
    fs::create_directories(Target);
    const clsMultiFile multiFile;
    for (const auto& entry : fs::directory_iterator(Containers)) {
        if (!multiFile.ExtractFiles(entry.path(), Target))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 3 && arguments[0] == "generate") {
        Generate(arguments[1], arguments[2]);
        return 0;
    }
    if (arguments.size() == 3 && arguments[0] == "pack")
        return Pack(arguments[1], arguments[2]) ? 0 : 1;
    if (arguments.size() == 3 && arguments[0] == "unpack")
        return Unpack(arguments[1], arguments[2]) ? 0 : 1;
    std::fputs("usage: container_bench generate large|small FOLDER | pack SOURCE CONTAINERS | unpack CONTAINERS "
               "TARGET\n",
               stderr);
    return 2;
}
