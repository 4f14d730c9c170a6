// Build tool: turns the readable list of special days (res/calendar_days.txt)
// into the horalo.spc that ships in the program folder.
//   make_calendar_days <list> <horalo.spc>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/calendar_days/calendar_entry_file.h"

namespace {

using horalo::SpecialEntry;

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kWeekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th", "5th"};
constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

template <std::size_t N>
int IndexOf(const char* const (&names)[N], const std::string& word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == names[i]) return static_cast<int>(i);
    return -1;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(Trim(part));
    return parts;
}

bool ParseNumber(const std::string& word, int low, int high, int& value) {
    char* end = nullptr;
    const long number = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || number < low || number > high) return false;
    value = static_cast<int>(number);
    return true;
}

// "<day> <month>" at the given word; fills D and the month.
bool ParseDayOfMonth(const std::vector<std::string>& words, std::size_t at, SpecialEntry& entry) {
    int day = 0;
    const int month = words.size() == at + 2 ? IndexOf(kMonths, words[at + 1]) : -1;
    if (month < 0 || !ParseNumber(words[at], 1, kDaysInMonth[month] + (month == 1), day)) return false;
    entry.day = static_cast<std::int16_t>(day);
    entry.month = month;
    return true;
}

bool ParseRule(const std::string& rule, SpecialEntry& entry) {
    const std::vector<std::string> words = Split(rule, ' ');
    if (words.empty()) return false;
    int number = 0;
    if (words[0] == "Easter") {
        if (words.size() != 2 || words[1].empty() || (words[1][0] != '+' && words[1][0] != '-')) return false;
        if (!ParseNumber(words[1], -366, 366, number)) return false;
        entry.easter = 1;
        entry.day = static_cast<std::int16_t>(number);
        return true;
    }
    if (words.size() == 2) return ParseDayOfMonth(words, 0, entry);

    const int ordinal = words[0] == "last" ? -1 : IndexOf(kOrdinals, words[0]) + 1;
    const int weekday = words.size() > 1 ? IndexOf(kWeekdays, words[1]) : -1;
    if (ordinal == 0 || weekday < 0) return false;
    entry.ordinal = static_cast<std::int16_t>(ordinal);
    entry.weekday = weekday;
    entry.weekdayRule = 1;
    if (words.size() == 4 && words[2] == "of") {
        entry.month = IndexOf(kMonths, words[3]);
        // Counting back from the month's last day needs a fixed length,
        // which February has not.
        if (entry.month < 0 || (ordinal < 0 && entry.month == 1)) return false;
        entry.day = static_cast<std::int16_t>(ordinal < 0 ? kDaysInMonth[entry.month] : 0);
        return true;
    }
    return ordinal < 0 && words.size() == 7 && words[2] == "on" && words[3] == "or" && words[4] == "before" &&
           ParseDayOfMonth(words, 5, entry);
}

bool ParseLine(const std::string& line, SpecialEntry& entry) {
    const std::vector<std::string> fields = Split(line, '|');
    if (fields.size() != 4 || (fields[0] != "holiday" && fields[0] != "marked")) return false;
    if (fields[1].empty() || fields[1].size() > 128 || fields[2].size() > 128) return false;
    entry.holiday = fields[0] == "holiday" ? 1 : 0;
    entry.name = fields[1];
    if (!fields[2].empty()) entry.secondText = fields[2];
    return ParseRule(fields[3], entry);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_calendar_days <list> <horalo.spc>\n";
        return 2;
    }
    std::ifstream list(argv[1]);
    if (!list) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    horalo::SpecialEntryList entries;
    int lineNumber = 0;
    for (std::string line; std::getline(list, line);) {
        ++lineNumber;
        if (Trim(line).empty() || Trim(line)[0] == '#') continue;
        SpecialEntry entry;
        if (!ParseLine(line, entry)) {
            std::cerr << argv[1] << ':' << lineNumber << ": not a special day: " << line << '\n';
            return 1;
        }
        entries.Append(entry);
    }
    if (const int result = horalo::WriteSpecialFile(argv[2], entries); result != horalo::kSpecialFileOk) {
        std::cerr << argv[2] << ": cannot be written (" << result << ")\n";
        return 1;
    }
    return 0;
}
