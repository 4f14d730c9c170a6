#pragma once
// Every rewrite of a file that holds the user's data keeps the file it
// replaces in the folder `backups` beside it, as
// `NAME.YYYYMMDD-HHMMSS.bak` in local time (`-2`, `-3`, ... behind the time
// when several fall in one second), so a change regretted later can be
// taken back. Keeping a backup, and pruning old ones, never fails the
// rewrite itself.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/clock.h"

namespace horalo {

inline constexpr char kBackupFolder[] = "backups";

struct BackupFile {
    std::string name;        // the file name within the backup folder
    std::string path;        // the whole path
    TimeValue time = 0;      // when it was made, read from its name
    std::uint64_t size = 0;
};

// The folder that holds the backups of `path` (with a separator at the end).
std::string BackupFolderOf(const std::string& path);

// The backups of `path`, newest first; none when the folder is missing.
std::vector<BackupFile> ListBackups(const std::string& path);

// Kept: the backups of the last 14 days, at most the 30 newest, and never
// more than 20 times the file's size all together; beyond that the oldest go
// first. The size is the largest of the file and its backups within those
// days and that count: a large deletion followed by small changes must not
// push out the log from before it, while the backups stay bounded. The
// newest backup stays however old: it holds what the last change replaced.
inline constexpr TimeValue kBackupKeepSeconds = 14 * 24 * 60 * 60;
inline constexpr std::size_t kMostBackups = 30;
inline constexpr std::uint64_t kBackupSizeFactor = 20;

// Which of `backups` (newest first) the rules remove, one flag each.
std::vector<bool> BackupsToRemove(std::span<const BackupFile> backups, TimeValue now, std::uint64_t currentSize);

// A free path for a backup of `path` made at `now`, its folder made; empty
// when there is no file at `path` or the folder cannot be made.
std::string NewBackupPath(const std::string& path, TimeValue now);

// Removes what the rules remove; a backup that cannot be removed stays.
void PruneBackups(const std::string& path, TimeValue now);

}  // namespace horalo
