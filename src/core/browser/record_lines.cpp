#include "core/browser/record_lines.h"

#include <cstdlib>
#include <ctime>

#include "core/calendar/local_time.h"
#include "core/text/format_text.h"
#include "core/text/text_ids.h"

namespace horalo {
namespace {

constexpr std::size_t kLongestNoteShown = 40;
constexpr std::size_t kUnreadable = static_cast<std::size_t>(kLastKnownTag) + 1;

// A kind or weekday the library lacks shows nothing rather than a number.
std::string EntryOrNothing(const StringList& names, std::size_t index) {
    return index < names.size() ? names[index] : std::string();
}

}  // namespace

RecordNames RecordNames::Load(Host& host) {
    return {SplitStringResource(host, IDS_WEEKDAY_NAMES), SplitStringResource(host, IDS_RECORD_KINDS),
            host.LoadText(IDS_DELETE_MORE)};
}

std::string RecordLine(const RecordRef& ref, const RecordNames& names) {
    std::size_t offset = 0;
    const auto stored = DecodeRecord(ref.bytes, offset);
    std::tm local{};
    if (!stored || !stored->record.HasPayload() || !ToLocalTime(stored->record.time, local))
        return EntryOrNothing(names.kindNames, kUnreadable);
    const LogRecord& record = stored->record;
    std::string line = FormatString("%s %02d.%02d.%04d %02d:%02d  ",
                                    EntryOrNothing(names.weekdayNames, static_cast<std::size_t>(local.tm_wday)).c_str(),
                                    local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min);
    line += EntryOrNothing(names.kindNames, TagOf(record.type()));
    if (record.type() == LogRecordType::Break) {
        const long long minutes = std::llabs(record.breakEnd - record.time) / 60;
        line += FormatString(" %02lld:%02lld", minutes / 60, minutes % 60);
    } else if (record.type() == LogRecordType::Note) {
        line += ": " + record.text.substr(0, kLongestNoteShown);
        if (record.text.size() > kLongestNoteShown) line += "...";
    }
    return line;
}

std::string RecordLines(std::span<const RecordRef> records, const RecordNames& names) {
    std::string lines;
    for (std::size_t i = 0; i < records.size() && i < kRecordsNamed; ++i) {
        if (i > 0) lines += '\n';
        lines += RecordLine(records[i], names);
    }
    if (records.size() > kRecordsNamed)
        lines += '\n' + FormatString(names.moreFormat.c_str(), static_cast<int>(records.size() - kRecordsNamed));
    return lines;
}

}  // namespace horalo
