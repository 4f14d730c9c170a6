#pragma once
// horalo.spc: the special entries, read once at start and written back once
// when the main dialog goes. Written always in the current format; the old
// one (no magic number, 28-byte records) is still read.
#include <cstdint>
#include <string>

#include "core/host.h"
#include "core/outcome.h"
#include "core/io/replace_beside.h"
#include "core/calendar_days/calendar_entry.h"

namespace horalo {

inline constexpr char kSpecialFileName[] = "horalo.spc";
inline constexpr std::uint32_t kSpecialFileMagic = 0x63636311;
// A text and its NUL must fit one length byte (the editor allows 128).
inline constexpr std::size_t kMaxSpecialTextLength = 254;

enum SpecialFileResult : int {
    kSpecialFileOk = 0,
    kSpecialFileCannotOpen = 4,   // reading: cannot be opened; writing: cannot be created
    kSpecialFileDamaged = 16,     // ends too early, or cannot be read whole
    kSpecialFileWriteFailed = 32, // a write failed, or a text is too long to be stored
};

// Replaces the list's content by the file's entries; on failure the list is
// left empty, also when entries came before the damage.
int ReadSpecialFile(const std::string& path, SpecialEntryList& list);

// Writes beside the file and replaces it only when everything reached the
// disk, so a failure leaves the old file whole; the program's own saves keep
// the old file as a backup.
int WriteSpecialFile(const std::string& path, const SpecialEntryList& list, KeepOld keep = KeepOld::No);

// horalo.spc in the program folder; any failure is string 6023 with the
// stop icon. The program does not start without the file.
Outcome LoadSpecialEntries(Host& host, SpecialEntryList& list);

// Writes horalo.spc in the program folder (failure: string 6024, stop icon).
Outcome SaveSpecialEntries(Host& host, const SpecialEntryList& list);

}  // namespace horalo
