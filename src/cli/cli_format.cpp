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

// Windows-1252 from 0x80 to 0x9F; the rest of it is Latin-1. The five bytes
// it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their C1 code
// points, as Windows itself converts them, so no byte of a note is lost.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void PutUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
    const int continuations = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLead[continuations] | code >> (6 * continuations));
    for (int i = continuations - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
}

// The length of the well-formed UTF-8 sequence that `text` begins with, its
// code point in `code`; 0 when there is none.
std::size_t Utf8Sequence(std::string_view text, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const std::size_t length =
        lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size()) return 0;
    code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

}  // namespace

std::optional<CodePage> ParseCodePage(std::string_view name) {
    if (name == "1252") return CodePage::Windows1252;
    if (name == "28591") return CodePage::Latin1;
    if (name == "utf8") return CodePage::Utf8;
    return std::nullopt;
}

std::string ToUtf8(std::string_view ansi, CodePage page) {
    std::string out;
    out.reserve(ansi.size());
    for (std::size_t i = 0; i < ansi.size();) {
        const auto byte = static_cast<unsigned char>(ansi[i]);
        char32_t code = byte;
        std::size_t length = 1;
        if (page == CodePage::Utf8) {
            length = Utf8Sequence(ansi.substr(i), code);
            if (length == 0) {
                code = 0xFFFD;
                length = 1;
            }
        } else if (page == CodePage::Windows1252 && byte >= 0x80 && byte < 0xA0) {
            code = kWindows1252High[byte - 0x80];
        }
        PutUtf8(out, code);
        i += length;
    }
    return out;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
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
