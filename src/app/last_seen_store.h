#pragma once
// The time the program was last alive, in a registry value of its own
// beside the settings record, which keeps its size and layout.
#include "app/registry.h"
#include "core/timelog/open_day.h"

namespace horalo {

inline constexpr const char* kLastSeenValue = "LastSeen";

// A value that is missing or of another size reads as never seen.
LastSeen LoadLastSeen();
bool StoreLastSeen(const LastSeen& seen);

}  // namespace horalo
