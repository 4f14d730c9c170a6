#include "core/timelog/record_ref.h"

#include <algorithm>
#include <cstring>

#include "core/timelog/log_image.h"

namespace horalo {

RecordRef RecordRef::Of(RecordPosition position, const LogRecord& record) {
    return {position, EncodeRecord(record)};
}

// One walk from the head serves every reference: a record's place is only
// trusted when reading the log record by record meets it, never in the
// middle of a note's text that happens to hold the same bytes.
std::optional<std::vector<RecordSpan>> FindRecords(LogBytes log, std::span<const RecordRef> refs) {
    std::vector<const RecordRef*> sorted;
    sorted.reserve(refs.size());
    for (const RecordRef& ref : refs) sorted.push_back(&ref);
    std::sort(sorted.begin(), sorted.end(), [](const RecordRef* a, const RecordRef* b) { return a->position < b->position; });

    std::vector<RecordSpan> spans;
    spans.reserve(sorted.size());
    std::size_t offset = 0;
    const RecordRef* previous = nullptr;
    for (const RecordRef* ref : sorted) {
        if (ref->position < 0) return std::nullopt;
        const auto wanted = static_cast<std::size_t>(ref->position);
        if (previous && previous->position == ref->position) {
            if (ref->bytes != previous->bytes) return std::nullopt;
            continue;
        }
        previous = ref;
        std::size_t end = RecordEnd(log, offset);
        for (; offset < wanted && end != offset; end = RecordEnd(log, offset)) offset = end;
        if (offset != wanted || end == offset) return std::nullopt;
        if (end - offset != ref->bytes.size() || !std::equal(ref->bytes.begin(), ref->bytes.end(), log.begin() + offset))
            return std::nullopt;
        spans.emplace_back(offset, end);
    }
    return spans;
}

}  // namespace horalo
