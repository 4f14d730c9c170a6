#pragma once
// The logs that rewrites kept (core/io/backups.h): what a list of them tells
// of each, and putting one back.
#include <cstddef>
#include <optional>
#include <string>

#include "core/host.h"
#include "core/outcome.h"
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

enum class RestoreResult {
    Done,
    Unreadable,  // the kept log cannot be read; nothing was changed
    NotWritten,  // the rewrite failed (the outcome says why); the log is unchanged
};

// Makes the kept log at `backupPath` the log, in a rewrite like any other:
// the log it replaces is kept as a backup first, and the windows are told.
WithOutcome<RestoreResult> RestoreLog(Host& host, const std::string& backupPath);

}  // namespace horalo
