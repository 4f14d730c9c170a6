#pragma once
// How values leave the tool: JSON strings, CSV fields, durations, and local
// times in ISO 8601 with the zone's offset.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"

namespace horalo::cli {

enum class OutputFormat { Table, Csv, Json };

// The code page in which Horalo wrote notes and names: the system's ANSI
// code page, Windows-1252 in Western Europe and the Americas.
enum class CodePage { Windows1252, Latin1, Utf8 };

// "1252", "28591" or "utf8"; none for anything else.
std::optional<CodePage> ParseCodePage(std::string_view name);

// Text of the log or horalo.spc as UTF-8, which every output is. Bytes that
// are no UTF-8 where UTF-8 is expected become U+FFFD.
std::string ToUtf8(std::string_view ansi, CodePage page);

// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view text);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
std::string CsvLine(const std::vector<std::string>& fields);

// Seconds as hours and minutes, "-1:05" for -3900; hours keep every digit.
std::string Duration(std::int64_t seconds);

// "2026-03-10T08:15:00+01:00"; empty when the time has no local time.
std::string IsoLocalTime(TimeValue time);

// "08:15"; empty when the time has no local time.
std::string LocalClock(TimeValue time);

// "2026-03".
std::string MonthText(int year, int month);

}  // namespace horalo::cli
