#include "core/timelog/log_summary.h"

#include "core/io/byte_block.h"
#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"

namespace horalo {

LogSummary SummariseLog(LogBytes log) {
    LogSummary summary;
    for (std::size_t offset = 0; offset < log.size();) {
        const std::size_t end = RecordEnd(log, offset);
        if (end == offset) break;
        ++summary.records;
        if (RecordTag(log, offset) != TagOf(LogRecordType::MonthRecord))
            if (const std::optional<TimeValue> time = RecordTime(log, offset)) summary.lastTime = time;
        offset = end;
    }
    return summary;
}

std::optional<LogSummary> SummariseLogFile(const std::string& path) {
    const FileHandle file(Files().Open(path, "rb"));
    if (!file) return std::nullopt;
    const std::optional<ByteBlock> bytes = ReadToEnd(file.get(), kLargestLogSize);
    if (!bytes) return std::nullopt;
    return SummariseLog(*bytes);
}

}  // namespace horalo
