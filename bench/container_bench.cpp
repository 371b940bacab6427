// Driver for bench/container_bench.sh: packs every file of a folder into containers, or unpacks every container
// of a folder.   container_bench pack|unpack FROM_FOLDER TO_FOLDER
#include "container/clsMultiFile.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    std::vector<fs::path> files{fs::directory_iterator(argv[2]), fs::directory_iterator()};
    std::ranges::sort(files);
    fs::create_directories(argv[3]);
    clsMultiFile multiFile;
    const bool pack = std::string_view(argv[1]) == "pack";
    for (size_t index = 0; index < files.size(); ++index) {
        if (!(pack ? multiFile.AddFile(files[index]) : multiFile.ExtractFiles(files[index], argv[3])))
            return 1;
        // 250 lines of the benchmark's short names stay well within a directory's 9999 bytes.
        if (pack && (index % 250 == 249 || index + 1 == files.size())) {
            if (!multiFile.CompactFiles(fs::path(argv[3]) / std::to_string(index)))
                return 1;
            multiFile.Init();
        }
    }
    return 0;
}
