#include "cli/cli_format.h"

#include <cstdio>
#include <ctime>

#include "core/calendar/local_time.h"

namespace horalo::cli {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 to 12).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += CsvField(fields[i]);
    }
    return line;
}

std::string Duration(std::int64_t seconds) {
    const std::int64_t minutes = (seconds < 0 ? -seconds : seconds) / 60;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld:%02lld", seconds < 0 && minutes ? "-" : "",
                  static_cast<long long>(minutes / 60), static_cast<long long>(minutes % 60));
    return text;
}

std::string IsoLocalTime(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return {};
    // The offset is what the local fields say beyond UTC; tm_gmtoff is not
    // there on Windows.
    const std::int64_t asUtc =
        DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday)) *
            86400 +
        local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    const std::int64_t offset = (asUtc - time) / 60;
    const std::int64_t absolute = offset < 0 ? -offset : offset;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02lld:%02lld", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, offset < 0 ? '-' : '+',
                  static_cast<long long>(absolute / 60), static_cast<long long>(absolute % 60));
    return text;
}

std::string LocalClock(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
    return text;
}

std::string MonthText(int year, int month) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d", year, month + 1);
    return text;
}

}  // namespace horalo::cli
