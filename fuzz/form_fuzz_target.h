#pragma once
// Arbitrary bytes as one record of a time-sheet form: the classification
// must follow from the bytes it was given and nothing else, and the text a
// placeholder draws must say what the sheet holds. The sheet is filled from
// the record's own placement fields, so the fuzzer also reaches the far ends
// of the time field and the balance sums. The same bytes as a whole form:
// the check of its record sizes must pass over sound records only and stop
// at an unsound one. Shared by the fuzzer and the test that replays its
// corpus. A failed check aborts with a message.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/io/byte_codec.h"
#include "core/sheet/placeholder.h"
#include "core/sheet/sheet_text.h"

namespace horalo::fuzz {

inline void FormCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "form check failed: %s\n", what);
    std::abort();
}

// The decision as the record's layout dictates it, worked out on its own.
inline FormRecordAction ExpectedAction(const std::uint8_t* data, std::size_t size) {
    if (size < 4 || LoadU32(data) != kRecordExtTextOutW) return FormRecordAction::Play;
    if (size < 76) return FormRecordAction::Drop;
    const std::uint64_t used = std::min<std::uint64_t>(size, LoadU32(data + 4));
    const std::uint64_t text = LoadU32(data + 48);
    if (used < 76 || text + 2 > used) return FormRecordAction::Drop;
    return data[text] == '#' ? FormRecordAction::Replace : FormRecordAction::Play;
}

// Sign, hours, ':' and two digits of minutes; hours at least two digits.
inline bool ParseDuration(const std::string& text, bool& negative, long long& hours, int& minutes) {
    if (text.size() < 7 || (text[0] != ' ' && text[0] != '-') || text[text.size() - 3] != ':') return false;
    negative = text[0] == '-';
    std::size_t at = 1;
    if (text[at] == ' ') ++at;  // below 100 hours the sign stands apart
    hours = 0;
    for (; at < text.size() - 3; ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        hours = hours * 10 + (text[at] - '0');
    }
    const char tens = text[text.size() - 2], ones = text[text.size() - 1];
    if (tens < '0' || tens > '5' || ones < '0' || ones > '9') return false;
    minutes = (tens - '0') * 10 + (ones - '0');
    return (text[1] == ' ') == (hours < 100);
}

inline void CheckTimeField(std::int64_t value, const std::string& text) {
    if (value == 0) return FormCheck(text.empty(), "0 draws nothing");
    if (value > 4'000'000) {
        FormCheck(text.size() == 7 && text[0] == ' ' && text[1] == ' ' && text[4] == ':', "a time of day's shape");
        const int hour = (text[2] - '0') * 10 + (text[3] - '0');
        const int minute = (text[5] - '0') * 10 + (text[6] - '0');
        return FormCheck(hour >= 0 && hour < 24 && minute >= 0 && minute < 60, "a time of day's range");
    }
    bool negative = false;
    long long hours = 0;
    int minutes = 0;
    FormCheck(ParseDuration(text, negative, hours, minutes), "a duration's shape");
    const long long wholeMinutes = value / 60;
    FormCheck(negative == (wholeMinutes < 0), "a duration's sign: none for part of a minute");
    FormCheck(hours * 60 + minutes == (wholeMinutes < 0 ? -wholeMinutes : wholeMinutes), "a duration's minutes");
}

inline long long SignedNumber(const std::string& text, std::size_t& at) {
    const bool negative = at < text.size() && text[at] == '-';
    if (negative) ++at;
    long long value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') value = value * 10 + (text[at++] - '0');
    return negative ? -value : value;
}

// One sheet for the record: every day alike, its values the placement's.
inline TimeSheet FilledSheet(const TextPlacement& p, SettingsRecord& settings) {
    settings = DefaultSettings();
    settings.workHours = p.x;
    settings.workMinutes = p.y;
    settings.breakHours = p.left;
    settings.breakMinutes = p.top;
    SetFormText(settings.formText1, std::string(63, 'i'));
    SetFormText(settings.formText2, "second form text");
    TimeSheet sheet;
    sheet.settings = (p.options & 0x100) ? nullptr : &settings;
    sheet.month = p.right;
    sheet.year = p.bottom;
    sheet.carriedBalance = p.x;
    sheet.hoursDeducted = p.y;
    sheet.absenceMark = "absence mark";
    sheet.evaluation.surplusTotal = p.right;
    sheet.evaluation.deficitTotal = p.bottom;
    for (DayEvaluation& day : sheet.evaluation.days) {
        day.start = (p.options & 0x10) ? 0 : p.x;
        day.end = p.y;
        day.presence = p.left;
        day.breaks = p.top;
        day.surplus = p.right;
        day.deficit = p.bottom;
        day.balance = static_cast<std::int32_t>(p.options);
        day.hasStart = p.options & 1;
        day.compensation = p.options & 2;
        day.absence = p.options & 4;
        if (p.options & 8) day.note = "a note longer than any field of the form, drawn whole all the same";
    }
    return sheet;
}

inline void CheckDayText(char kind, const DayEvaluation& day, const TimeSheet& sheet, const std::string& text) {
    switch (kind) {
    case 'C':
        if (day.start != 0) return CheckTimeField(day.start, text);
        if (day.compensation) return FormCheck(text == "KZE", "a compensation day's start");
        if (day.absence) return FormCheck(text == sheet.absenceMark.substr(0, 6), "an absence's start");
        return FormCheck(text == day.note.value_or(""), "the note in place of the start");
    case 'G': return CheckTimeField(day.end, text);
    case 'D': return CheckTimeField(day.presence, text);
    case 'I': return CheckTimeField(day.breaks, text);
    case 'P': return CheckTimeField(day.surplus, text);
    case 'N': return CheckTimeField(day.deficit, text);
    case 'T': return CheckTimeField(day.balance, text);
    case 'S': {
        if (!day.hasStart || !sheet.settings) return FormCheck(text.empty(), "no required presence");
        const SettingsRecord& s = *sheet.settings;
        std::size_t at = 0;
        const long long hours = SignedNumber(text, at);
        FormCheck(at < text.size() && text[at] == ':', "hours and minutes");
        ++at;
        const long long minutes = SignedNumber(text, at);
        FormCheck(at == text.size(), "nothing after the minutes");
        // The work time is drawn as the settings hold it, minutes above 59 too.
        if (day.compensation)
            return FormCheck(hours == s.workHours && minutes == s.workMinutes, "a compensation day's work time");
        const long long expected = (0LL + s.workHours + s.breakHours) * 60 + s.workMinutes + s.breakMinutes;
        FormCheck(minutes > -60 && minutes < 60, "the break's minutes carried into hours");
        return FormCheck(hours * 60 + minutes == expected, "work and break time");
    }
    }
}

inline void CheckMonthText(char selector, const TimeSheet& sheet, const std::string& text) {
    const MonthEvaluation& e = sheet.evaluation;
    // The sums wrap in 32 bits; C++20 converts modulo 2^32.
    const auto wrapped = [](long long value) { return static_cast<std::int32_t>(value); };
    const std::int32_t carried = wrapped(sheet.carriedBalance / 100 * 3600LL + sheet.carriedBalance % 100 * 60LL);
    const std::int32_t deducted = wrapped(sheet.hoursDeducted * 3600LL);
    const std::int32_t difference = wrapped(0LL + e.surplusTotal - e.deficitTotal);
    std::size_t at = 0;
    switch (selector) {
    case 'I': return FormCheck(text == (sheet.settings ? std::string(63, 'i') : ""), "form text 1");
    case 'O': return FormCheck(text == (sheet.settings ? "second form text" : ""), "form text 2");
    case 'M': return FormCheck(SignedNumber(text, at) == sheet.month + 1LL && at == text.size() && at >= 2, "month");
    case 'Y': return FormCheck(SignedNumber(text, at) == sheet.year && at == text.size(), "year");
    case 'P': return CheckTimeField(e.surplusTotal, text);
    case 'N': return CheckTimeField(e.deficitTotal, text);
    case 'S': return CheckTimeField(difference, text);
    case 'V': return CheckTimeField(carried, text);
    case 'U': return CheckTimeField(deducted, text);
    case 'T': return CheckTimeField(wrapped(0LL + difference + carried - deducted), text);
    default: return FormCheck(text.empty(), "an unknown selector draws nothing");
    }
}

inline void FuzzFormRecord(const std::uint8_t* data, std::size_t size) {
    const FormRecordDecision decision = ClassifyFormRecord(ByteSpan(data, size));
    FormCheck(decision.action == ExpectedAction(data, size), "the action the record's bytes call for");
    if (decision.action != FormRecordAction::Replace) return;

    const TextPlacement& p = decision.placement;
    FormCheck(p.x == static_cast<std::int32_t>(LoadU32(data + 36)) && p.y == static_cast<std::int32_t>(LoadU32(data + 40)) &&
                  p.options == LoadU32(data + 52) && p.left == static_cast<std::int32_t>(LoadU32(data + 56)) &&
                  p.top == static_cast<std::int32_t>(LoadU32(data + 60)) &&
                  p.right == static_cast<std::int32_t>(LoadU32(data + 64)) &&
                  p.bottom == static_cast<std::int32_t>(LoadU32(data + 68)),
              "the placement is the record's");
    const Placeholder& placeholder = decision.placeholder;
    FormCheck(placeholder.day >= 0 && placeholder.day <= 31, "a day of the month or none");
    FormCheck(placeholder.day == 0 || IsDayKind(placeholder.kind), "only day kinds address a day");

    SettingsRecord settings;
    const TimeSheet sheet = FilledSheet(p, settings);
    const std::string text = PlaceholderText(placeholder, sheet);
    if (placeholder.kind == 'O') return CheckMonthText(placeholder.selector, sheet, text);
    if (placeholder.day == 0) return FormCheck(text.empty(), "no day, no text");
    CheckDayText(placeholder.kind, sheet.evaluation.days[static_cast<std::size_t>(placeholder.day - 1)], sheet, text);
}

// The record at `at` as the player would step over it: its size, or 0 when
// the player could not (too short, unaligned, or running past the end).
inline std::size_t SoundRecordSize(const std::uint8_t* data, std::size_t size, std::size_t at) {
    if (size - at < 8) return 0;
    const std::uint32_t record = LoadU32(data + at + 4);
    return record >= 8 && record % 4 == 0 && record <= size - at ? record : 0;
}

inline void FuzzFormRecords(const std::uint8_t* data, std::size_t size) {
    const std::size_t end = FirstBadFormRecord(ByteSpan(data, size)).value_or(size);
    std::size_t at = 0;
    for (std::size_t record = 0; at < end; at += record) {
        record = SoundRecordSize(data, size, at);
        FormCheck(record != 0, "every record before the bad one is sound");
    }
    FormCheck(at == end && (end == size || SoundRecordSize(data, size, end) == 0),
              "the walk stops at the first unsound record, or at the end");
}

inline void FuzzForm(const std::uint8_t* data, std::size_t size) {
    FuzzFormRecord(data, size);
    FuzzFormRecords(data, size);
}

}  // namespace horalo::fuzz
