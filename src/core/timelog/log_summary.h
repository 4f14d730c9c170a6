#pragma once
// What a list of backups tells of each kept log: how many records it holds
// and the day of its last dated record.
#include <cstddef>
#include <optional>
#include <string>

#include "core/timelog/log_record.h"

namespace horalo {

struct LogSummary {
    std::size_t records = 0;
    std::optional<TimeValue> lastTime;  // the last record's time; month records carry none
};

LogSummary SummariseLog(LogBytes log);

// The log in the file at `path`; none when it cannot be read whole or holds
// more than kLargestLogSize bytes.
std::optional<LogSummary> SummariseLogFile(const std::string& path);

}  // namespace horalo
