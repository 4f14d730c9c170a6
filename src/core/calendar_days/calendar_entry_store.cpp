#include "core/calendar_days/calendar_entry_store.h"

#include "core/calendar_days/calendar_entry_file.h"

namespace horalo {

bool SpecialEntryStore::Load() {
    if (!LoadSpecialEntries(host_, entries_)) return false;
    loaded_ = true;
    countAtLoad_ = entries_.size();
    table_.assign(entries_.size(), SpecialDaySlot{});
    return true;
}

bool SpecialEntryStore::Save() {
    if (!loaded_) return true;
    loaded_ = false;
    countAtLoad_ = 0;
    const bool saved = SaveSpecialEntries(host_, entries_);
    entries_.Clear();
    return saved;
}

bool SpecialEntryStore::SaveNow() {
    return !loaded_ || SaveSpecialEntries(host_, entries_);
}

}  // namespace horalo
