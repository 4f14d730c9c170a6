#include "app/last_seen_store.h"

namespace horalo {

LastSeen LoadLastSeen() {
    LastSeenBytes bytes{};
    DWORD size = static_cast<DWORD>(bytes.size());
    if (ReadRegistryValue(kLastSeenValue, bytes.data(), size) != ValueRead::Read) return {};
    return DecodeLastSeen(bytes);
}

bool StoreLastSeen(const LastSeen& seen) {
    const LastSeenBytes bytes = EncodeLastSeen(seen);
    return WriteRegistryValue(kLastSeenValue, bytes.data(), static_cast<DWORD>(bytes.size()), false);
}

}  // namespace horalo
