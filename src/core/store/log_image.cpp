#include "core/store/log_image.h"

#include <algorithm>

#include "core/store/file_layer.h"

namespace horalo {
namespace {

// A word that the end of the log may cut short; the missing bytes are zero.
std::uint32_t WordAt(LogBytes log, std::size_t offset) {
    if (offset <= log.size() && log.size() - offset >= 4) return LogWord(log.data() + offset);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        if (offset + i < log.size()) value |= static_cast<std::uint32_t>(log[offset + i]) << (8 * i);
    return value;
}

}  // namespace

std::optional<LogImage> ReadToEnd(std::FILE* file) {
    FileLayer& files = Files();
    const long start = files.Tell(file);
    if (start < 0 || !files.Seek(file, 0, SEEK_END)) return std::nullopt;
    const long end = files.Tell(file);
    if (end < start || !files.Seek(file, start, SEEK_SET)) return std::nullopt;
    // Read in pieces: the system reads ahead of a run of moderate reads,
    // while one large read of a file not in its cache waits for every part.
    constexpr std::size_t kPiece = 64 * 1024;
    LogImage image(static_cast<std::size_t>(end - start));
    for (std::size_t done = 0; done < image.size();) {
        const std::size_t piece = std::min(kPiece, image.size() - done);
        if (files.Read(file, image.data() + done, piece) != piece) return std::nullopt;
        done += piece;
    }
    return image;
}

// Must agree with DecodeRecord to the byte, as must RecordEnd; the fuzz
// target checks that they do.
std::size_t RecordEndNearTheEnd(LogBytes log, std::size_t offset) {
    const std::size_t size = log.size();
    if (offset > size || size - offset < 4) return offset;
    std::size_t payload = 0;
    switch (WordAt(log, offset)) {
    case 0: case 1: case 4: case 5: payload = 4; break;
    case 2: payload = 8; break;
    case 6: payload = 12; break;
    case 3: {
        // A length that does not fit the rest of the file takes all of it.
        const std::size_t text = offset + 12;
        const auto length = static_cast<std::int32_t>(WordAt(log, offset + 8));
        const std::size_t left = text < size ? size - text : 0;
        const bool fits = length >= 0 && static_cast<std::size_t>(length) + 1 <= left;
        return fits ? text + static_cast<std::size_t>(length) + 1 : size;
    }
    default: return offset + 4;
    }
    return offset + 4 + payload < size ? offset + 4 + payload : size;
}

std::optional<TimeValue> RecordTimeNearTheEnd(LogBytes log, std::size_t offset) {
    if (WordAt(log, offset) > 6) return std::nullopt;
    return static_cast<TimeValue>(WordAt(log, offset + 4));
}

bool IsRecordStart(LogBytes log, std::size_t position) {
    std::size_t offset = 0;
    while (offset < position) {
        const std::size_t end = RecordEnd(log, offset);
        if (end == offset) return false;
        offset = end;
    }
    return offset == position;
}

}  // namespace horalo
