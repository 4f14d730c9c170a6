#include "core/io/backups.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/calendar/local_time.h"
#include "core/io/file_layer.h"

namespace horalo {
namespace {

namespace fs = std::filesystem;

constexpr char kBackupEnd[] = ".bak";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Stamp(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return "00000000-000000";
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

bool Digits(const std::string& text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) return false;
    return std::all_of(text.begin() + static_cast<long>(from), text.begin() + static_cast<long>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

int Number(const std::string& text, std::size_t from, std::size_t count) {
    return std::stoi(text.substr(from, count));
}

// The time and the same-second number of a backup's name, none for a file
// that is not a backup of `fileName`.
bool ParseName(const std::string& name, const std::string& fileName, TimeValue& time, int& number) {
    const std::size_t stampAt = fileName.size() + 1;
    const std::size_t end = name.size() - (sizeof kBackupEnd - 1);
    if (name.size() < stampAt + kStampLength + sizeof kBackupEnd - 1 ||
        name.compare(0, fileName.size(), fileName) != 0 || name[fileName.size()] != '.' ||
        name.compare(end, std::string::npos, kBackupEnd) != 0)
        return false;
    if (!Digits(name, stampAt, 8) || name[stampAt + 8] != '-' || !Digits(name, stampAt + 9, 6)) return false;
    number = 1;
    const std::size_t rest = stampAt + kStampLength;
    if (rest != end) {
        const std::size_t digits = end - rest - 1;
        if (name[rest] != '-' || digits == 0 || digits > 6 || !Digits(name, rest + 1, digits)) return false;
        number = Number(name, rest + 1, digits);
    }
    const long long made =
        MakeLocalTime(Number(name, stampAt, 4), Number(name, stampAt + 4, 2) - 1, Number(name, stampAt + 6, 2),
                      Number(name, stampAt + 9, 2), Number(name, stampAt + 11, 2), Number(name, stampAt + 13, 2),
                      DaylightSaving::FromCalendar);
    time = made;
    return made >= 0;
}

}  // namespace

std::string BackupFolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const char separator = slash == std::string::npos ? '/' : path[slash];
    return folder + kBackupFolder + separator;
}

std::vector<BackupFile> ListBackups(const std::string& path) {
    const std::string folder = BackupFolderOf(path), fileName = FileNameOf(path);
    struct Found {
        BackupFile file;
        int number;
    };
    std::vector<Found> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored)) continue;
        Found backup{{it->path().filename().string(), {}, 0, 0}, 1};
        if (!ParseName(backup.file.name, fileName, backup.file.time, backup.number)) continue;
        backup.file.path = folder + backup.file.name;
        const std::uintmax_t size = it->file_size(ignored);
        backup.file.size = ignored ? 0 : size;
        found.push_back(std::move(backup));
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.file.time != b.file.time ? a.file.time > b.file.time : a.number > b.number;
    });
    std::vector<BackupFile> backups;
    for (Found& f : found) backups.push_back(std::move(f.file));
    return backups;
}

std::vector<bool> BackupsToRemove(std::span<const BackupFile> backups, TimeValue now, std::uint64_t currentSize) {
    const auto young = [&](std::size_t i) {
        return i == 0 || (i < kMostBackups && now - backups[i].time <= kBackupKeepSeconds);
    };
    std::uint64_t largest = currentSize;
    for (std::size_t i = 0; i < backups.size(); ++i)
        if (young(i)) largest = std::max(largest, backups[i].size);
    std::vector<bool> remove(backups.size(), false);
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < backups.size(); ++i) {
        total += backups[i].size;
        remove[i] = i > 0 && (!young(i) || total > kBackupSizeFactor * largest);
    }
    return remove;
}

std::string NewBackupPath(const std::string& path, TimeValue now) {
    const std::string folder = BackupFolderOf(path);
    std::error_code error;
    // Nothing to keep: no folder made for it either.
    if (!fs::exists(path, error)) return {};
    fs::create_directory(folder, error);
    if (!fs::is_directory(folder, error)) return {};
    const std::string base = folder + FileNameOf(path) + '.' + Stamp(now);
    std::string backup = base + kBackupEnd;
    for (int number = 2; fs::exists(backup, error) && number < 1000; ++number)
        backup = base + '-' + std::to_string(number) + kBackupEnd;
    return backup;
}

void PruneBackups(const std::string& path, TimeValue now) {
    const std::vector<BackupFile> backups = ListBackups(path);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    const std::vector<bool> remove = BackupsToRemove(backups, now, error ? 0 : size);
    for (std::size_t i = 0; i < backups.size(); ++i)
        if (remove[i]) Files().Remove(backups[i].path);
}

}  // namespace horalo
