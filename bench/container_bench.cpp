// Driver for bench/container_bench.sh: packs every file of a folder into containers, or unpacks every container
// of a folder.   container_bench pack|unpack FROM_FOLDER TO_FOLDER
#include "container/clsMultiFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const std::string mode = argc == 4 ? argv[1] : "";
    if (mode != "pack" && mode != "unpack") {
        std::fputs("usage: container_bench pack|unpack FROM_FOLDER TO_FOLDER\n", stderr);
        return 2;
    }
    std::vector<fs::path> files{fs::directory_iterator(argv[2]), fs::directory_iterator()};
    std::ranges::sort(files);
    fs::create_directories(argv[3]);
    clsMultiFile multiFile;
    if (mode == "unpack") {
        const auto unpack = [&](const fs::path& file) { return multiFile.ExtractFiles(file, argv[3]); };
        return std::ranges::all_of(files, unpack) ? 0 : 1;
    }
    // Another container starts before the directory could outgrow its 9999 bytes; counting each line at its
    // largest (ten digits for offset and size) spares looking up every file's length.
    size_t directoryLength = 18;
    int containers = 0;
    const auto compact = [&] {
        const bool written = multiFile.CompactFiles(fs::path(argv[3]) / ("part" + std::to_string(containers++)));
        multiFile.Init();
        directoryLength = 18;
        return written;
    };
    for (const fs::path& file : files) {
        const size_t lineLength = file.filename().string().size() + 10 + 10 + 4;
        if (directoryLength + lineLength > 9999 && !compact())
            return 1;
        if (!multiFile.AddFile(file))
            return 1;
        directoryLength += lineLength;
    }
    return directoryLength == 18 || compact() ? 0 : 1;
}
