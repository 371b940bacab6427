#include "container/MultiFilePlatform.h"

#include <algorithm>

namespace MultiFilePlatform {

Path Join(const Path& Folder, const Path& Name) {
    Path joined = Folder;
    if (joined.empty() || !IsSeparator(joined.back()))
        joined += Separator;
    return joined + Name;
}

bool File::AppendThroughBuffer(const File& From, int64_t Offset, int64_t Count, char* Buffer, size_t BufferSize) {
    while (Count > 0) {
        const auto chunk = static_cast<size_t>(std::min<int64_t>(Count, static_cast<int64_t>(BufferSize)));
        if (!From.ReadAt(Offset, Buffer, chunk) || !Append(Buffer, chunk))
            return false;
        Offset += static_cast<int64_t>(chunk);
        Count -= static_cast<int64_t>(chunk);
    }
    return true;
}

} // namespace MultiFilePlatform
