#pragma once
// How values leave the tool: JSON strings, CSV fields, durations, and local
// times in ISO 8601 with the zone's offset.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"

namespace horalo::cli {

enum class OutputFormat { Table, Csv, Json };

// A JSON string literal. Notes are ANSI bytes: a byte above 127 is taken as
// the Latin-1 character of that number, so any log gives valid JSON.
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
