#pragma once
// Every byte layout of the program's files and resources is little-endian
// and is read and written field by field through these, never by copying a
// struct, so the layout holds whatever the compiler does with padding.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace horalo {

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;

// The 32-bit value at `data`, which must hold four bytes. Inline and without
// a loop: reading a month walks every record of a log through it.
inline std::uint32_t LoadU32(const std::uint8_t* data) {
    return data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

inline void StoreU32(std::uint8_t* data, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) data[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Reads fields front to back. A field that the end of the bytes cuts short
// keeps the bytes that are there and reads zero for the rest, never what
// lies behind the bytes; the position then stops at the end.
class ByteReader {
public:
    explicit ByteReader(ByteSpan bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position < bytes.size() ? position : bytes.size()) {}

    bool Has(std::size_t count) const { return Left() >= count; }
    std::size_t Left() const { return bytes_.size() - position_; }
    std::size_t Position() const { return position_; }
    void Seek(std::size_t position) { position_ = position < bytes_.size() ? position : bytes_.size(); }

    // `width` bytes, 1 to 4.
    std::uint32_t Unsigned(std::size_t width) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width && position_ < bytes_.size(); ++i, ++position_)
            value |= std::uint32_t{bytes_[position_]} << (8 * i);
        return value;
    }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
    std::uint32_t U32() { return Unsigned(4); }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // Up to `count` bytes, fewer where the bytes end.
    ByteSpan Take(std::size_t count) {
        const std::size_t taken = count < Left() ? count : Left();
        const ByteSpan part = bytes_.subspan(position_, taken);
        position_ += taken;
        return part;
    }

private:
    ByteSpan bytes_;
    std::size_t position_;
};

// Appends fields to a byte vector.
class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}

    void Unsigned(std::uint32_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void U8(std::uint8_t value) { out_.push_back(value); }
    void U16(std::uint16_t value) { Unsigned(value, 2); }
    void U32(std::uint32_t value) { Unsigned(value, 4); }
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Put(std::string_view text) { out_.insert(out_.end(), text.begin(), text.end()); }
    void Put(ByteSpan bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

private:
    Bytes& out_;
};

}  // namespace horalo
