#pragma once
// Which records of a form carry a placeholder, decided from the record's
// bytes alone, and whether the player can step through a form's records at
// all. A damaged or hostile form never makes either read outside the bytes
// it is given.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace horalo {

constexpr std::uint32_t kRecordExtTextOutA = 83;
constexpr std::uint32_t kRecordExtTextOutW = 84;

// '#', the kind letter and, for the day kinds, the day; for the month kind
// 'O' the selector letter.
struct Placeholder {
    char kind = 0;
    char selector = 0;  // the third character; only the month kind reads it
    int day = 0;        // 1 to 31 for a day kind with two digits "01".."31", else 0
};

// The kinds that address a day of the month: C G D I P N T S.
bool IsDayKind(char kind);

// Where the replacement is drawn: the text record's reference point,
// options and rectangle, as the form's designer left them.
struct TextPlacement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t options = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

enum class FormRecordAction {
    Play,         // any record that is no placeholder: played unchanged
    Replace,      // a placeholder: its value is drawn instead
    Drop,         // a wide-text record whose fixed part or text lies outside it
};

struct FormRecordDecision {
    FormRecordAction action = FormRecordAction::Play;
    Placeholder placeholder;
    TextPlacement placement;
};

// `record` is the whole record as the enumeration gives it, from its type
// to its last byte; its own size field is believed only when it is no
// larger than that.
FormRecordDecision ClassifyFormRecord(std::span<const std::uint8_t> record);

// The player goes from record to record by each one's size field, and
// believes it. So a form's bytes, its header first, must be records from
// the first byte to the last whose sizes are multiples of 4, at least 8 (type
// and size) and within the bytes. Returns the offset of the first record
// that breaks this, none when every record keeps it.
std::optional<std::size_t> FirstBadFormRecord(std::span<const std::uint8_t> form);

}  // namespace horalo
