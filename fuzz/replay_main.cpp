// Runs the fuzz target once on every file of the folders given, as libFuzzer would, so that the starting corpus and
// every crash input found so far are replayed by the ordinary test run.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

int main(int argc, char** argv) {
    int replayed = 0;
    for (int folder = 1; folder < argc; ++folder) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[folder])) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> input{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
            ++replayed;
        }
    }
    std::cout << "replayed " << replayed << " inputs\n";
    // An empty run means the folders were not found.
    return replayed > 0 ? 0 : 1;
}
