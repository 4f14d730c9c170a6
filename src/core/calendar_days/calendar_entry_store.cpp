#include "core/calendar_days/calendar_entry_store.h"

#include "core/calendar_days/calendar_entry_file.h"

namespace horalo {

Outcome SpecialEntryStore::Load() {
    if (Outcome failed = LoadSpecialEntries(host_, entries_)) return failed;
    loaded_ = true;
    countAtLoad_ = entries_.size();
    table_.assign(entries_.size(), SpecialDaySlot{});
    return std::nullopt;
}

Outcome SpecialEntryStore::Save() {
    if (!loaded_) return std::nullopt;
    loaded_ = false;
    countAtLoad_ = 0;
    Outcome saved = SaveSpecialEntries(host_, entries_);
    entries_.Clear();
    return saved;
}

Outcome SpecialEntryStore::SaveNow() {
    if (!loaded_) return std::nullopt;
    return SaveSpecialEntries(host_, entries_);
}

}  // namespace horalo
