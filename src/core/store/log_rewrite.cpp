#include "core/store/log_rewrite.h"

#include "core/store/file_layer.h"
#include "core/store/log_image.h"
#include "resource_ids.h"

namespace horalo {
namespace {

bool WriteBlock(Host& host, std::FILE* file, LogBytes bytes) {
    if (Files().Write(file, bytes.data(), bytes.size()) == bytes.size()) return true;
    host.ShowMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
    return false;
}

}  // namespace

// The rewrite file counts as written only once the disk has it: a rename
// that reaches the disk before the data would leave an empty log behind.
bool FinishRewrite(Host& host, LogFile rewrite) {
    const bool flushed = Files().FlushToDisk(rewrite.get());
    const bool closed = Files().Close(rewrite.release());
    if (flushed && closed) return CommitRewrite(host);
    host.ShowMessage(IDS_LOG_WRITE_FAILED, kMessageStop);
    return false;
}

bool CopyBytes(Host& host, std::FILE* source, std::FILE* target, long count) {
    if (count <= 0) return count == 0;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(count));
    if (Files().Read(source, block.data(), block.size()) != block.size()) return false;
    return WriteBlock(host, target, block);
}

bool CommitRewrite(Host& host) {
    const std::string folder = host.ProgramFolder();
    switch (Files().Replace(folder + kRewriteFileName, folder + kLogFileName)) {
    case ReplaceOutcome::Done:
        return true;
    case ReplaceOutcome::InUse:
        host.ShowMessage(IDS_LOG_IN_USE, kMessageStop);
        return false;
    case ReplaceOutcome::Failed:
        break;
    }
    host.ShowMessage(IDS_LOG_RENAME_FAILED, kMessageStop);
    return false;
}

std::optional<LogImage> LoadLog(Host& host) {
    LogFile log = OpenLogFile(host, "rb");
    if (!log) return std::nullopt;
    auto bytes = ReadToEnd(log.get());
    if (!bytes) host.ShowMessage(IDS_LOG_OPEN_FAILED, kMessageStop);
    return bytes;
}

bool RewriteLog(Host& host, std::span<const LogBytes> parts) {
    LogFile rewrite = OpenLogFile(host, "wb", true);
    if (!rewrite) return false;
    for (const LogBytes part : parts)
        if (!part.empty() && !WriteBlock(host, rewrite.get(), part)) return false;
    return FinishRewrite(host, std::move(rewrite));
}

}  // namespace horalo
