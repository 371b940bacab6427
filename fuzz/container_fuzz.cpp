// Gives arbitrary bytes to every reading operation of clsMultiFile as a container file. Besides the sanitizers'
// findings it stops on anything written outside the target folder, and on anything written at all for a
// container that was refused.
#include "container/clsMultiFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

void Check(bool Condition) {
    if (!Condition)
        std::abort();
}

class ProgressCheck : public clsMultiFileEvents {
public:
    void FileWritten(const std::string&, int32_t, int32_t, int32_t) override { Check(false); }
    void FilesExtract(const std::string&, int32_t ByteToWrite, int32_t ByteWritten, int32_t PercentWritten) override {
        Check(ByteToWrite >= 0 && ByteWritten >= 0 && PercentWritten >= 0);
    }
};

// The input file and the target folder, alone in a folder of their own that is removed at exit.
struct WorkFolder {
    WorkFolder() { fs::create_directories(Target); }
    ~WorkFolder() {
        std::error_code error;
        fs::remove_all(Folder, error);
    }
    const fs::path Folder =
        fs::temp_directory_path() / ("hivora-container-fuzz-" + std::to_string(std::random_device{}()));
    const fs::path Container = Folder / "input.loc";
    const fs::path Target = Folder / "target";
};

// The first member name of a directory text, to ask for that member by name.
std::string FirstName(const std::optional<std::string>& Directory) {
    return Directory ? Directory->substr(0, Directory->find_first_of("\t\r")) : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const WorkFolder work;
    std::ofstream(work.Container, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));

    ProgressCheck events;
    const clsMultiFile multiFile(&events);
    const bool isContainer = multiFile.IsCompactFile(work.Container);
    const auto directory = multiFile.CompactFileInfo(work.Container);
    Check(isContainer || !directory);
    const std::string name = FirstName(directory);
    Check(multiFile.ExtractFile2String(work.Container, name).size() <= Size);
    const bool extracted = multiFile.ExtractFiles(work.Container, work.Target);
    Check(isContainer || !extracted);
    Check(extracted || fs::is_empty(work.Target));
    multiFile.ExtractFiles(work.Container, work.Target, name);

    for (const auto& entry : fs::recursive_directory_iterator(work.Folder)) {
        const fs::path& path = entry.path();
        Check(path == work.Container || path == work.Target ||
              (path.parent_path() == work.Target && entry.is_regular_file()));
    }
    for (const auto& entry : fs::directory_iterator(work.Target))
        fs::remove(entry.path());
    return 0;
}
