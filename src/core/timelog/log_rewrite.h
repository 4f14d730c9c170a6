#pragma once
// Every change of the log other than an append writes the whole new log into
// horalo_b.log, flushes it to the disk and then puts it in the place of
// horalo.log in one step, so that whatever fails, horalo.log is the old log
// or the new one, whole.
#include <optional>
#include <span>

#include "core/host.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_record.h"
#include "core/timelog/record_ref.h"

namespace horalo {

// The whole log, read in one block; none (with string 6019) when it cannot
// be opened or read, or holds more than kLargestLogSize bytes.
WithOutcome<std::optional<LogImage>> LoadLog(Host& host);

// A log file read whole and closed again, so a replace may follow; none,
// silently, when it is missing, cannot be read or holds more than
// kLargestLogSize bytes. For reads whose failure the next write reports.
std::optional<LogImage> ReadLogFile(const std::string& path);

// Makes `parts`, one after the other, the new log. Messages: 6019 when the
// rewrite file cannot be made, 6022 when a write, the flush or the close
// fails, 6020 when the log is in use or protected, else 6021; the log is
// then unchanged.
Outcome RewriteLog(Host& host, std::span<const LogBytes> parts);
// The same for an edit by reference: Done, or Failed with the message.
EditResult RewriteEdit(Host& host, std::span<const LogBytes> parts);

}  // namespace horalo
