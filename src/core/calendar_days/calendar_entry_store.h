#pragma once
// The special days of the running program: the list read from horalo.spc
// at start, the table of where its entries fall in the year shown, and the
// one save back when the program ends.
#include <cstddef>

#include "core/host.h"
#include "core/outcome.h"
#include "core/calendar_days/calendar_day_table.h"
#include "core/calendar_days/calendar_entry.h"

namespace horalo {

class SpecialEntryStore {
public:
    explicit SpecialEntryStore(Host& host) : host_(host) {}

    // Reads horalo.spc (6023 on failure) and sizes the table for the list.
    Outcome Load();
    // Writes horalo.spc (6024 on failure) and releases the list. Only a
    // list that was loaded is written: an empty one would wipe the user's days.
    Outcome Save();
    // Writes horalo.spc the same safe way and keeps the list: the editor
    // saves its changes when it closes, so a crash later loses none of them.
    Outcome SaveNow();
    void FreeTable() { SpecialDayTable().swap(table_); }

    SpecialEntryList& entries() { return entries_; }
    const SpecialEntryList& entries() const { return entries_; }
    SpecialDayTable& table() { return table_; }
    std::size_t countAtLoad() const { return countAtLoad_; }

private:
    Host& host_;
    SpecialEntryList entries_;
    SpecialDayTable table_;
    std::size_t countAtLoad_ = 0;
    bool loaded_ = false;
};

}  // namespace horalo
