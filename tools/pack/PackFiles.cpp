// Packs files into a container as the program reads it:
//   hivora_pack CONTAINER FILE...
// The build makes HIVORA.LOC with it from the language files.
#include "container/clsMultiFile.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: hivora_pack CONTAINER FILE...\n", stderr);
        return 2;
    }
    clsMultiFile container;
    for (int index = 2; index < argc; ++index) {
        if (!container.AddFile(argv[index])) {
            std::fprintf(stderr, "hivora_pack: cannot add %s\n", argv[index]);
            return 1;
        }
    }
    if (!container.CompactFiles(argv[1])) {
        std::fprintf(stderr, "hivora_pack: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
