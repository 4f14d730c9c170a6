#include "core/sheet/placeholder.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/io/byte_codec.h"

namespace horalo {

namespace {

// EMR_EXTTEXTOUTW: the record header, the bounds, graphics mode and scales,
// then the EMRTEXT; offsets from the record's start.
constexpr std::size_t kTypeOffset = 0;
constexpr std::size_t kSizeOffset = 4;
constexpr std::size_t kRecordHead = 8;        // type and size, the least a record holds
constexpr std::size_t kReferenceOffset = 36;  // x, then y
constexpr std::size_t kCharCountOffset = 44;
constexpr std::size_t kStringOffset = 48;
constexpr std::size_t kOptionsOffset = 52;
constexpr std::size_t kRectangleOffset = 56;  // left, top, right, bottom
constexpr std::size_t kFixedPart = 76;        // up to and with offDx

constexpr std::size_t kCodeUnit = 2;  // UTF-16LE

bool IsDigit(std::uint8_t byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

bool IsDayKind(char kind) {
    return kind != '\0' && std::string_view("CGDIPNTS").find(kind) != std::string_view::npos;
}

FormRecordDecision ClassifyFormRecord(std::span<const std::uint8_t> record) {
    FormRecordDecision decision;
    // Too short to name its type, a record is no text of ours: what becomes
    // of it is the player's business, as with every other record.
    if (record.size() < kSizeOffset || LoadU32(record.data() + kTypeOffset) != kRecordExtTextOutW) return decision;

    // A size field that claims more than the enumeration handed over is not
    // believed: nothing past the bytes we were given is ever read.
    ByteReader sizeField(record, kSizeOffset);
    const std::size_t size = std::min<std::size_t>(record.size(), sizeField.U32());
    if (size < kFixedPart) {
        decision.action = FormRecordAction::Drop;
        return decision;
    }
    const ByteSpan bytes = record.first(size);
    const std::uint32_t charCount = LoadU32(bytes.data() + kCharCountOffset);
    const std::uint32_t stringOffset = LoadU32(bytes.data() + kStringOffset);
    // Compared as size - 2 so that an offset near 2^32 cannot wrap around.
    if (stringOffset > size - kCodeUnit) {
        decision.action = FormRecordAction::Drop;
        return decision;
    }
    if (bytes[stringOffset] != '#') return decision;

    decision.action = FormRecordAction::Replace;
    ByteReader fields(bytes, kReferenceOffset);
    decision.placement.x = fields.I32();
    decision.placement.y = fields.I32();
    fields.Seek(kOptionsOffset);
    decision.placement.options = fields.U32();
    fields.Seek(kRectangleOffset);
    decision.placement.left = fields.I32();
    decision.placement.top = fields.I32();
    decision.placement.right = fields.I32();
    decision.placement.bottom = fields.I32();

    // The low byte of code unit `index` (0 is the '#'), or 0 when the text
    // is shorter: by its own count or by the end of the record.
    const auto lowByte = [&](std::size_t index) -> std::uint8_t {
        if (index >= charCount) return 0;
        const std::size_t at = stringOffset + index * kCodeUnit;
        return at + kCodeUnit <= size ? bytes[at] : 0;
    };
    const std::uint8_t kind = lowByte(1);
    const std::uint8_t third = lowByte(2);
    const std::uint8_t fourth = lowByte(3);
    decision.placeholder.kind = static_cast<char>(kind);
    decision.placeholder.selector = static_cast<char>(third);
    if (IsDayKind(decision.placeholder.kind) && IsDigit(third) && IsDigit(fourth)) {
        const int day = (third - '0') * 10 + (fourth - '0');
        if (day >= 1 && day <= 31) decision.placeholder.day = day;
    }
    return decision;
}

std::optional<std::size_t> FirstBadFormRecord(std::span<const std::uint8_t> form) {
    for (std::size_t at = 0; at < form.size();) {
        const std::size_t left = form.size() - at;
        if (left < kRecordHead) return at;
        const std::uint32_t size = LoadU32(form.data() + at + kSizeOffset);
        if (size < kRecordHead || size % 4 != 0 || size > left) return at;
        at += size;
    }
    return std::nullopt;
}

}  // namespace horalo
