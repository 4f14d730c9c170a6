#include "core/io/byte_block.h"

#include <algorithm>

#include "core/io/file_layer.h"

namespace horalo {

bool ReadToEnd(std::FILE* file, ByteBlock& block, std::size_t largest) {
    FileLayer& files = Files();
    const long start = files.Tell(file);
    const long end = start < 0 ? -1 : FileLength(file);
    if (start < 0 || end < start || static_cast<unsigned long>(end - start) > largest) return false;
    // Read in pieces: the system reads ahead of a run of moderate reads,
    // while one large read of a file not in its cache waits for every part.
    constexpr std::size_t kPiece = 64 * 1024;
    block.Resize(static_cast<std::size_t>(end - start));
    for (std::size_t done = 0; done < block.size();) {
        const std::size_t piece = std::min(kPiece, block.size() - done);
        if (files.Read(file, block.data() + done, piece) != piece) return false;
        done += piece;
    }
    return true;
}

std::optional<ByteBlock> ReadToEnd(std::FILE* file, std::size_t largest) {
    ByteBlock block;
    if (!ReadToEnd(file, block, largest)) return std::nullopt;
    return block;
}

}  // namespace horalo
