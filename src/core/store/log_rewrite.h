#pragma once
// Every change of the log other than an append writes the whole new log into
// horalo_b.log, flushes it to the disk and then puts it in the place of
// horalo.log in one step, so that whatever fails, horalo.log is the old log
// or the new one, whole.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/host.h"
#include "core/store/log_image.h"
#include "core/store/log_record.h"

namespace horalo {

// Copies `count` bytes from the source's position to the target's in one
// block. A failed write shows string 6022; a short read means the source
// changed under us and fails without a message.
bool CopyBytes(Host& host, std::FILE* source, std::FILE* target, long count);

// Replaces horalo.log by horalo_b.log in one step. When that fails, shows
// 6020 if the log is in use or protected, else 6021; the log stays whole.
bool CommitRewrite(Host& host);

// Flushes the rewrite file to the disk, closes it and commits. A failed
// flush or close shows 6022 and leaves the log unchanged.
bool FinishRewrite(Host& host, LogFile rewrite);

// The whole log, read in one block; none (with string 6019) when it cannot
// be opened or read.
std::optional<LogImage> LoadLog(Host& host);

// Makes `parts`, one after the other, the new log: writes them into a fresh
// rewrite file, flushes it to the disk, closes it and commits. A failed write,
// flush or close shows 6022 and leaves the log unchanged.
bool RewriteLog(Host& host, std::span<const LogBytes> parts);

}  // namespace horalo
