#include "core/timelog/log_backups.h"

#include "core/io/byte_block.h"
#include "core/io/file_layer.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"

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
    const std::optional<ByteBlock> bytes = ReadLogFile(path);
    if (!bytes) return std::nullopt;
    return SummariseLog(*bytes);
}

WithOutcome<RestoreResult> RestoreLog(Host& host, const std::string& backupPath) {
    const std::optional<ByteBlock> bytes = ReadLogFile(backupPath);
    if (!bytes) return {RestoreResult::Unreadable, std::nullopt};
    const LogBytes parts[] = {*bytes};
    if (Outcome failed = RewriteLog(host, parts)) return {RestoreResult::NotWritten, std::move(failed)};
    return {RestoreResult::Done, std::nullopt};
}

}  // namespace horalo
