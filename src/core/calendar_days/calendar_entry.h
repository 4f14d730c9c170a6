#pragma once
// The user's special days, each given by a rule rather than a date so that
// one entry serves every year, and the list the program keeps of them.
#include <cstdint>
#include <list>
#include <optional>
#include <string>

namespace horalo {

struct SpecialEntry {
    std::int16_t day = 0;        // D: day of month, or days after Easter Sunday
    std::int16_t offset = 0;     // O: days added at the end
    std::int16_t ordinal = 0;    // K: 0 none, n the n-th weekday after D, -n counted back from D
    std::int32_t weekday = 0;    // W: 0 = Monday to 6 = Sunday
    std::int32_t month = 0;      // 0 = January; ignored with the Easter flag
    bool weekdayRule = false;    // the editor's tick; the computation looks at K only
    bool easter = false;         // D counts from Easter Sunday
    bool holiday = false;        // a day without required work
    bool extra = false;          // kept and edited, read by nobody else
    std::optional<std::string> name;        // the key of the entry
    std::optional<std::string> secondText;  // shown below the name

    bool operator==(const SpecialEntry&) const = default;
};

// The entries in file order, with the one cursor that the editor's walks
// share. Elements stay where they are when others are added or removed.
class SpecialEntryList {
public:
    using Entries = std::list<SpecialEntry>;

    SpecialEntryList() = default;
    SpecialEntryList(const SpecialEntryList& other) : entries_(other.entries_) {}
    SpecialEntryList& operator=(const SpecialEntryList& other);

    Entries::const_iterator begin() const { return entries_.begin(); }
    Entries::const_iterator end() const { return entries_.end(); }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const SpecialEntry& front() const { return entries_.front(); }
    const SpecialEntry& back() const { return entries_.back(); }

    void Append(SpecialEntry entry) { entries_.push_back(std::move(entry)); }
    void Clear();

    bool operator==(const SpecialEntryList& other) const { return entries_ == other.entries_; }

private:
    friend int EditSpecialEntries(SpecialEntry& entry, SpecialEntryList& list, int code);

    Entries::iterator FindName(const std::optional<std::string>& name);

    Entries entries_;
    Entries::iterator cursor_ = entries_.end();
};

enum SpecialEditCode : int {
    kFindByName = 0,
    kAddOrReplace = 1,
    kDeleteByName = 2,
    kFirstEntry = 3,
    kNextEntry = 4,
};

enum SpecialEditResult : int {
    kSpecialEditDone = 0,
    kSpecialEditNoEntry = 16,      // find, first or next found nothing
    kSpecialEditNameUnknown = 64,  // delete found no such name
    kSpecialEditReplaced = 128,    // add met an entry of the same name
    kSpecialEditBadCode = 256,
};

// Finds, adds or replaces, deletes and walks entries by name (exact and
// case-sensitive; entries without a name never match). Find, first and next
// copy the element into the entry and move the cursor; add and delete leave
// the cursor alone, except that deleting its element leaves no cursor.
int EditSpecialEntries(SpecialEntry& entry, SpecialEntryList& list, int code);

}  // namespace horalo
