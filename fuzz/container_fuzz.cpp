// Gives arbitrary bytes to every reading operation of clsMultiFile as a container file. Besides the sanitizers'
// findings it stops on anything written outside the target folder, or at all for a refused container.
#include "container/clsMultiFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

void Check(bool Condition) {
    if (!Condition)
        std::abort();
}

// The input file and the target folder, alone in a folder of their own that is removed at exit. Reading never
// reports writing, nor a counter that wrapped.
struct Work : clsMultiFileEvents {
    ~Work() override { fs::remove_all(Folder); }
    void FileWritten(const std::string&, int32_t, int32_t, int32_t) override { Check(false); }
    void FilesExtract(const std::string&, int32_t ToWrite, int32_t Written, int32_t Percent) override {
        Check(ToWrite >= 0 && Written >= 0 && Percent >= 0);
    }
    const fs::path Folder = fs::temp_directory_path() / ("hivora-fuzz-" + std::to_string(std::random_device{}()));
    const fs::path Container = Folder / "input.loc", Target = Folder / "target";
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static Work work;
    fs::create_directories(work.Target);
    std::ofstream(work.Container, std::ios::binary).write(reinterpret_cast<const char*>(Data), std::streamsize(Size));
    const clsMultiFile multiFile(&work);
    const bool isContainer = multiFile.IsCompactFile(work.Container);
    const auto directory = multiFile.CompactFileInfo(work.Container);
    const std::string firstName = directory ? directory->substr(0, directory->find_first_of("\t\r")) : "";
    Check((isContainer || !directory) && multiFile.ExtractFile2String(work.Container, firstName).size() <= Size);
    const bool extracted = multiFile.ExtractFiles(work.Container, work.Target);
    Check((isContainer || !extracted) && (extracted || fs::is_empty(work.Target)));
    multiFile.ExtractFiles(work.Container, work.Target, firstName);
    for (const auto& entry : fs::recursive_directory_iterator(work.Folder))
        Check(entry.path() == work.Container || entry.path() == work.Target ||
              (entry.path().parent_path() == work.Target && entry.is_regular_file()));
    fs::remove_all(work.Target);
    return 0;
}

#ifdef HIVORA_FUZZ_REPLAY
// Without libFuzzer: runs every file of the folders given once, so that the tests replay the starting corpus and
// every crash input found so far. An empty run means the folders were not found.
int main(int argc, char** argv) {
    int replayed = 0;
    for (int folder = 1; folder < argc; ++folder)
        for (const auto& entry : fs::directory_iterator(argv[folder])) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string input{std::istreambuf_iterator<char>(file), {}};
            replayed += !LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
        }
    return replayed > 0 ? 0 : 1;
}
#endif
