#include "core/timelog/cut_record.h"

#include "core/calendar/calendar_date.h"
#include "core/io/byte_block.h"
#include "core/io/file_layer.h"
#include "core/io/replace_beside.h"
#include "core/text/format_text.h"
#include "core/timelog/log_image.h"
#include "core/timelog/log_rewrite.h"
#include "core/text/text_ids.h"

namespace horalo {
namespace {

bool Exists(const std::string& path) {
    FileHandle file(Files().Open(path, "rb"));
    return file != nullptr;
}

// A name that no earlier cut file has: two cuts within one second get a
// number behind the time.
std::string FreeCutPath(const std::string& folder, TimeValue now) {
    const std::string base = folder + CutFileName(now);
    std::string path = base;
    for (int n = 2; Exists(path); ++n) path = base + "-" + std::to_string(n);
    return path;
}

bool WriteCutFile(const std::string& path, ByteSpan bytes) {
    FileHandle file(Files().Open(path, "wb"));
    if (!file) return false;
    const bool written = Files().Write(file.get(), bytes.data(), bytes.size()) == bytes.size() &&
                         Files().FlushToDisk(file.get());
    const bool closed = Files().Close(file.release());
    if (written && closed) return true;
    Files().Remove(path);
    return false;
}

Message Told(Host& host, unsigned stringId, const std::string& path, std::size_t bytes, unsigned style) {
    const std::string format = host.LoadText(stringId);
    return {stringId, FormatString(format.c_str(), static_cast<unsigned>(bytes), path.c_str()), style};
}

LogEndCheck Refused(Host& host, unsigned stringId, const std::string& path, std::size_t bytes) {
    return {false, Told(host, stringId, path, bytes, kMessageStop)};
}

}  // namespace

std::string CutFileName(TimeValue now) {
    CalendarDate local;
    if (!ToCalendarDate(now, local)) local = CalendarDate();
    return FormatString("%s.cut-%04d%02d%02d-%02d%02d%02d", kLogFileName, local.year, local.month + 1, local.day,
                        local.hour, local.minute, local.second);
}

LogEndCheck SetAsideCutRecord(Host& host) {
    const std::string folder = host.ProgramFolder();
    const std::string logPath = folder + kLogFileName;
    // No log yet, or none to be read: the first append says what is wrong.
    const std::optional<LogImage> image = ReadLogFile(logPath);
    if (!image) return {};
    const LogBytes log(*image);
    const auto cut = CutRecordStart(log);
    if (!cut) return {};
    const std::size_t cutBytes = log.size() - *cut;
    if (!IsInterruptedAppend(log.subspan(*cut))) return Refused(host, IDS_LOG_DAMAGED_END, logPath, cutBytes);
    const std::string cutPath = FreeCutPath(folder, Now());
    if (!WriteCutFile(cutPath, log.subspan(*cut))) return Refused(host, IDS_LOG_CUT_NOT_SET_ASIDE, logPath, cutBytes);
    const LogBytes kept[] = {log.first(*cut)};
    if (ReplaceBeside(logPath, folder + kRewriteFileName, kept) != ReplaceResult::Done) {
        // The log still holds the bytes; a copy of them beside it would only mislead.
        Files().Remove(cutPath);
        return Refused(host, IDS_LOG_CUT_NOT_SET_ASIDE, logPath, cutBytes);
    }
    host.LogChanged();
    return {true, Told(host, IDS_LOG_CUT_SET_ASIDE, cutPath, cutBytes, kMessageInformation)};
}

}  // namespace horalo
