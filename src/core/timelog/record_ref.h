#pragma once
// What a window holds of a record it shows: where the record stood and its
// bytes as they were. Several windows change the log, and a rewrite moves
// every record behind the place it changes; an edit by position alone would
// then hit a neighbour of the record the user chose. A rewrite first finds
// each referenced record with its bytes at its place, or changes nothing.
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/io/byte_codec.h"
#include "core/outcome.h"
#include "core/timelog/log_record.h"

namespace horalo {

struct RecordRef {
    RecordPosition position = -1;
    Bytes bytes;  // the record as the log held it, as many bytes as it took
    bool operator==(const RecordRef&) const = default;

    // For a record that stands in the log exactly as the program writes it.
    static RecordRef Of(RecordPosition position, const LogRecord& record);
};

// What an edit by reference did.
struct EditResult {
    enum Kind {
        Done,
        // A referenced record is no longer at its place with its bytes: the
        // log changed since the caller read it. Nothing was changed; no message.
        Changed,
        // The log could not be read or rewritten; it is unchanged, and the
        // message says why.
        Failed,
    };
    Kind kind = Done;
    Outcome outcome;  // with Failed: the message

    EditResult(Kind done) : kind(done) {}
    EditResult(Message failure) : kind(Failed), outcome(std::move(failure)) {}
    bool operator==(Kind other) const { return kind == other; }
};

// Where the referenced records start and end in `log`, in the order of their
// positions (a record referenced twice counts once); none when one of them
// is not a record of `log` starting at its position with its bytes.
using RecordSpan = std::pair<std::size_t, std::size_t>;
std::optional<std::vector<RecordSpan>> FindRecords(LogBytes log, std::span<const RecordRef> refs);

}  // namespace horalo
