#include "core/timelog/log_rewrite.h"

#include "core/io/file_layer.h"
#include "core/io/replace_beside.h"
#include "resource_ids.h"

namespace horalo {
namespace {

unsigned MessageOf(ReplaceResult result) {
    switch (result) {
    case ReplaceResult::CannotCreate: return IDS_LOG_OPEN_FAILED;
    case ReplaceResult::WriteFailed: return IDS_LOG_WRITE_FAILED;
    case ReplaceResult::InUse: return IDS_LOG_IN_USE;
    default: return IDS_LOG_RENAME_FAILED;
    }
}

}  // namespace

std::optional<LogImage> LoadLog(Host& host) {
    LogFile log = OpenLogFile(host, "rb");
    if (!log) return std::nullopt;
    auto bytes = ReadToEnd(log.get(), kLargestLogSize);
    if (!bytes) host.ShowMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
    return bytes;
}

std::optional<LogImage> ReadLogFile(const std::string& path) {
    const FileHandle file(Files().Open(path, "rb"));
    if (!file) return std::nullopt;
    return ReadToEnd(file.get(), kLargestLogSize);
}

bool RewriteLog(Host& host, std::span<const LogBytes> parts) {
    const std::string folder = host.ProgramFolder();
    const ReplaceResult result = ReplaceBeside(folder + kLogFileName, folder + kRewriteFileName, parts, KeepOld::AsBackup);
    if (result == ReplaceResult::Done) {
        host.LogChanged();
        return true;
    }
    host.ShowMessage(MessageOf(result), kMessageStop);
    return false;
}

EditResult RewriteEdit(Host& host, std::span<const LogBytes> parts) {
    return RewriteLog(host, parts) ? EditResult::Done : EditResult::Failed;
}

}  // namespace horalo
