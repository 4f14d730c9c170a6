#pragma once
// Every change of a file that holds the user's data, other than an append,
// writes the new content beside the file, hands it to the disk and only then
// puts it in the file's place in one step: whatever fails, the file is the
// old one or the new one, whole.
#include <span>
#include <string>

#include "core/io/byte_codec.h"

namespace horalo {

enum class ReplaceResult {
    Done,
    CannotCreate,   // the file beside could not be made
    WriteFailed,    // a write, the flush or the close failed
    InUse,          // the file is open elsewhere, protected or not ours to replace
    ReplaceFailed,  // any other reason the replacement failed
};

enum class KeepOld { No, AsBackup };

// Writes `parts` one after the other into `beside` and replaces `path` by
// it. A failed attempt removes `beside` again. With KeepOld::AsBackup the
// replaced file stays in the backup folder (core/io/backups.h) and old
// backups are pruned; neither can fail the replace.
ReplaceResult ReplaceBeside(const std::string& path, const std::string& beside, std::span<const ByteSpan> parts,
                            KeepOld keep = KeepOld::No);

}  // namespace horalo
