#pragma once
// Lists of names kept as one text of the language library, entries separated
// by line feeds (month names, weekday names, column headers).
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"

namespace horalo {

using StringList = std::vector<std::string>;

// k line feeds give k + 1 entries; the empty text gives one empty entry; a
// carriage return stays part of its entry.
StringList SplitLines(std::string_view text);

// The entry at the index (a month's name from 0), or the index counted from
// 1 where a short translation lacks it, so a month is never nameless.
std::string NameAt(const StringList& names, int index);

// Splits the text with the given string identifier (a missing one gives one
// empty entry).
StringList SplitStringResource(Host& host, unsigned stringId);

}  // namespace horalo
