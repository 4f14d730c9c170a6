#include "core/timelog/log_rewrite.h"

#include "core/io/file_layer.h"
#include "core/io/replace_beside.h"
#include "core/text/text_ids.h"

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

WithOutcome<std::optional<LogImage>> LoadLog(Host& host) {
    WithOutcome<LogFile> log = OpenLogFile(host, "rb");
    if (!log.value) return {std::nullopt, std::move(log.outcome)};
    WithOutcome<std::optional<LogImage>> loaded{ReadToEnd(log.value.get(), kLargestLogSize), std::nullopt};
    if (!loaded.value) loaded.outcome = LibraryMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
    return loaded;
}

std::optional<LogImage> ReadLogFile(const std::string& path) {
    const FileHandle file(Files().Open(path, "rb"));
    if (!file) return std::nullopt;
    return ReadToEnd(file.get(), kLargestLogSize);
}

Outcome RewriteLog(Host& host, std::span<const LogBytes> parts) {
    const std::string folder = host.ProgramFolder();
    const ReplaceResult result = ReplaceBeside(folder + kLogFileName, folder + kRewriteFileName, parts, KeepOld::AsBackup);
    if (result != ReplaceResult::Done) return LibraryMessage(MessageOf(result), kMessageStop);
    host.LogChanged();
    return std::nullopt;
}

EditResult RewriteEdit(Host& host, std::span<const LogBytes> parts) {
    if (Outcome failed = RewriteLog(host, parts)) return std::move(*failed);
    return EditResult::Done;
}

}  // namespace horalo
