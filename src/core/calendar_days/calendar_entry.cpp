#include "core/calendar_days/calendar_entry.h"

namespace horalo {

SpecialEntryList& SpecialEntryList::operator=(const SpecialEntryList& other) {
    if (this != &other) {
        entries_ = other.entries_;
        cursor_ = entries_.end();
    }
    return *this;
}

void SpecialEntryList::Clear() {
    entries_.clear();
    cursor_ = entries_.end();
}

SpecialEntryList::Entries::iterator SpecialEntryList::FindName(const std::optional<std::string>& name) {
    if (!name) return entries_.end();
    auto found = entries_.begin();
    while (found != entries_.end() && found->name != name) ++found;
    return found;
}

int EditSpecialEntries(SpecialEntry& entry, SpecialEntryList& list, int code) {
    auto& entries = list.entries_;
    auto& cursor = list.cursor_;
    switch (code) {
    case kFindByName:
        cursor = list.FindName(entry.name);
        break;
    case kAddOrReplace: {
        const auto found = list.FindName(entry.name);
        if (found != entries.end()) {
            *found = entry;
            return kSpecialEditReplaced;
        }
        entries.push_back(entry);
        return kSpecialEditDone;
    }
    case kDeleteByName: {
        const auto found = list.FindName(entry.name);
        if (found == entries.end()) return kSpecialEditNameUnknown;
        // A cursor left on a freed element would walk into released memory.
        if (cursor == found) cursor = entries.end();
        entries.erase(found);
        return kSpecialEditDone;
    }
    case kFirstEntry:
        cursor = entries.begin();
        break;
    case kNextEntry:
        if (cursor != entries.end()) ++cursor;
        break;
    default:
        return kSpecialEditBadCode;
    }
    if (cursor == entries.end()) return kSpecialEditNoEntry;
    entry = *cursor;
    return kSpecialEditDone;
}

}  // namespace horalo
