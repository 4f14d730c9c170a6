#include "core/io/replace_beside.h"

#include "core/clock.h"
#include "core/io/backups.h"
#include "core/io/file_layer.h"

namespace horalo {
namespace {

ReplaceResult WriteAll(std::FILE* file, std::span<const ByteSpan> parts) {
    for (const ByteSpan part : parts)
        if (!part.empty() && Files().Write(file, part.data(), part.size()) != part.size())
            return ReplaceResult::WriteFailed;
    // The new file counts as written only once the disk has it: a rename that
    // reaches the disk before the data would leave an empty file behind.
    return Files().FlushToDisk(file) ? ReplaceResult::Done : ReplaceResult::WriteFailed;
}

ReplaceResult Outcome(ReplaceOutcome outcome) {
    switch (outcome) {
    case ReplaceOutcome::Done: return ReplaceResult::Done;
    case ReplaceOutcome::InUse: return ReplaceResult::InUse;
    case ReplaceOutcome::Failed: break;
    }
    return ReplaceResult::ReplaceFailed;
}

}  // namespace

ReplaceResult ReplaceBeside(const std::string& path, const std::string& beside, std::span<const ByteSpan> parts,
                            KeepOld keep) {
    std::FILE* file = Files().Open(beside, "wb");
    if (!file) return ReplaceResult::CannotCreate;
    ReplaceResult result = WriteAll(file, parts);
    if (!Files().Close(file) && result == ReplaceResult::Done) result = ReplaceResult::WriteFailed;
    // The old file gets its backup name as a second name just before the
    // replace takes its first, so keeping it copies nothing and the old
    // file is never missing: no step between can leave the log without it.
    const TimeValue now = Now();
    std::string backup;
    if (result == ReplaceResult::Done && keep == KeepOld::AsBackup) {
        backup = NewBackupPath(path, now);
        if (!backup.empty() && !Files().Link(path, backup)) backup.clear();
    }
    if (result == ReplaceResult::Done) result = Outcome(Files().Replace(beside, path));
    if (result != ReplaceResult::Done) {
        Files().Remove(beside);
        if (!backup.empty()) Files().Remove(backup);
    } else if (keep == KeepOld::AsBackup) {
        PruneBackups(path, now);
    }
    return result;
}

}  // namespace horalo
