#include "core/settings/settings_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace horalo {
namespace {

// Read straight from the bytes by the layout, not through the codec.
std::uint32_t At(const SettingsBytes& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

void Put(SettingsBytes& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(SettingsRecord, DefaultsAsBytes) {
    SettingsBytes expected{};
    expected[0] = 7;     // workHours
    expected[12] = 45;   // breakMinutes
    expected[164] = 1;   // calendarOnTop
    expected[168] = 1;   // autostart
    EXPECT_EQ(EncodeSettings(DefaultSettings()), expected);
}

TEST(SettingsRecord, EveryFieldAtItsOffset) {
    SettingsRecord s;
    s.workHours = 0x11121314;
    s.workMinutes = 0x21222324;
    s.breakHours = 0x31323334;
    s.breakMinutes = 0x41424344;
    s.number1 = 0xF1F2F3F4u;  // high bit set: unsigned all the way
    s.number2 = 0x51525354;
    s.maxHours = 0x61626364;
    s.maxMinutes = 0x71727374;
    s.wayMinutes = -2;
    SetFormText(s.formText1, "first text");
    SetFormText(s.formText2, "second");
    s.calendarOnTop = 0x0A0B0C0D;
    s.autostart = 0x1A1B1C1D;
    s.startHidden = 0x2A2B2C2D;
    s.powerEvents = 0x3A3B3C3D;

    const SettingsBytes bytes = EncodeSettings(s);
    const std::pair<std::size_t, std::uint32_t> numbers[] = {
        {0, 0x11121314},   {4, 0x21222324},   {8, 0x31323334},   {12, 0x41424344},  {16, 0xF1F2F3F4},
        {20, 0x51525354},  {24, 0x61626364},  {28, 0x71727374},  {32, 0xFFFFFFFE},  {164, 0x0A0B0C0D},
        {168, 0x1A1B1C1D}, {172, 0x2A2B2C2D}, {176, 0x3A3B3C3D},
    };
    for (const auto& [offset, value] : numbers) EXPECT_EQ(At(bytes, offset), value) << "offset " << offset;
    EXPECT_EQ(std::memcmp(bytes.data() + 36, "first text", 11), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 100, "second", 7), 0);
}

TEST(SettingsRecord, NumbersBeyondTheOptionsDialogAreHeldToItsRanges) {
    const struct {
        std::size_t offset;
        std::uint32_t stored, decoded;
    } cases[] = {
        {0, 0x7FFFFFFF, 23}, {0, 0x80000000, 0}, {4, 60, 59}, {8, 24, 23}, {12, 59, 59}, {16, 0xFFFFFFFF, 999},
        {20, 1000000, 999999}, {24, 0x7FFFFFFF, 23}, {28, 0x7FFFFFFF, 59}, {32, 0x7FFFFFFF, 59},
        {164, 0x7FFFFFFF, 0x7FFFFFFF},  // flags count as anything but 0: kept as stored
    };
    for (const auto& c : cases) {
        SettingsBytes bytes = EncodeSettings(DefaultSettings());
        Put(bytes, c.offset, c.stored);
        const auto decoded = DecodeSettings(bytes.data(), bytes.size());
        ASSERT_TRUE(decoded);
        Put(bytes, c.offset, c.decoded);
        EXPECT_EQ(EncodeSettings(*decoded), bytes) << "offset " << c.offset << ", stored " << c.stored;
    }
}

TEST(SettingsRecord, OnlyExactly180BytesDecode) {
    std::uint8_t bytes[kSettingsRecordSize + 1] = {};
    bytes[0] = 9;
    EXPECT_FALSE(DecodeSettings(bytes, 179));
    EXPECT_FALSE(DecodeSettings(bytes, 181));
    EXPECT_FALSE(DecodeSettings(bytes, 0));
    EXPECT_FALSE(DecodeSettings(nullptr, 180));
    const auto decoded = DecodeSettings(bytes, 180);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->workHours, 9);
}

TEST(SettingsRecord, RoundTripKeepsEveryByte) {
    // Non-zero everywhere, so a byte lost behind a form text's NUL shows.
    SettingsBytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    // The times and numbers within the dialog's ranges, so they too come back.
    for (std::uint32_t field = 0; field < 9; ++field) Put(bytes, field * 4, field + 1);
    bytes[36 + 3] = 0;
    bytes[100] = 0;
    const auto decoded = DecodeSettings(bytes.data(), bytes.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(FormText(decoded->formText1), std::string({char(36 * 7 + 1), char(37 * 7 + 1), char(38 * 7 + 1)}));
    EXPECT_EQ(FormText(decoded->formText2), "");
    EXPECT_EQ(EncodeSettings(*decoded), bytes);
}

TEST(SettingsRecord, FormTextIsBoundedByTheField) {
    std::array<char, kFormTextSize> field;
    field.fill('x');  // no NUL at all, as a damaged record might hold
    EXPECT_EQ(FormText(field), std::string(63, 'x'));

    SetFormText(field, std::string(70, 'a'));
    EXPECT_EQ(FormText(field), std::string(63, 'a'));
    EXPECT_EQ(field[63], '\0');

    SetFormText(field, std::string(63, 'b'));
    EXPECT_EQ(FormText(field), std::string(63, 'b'));

    SetFormText(field, "short");
    EXPECT_EQ(FormText(field), "short");
    for (std::size_t i = 5; i < field.size(); ++i) EXPECT_EQ(field[i], '\0') << "byte " << i;

    SetFormText(field, std::string("ab\0cd", 5));  // a NUL ends the stored text
    EXPECT_EQ(FormText(field), "ab");
    EXPECT_EQ(field[3], '\0');
}

}  // namespace
}  // namespace horalo
