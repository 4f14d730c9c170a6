#pragma once
// Records named in a question before they are deleted, one line each, so
// the user sees what goes and not only how many.
#include <cstddef>
#include <span>
#include <string>

#include "core/host.h"
#include "core/text/string_list.h"
#include "core/timelog/record_ref.h"

namespace horalo {

// Texts of the language library the lines are made with.
struct RecordNames {
    StringList weekdayNames;  // Sunday first
    StringList kindNames;     // by record type from WorkEnd, then an unreadable record
    std::string moreFormat;   // one %d: how many records are not named
    static RecordNames Load(Host& host);
};

// More lines would push the question's buttons off a small screen.
inline constexpr std::size_t kRecordsNamed = 5;

// "Tuesday 07.04.2026 08:00  Start of work"; a break adds its length, a
// note its text (cut to a line's length).
std::string RecordLine(const RecordRef& record, const RecordNames& names);
// The lines of the first kRecordsNamed records, then one naming how many
// more there are.
std::string RecordLines(std::span<const RecordRef> records, const RecordNames& names);

}  // namespace horalo
