#include "core/recorder/glance_text.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/text/format_text.h"

namespace horalo {
namespace {

using Buffer = char[48];

// The pieces in the order they are shown, with how much each is worth
// keeping when the tooltip runs out of room: lower goes first.
struct Piece {
    std::string text;
    int keep = 0;
    bool outlook = false;  // what is to come, on the status line's second line
};

std::string Fill(const std::string& format, const std::string& a = {}, const std::string& b = {}) {
    if (format.empty()) return {};
    return FormatString(format.c_str(), a.c_str(), b.c_str());
}

std::vector<Piece> Pieces(const DayFigures& f, long long balance, const GlanceFormats& formats) {
    std::vector<Piece> pieces;
    const auto add = [&pieces](std::string text, int keep, bool outlook = false) {
        if (!text.empty()) pieces.push_back({std::move(text), keep, outlook});
    };
    switch (f.state) {
    case DayState::NotStarted: add(Fill(formats.notStarted), 9); break;
    case DayState::DayOff: add(Fill(formats.dayOff), 9); break;
    case DayState::Present: add(Fill(formats.present, ClockText(f.start)), 9); break;
    case DayState::OnBreak: add(Fill(formats.onBreak, ClockText(f.start), ClockText(f.breakStart)), 9); break;
    case DayState::Ended: add(Fill(formats.ended, ClockText(f.start), ClockText(f.end)), 9); break;
    }
    if (f.state != DayState::NotStarted && f.state != DayState::DayOff)
        add(Fill(formats.presence, DurationText(f.presence), DurationText(f.breaks)), 2);
    if (f.Running()) {
        add(f.workRequired ? Fill(formats.requiredAt, ClockText(f.requiredReached)) : Fill(formats.nothingRequired),
            5, true);
        if (f.maximumReached != 0) add(Fill(formats.maximumAt, ClockText(f.maximumReached)), 4, true);
    }
    add(Fill(formats.balance, BalanceText(balance)), 7, true);
    return pieces;
}

std::string Join(const std::vector<Piece>& pieces, const std::string& separator) {
    std::string text;
    for (const Piece& piece : pieces) {
        if (!text.empty()) text += separator;
        text += piece.text;
    }
    return text;
}

// A text still too long alone ends at its last blank within the limit, so
// no word (and in a multi-byte code page no character) is cut in two where
// a blank allows it.
std::string CutToLimit(std::string text) {
    if (text.size() <= kLongestTooltip) return text;
    const std::size_t blank = text.rfind(' ', kLongestTooltip);
    text.resize(blank != std::string::npos && blank > 0 ? blank : kLongestTooltip);
    return text;
}

}  // namespace

std::string ClockText(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return "--:--";
    Buffer text;
    std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
    return text;
}

std::string DurationText(long long seconds) {
    const long long minutes = std::llabs(seconds / 60);
    Buffer text;
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
    return text;
}

std::string BalanceText(long long seconds) {
    std::string text(1, seconds / 60 < 0 ? '-' : '+');
    return text += DurationText(seconds);
}

std::string GlanceTooltip(const DayFigures& figures, long long balance, const GlanceFormats& formats) {
    std::vector<Piece> pieces = Pieces(figures, balance, formats);
    if (!formats.title.empty()) pieces.insert(pieces.begin(), {formats.title, 6});
    // Whole lines go, the least needed first, until the rest fits.
    while (pieces.size() > 1 && Join(pieces, "\n").size() > kLongestTooltip) {
        auto least = pieces.begin();
        for (auto it = pieces.begin(); it != pieces.end(); ++it)
            if (it->keep < least->keep) least = it;
        pieces.erase(least);
    }
    return CutToLimit(Join(pieces, "\n"));
}

// Two lines, so no piece is broken where the line runs out: the day so far,
// then what is to come and the account.
std::string GlanceStatus(const DayFigures& figures, long long balance, const GlanceFormats& formats) {
    std::vector<Piece> day, outlook;
    for (Piece& piece : Pieces(figures, balance, formats)) (piece.outlook ? outlook : day).push_back(std::move(piece));
    return Join(day, formats.separator) + "\n" + Join(outlook, formats.separator);
}

}  // namespace horalo
