#pragma once
// Log bytes written out by hand, and a second reader that decodes
// well-formed records by the record table alone, independent of the codec.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/timelog/log_record.h"

namespace horalo::test {

// 32-bit little-endian words.
inline std::string Words(std::initializer_list<std::int64_t> values) {
    std::string bytes;
    for (const auto value : values)
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    return bytes;
}

// Decodes the record at p and moves p behind it.
inline LogRecord DecodeRecord(const std::string& bytes, std::size_t& p) {
    const auto next = [&] {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(p + i));
        p += 4;
        return value;
    };
    const auto signedNext = [&] { return static_cast<std::int32_t>(next()); };
    LogRecord r;
    r.tag = next();
    if (r.tag <= 6) r.time = next();  // times are unsigned
    if (r.tag == 2) r.breakEnd = next();
    if (r.tag == 6) r.hoursDeducted = signedNext(), r.carriedBalance = signedNext();
    if (r.tag == 3) {
        const auto length = static_cast<std::size_t>(next());
        r.text = bytes.substr(p, length);
        p += length;
        EXPECT_EQ(bytes.at(p++), '\0') << "terminator of the note ending at " << p;
    }
    return r;
}

}  // namespace horalo::test
