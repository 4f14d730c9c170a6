#include "core/sheet/placeholder.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace horalo {
namespace {

using Record = std::vector<std::uint8_t>;

void Put32(Record& r, std::size_t at, std::uint32_t value) {
    if (r.size() < at + 4) r.resize(at + 4);
    for (int i = 0; i < 4; ++i) r[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A text record as a form editor writes it: the fixed part, the UTF-16LE
// text padded to four bytes, then the spacing array. The setters bend it out
// of shape afterwards.
class Text {
public:
    explicit Text(std::u16string text) : text(std::move(text)) {}
    Text& Type(std::uint32_t value) { return type = value, *this; }
    Text& Count(std::uint32_t value) { return charCount = value, *this; }
    Text& Offset(std::uint32_t value) { return stringOffset = value, *this; }
    Text& SizeField(std::uint32_t value) { return sizeField = value, *this; }
    Text& Span(std::size_t value) { return span = value, *this; }
    Text& Tight() { return tight = true, *this; }  // no padding, no spacing array

    Record Build() const {
        Record r(76, 0);
        const std::uint32_t count = charCount.value_or(static_cast<std::uint32_t>(text.size()));
        Put32(r, 0, type);
        Put32(r, 36, 100);  // reference point
        Put32(r, 40, 200);
        Put32(r, 44, count);
        Put32(r, 48, stringOffset.value_or(76));
        for (char16_t unit : text) {
            r.push_back(static_cast<std::uint8_t>(unit));
            r.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        if (!tight) {
            r.resize((r.size() + 3) / 4 * 4);
            Put32(r, 72, static_cast<std::uint32_t>(r.size()));
            r.resize(r.size() + 4 * text.size(), 7);
        }
        Put32(r, 4, sizeField.value_or(static_cast<std::uint32_t>(r.size())));
        if (span) r.resize(*span);
        return r;
    }

private:
    std::u16string text;
    std::uint32_t type = 84;
    std::optional<std::uint32_t> charCount;  // else the text's length
    std::optional<std::uint32_t> stringOffset;
    std::optional<std::uint32_t> sizeField;  // else the record's length
    std::optional<std::size_t> span;         // bytes handed over; else the record's length
    bool tight = false;
};

TEST(Placeholder, RecordsAreReadOnlyInsideThemselves) {
    using enum FormRecordAction;
    const struct {
        const char* name;
        Text record;
        FormRecordAction action;
        char kind, selector;
        int day;
    } cases[] = {
        {"day placeholder", Text(u"#C05"), Replace, 'C', '0', 5},
        {"last day", Text(u"#T31"), Replace, 'T', '3', 31},
        {"first day", Text(u"#S01"), Replace, 'S', '0', 1},
        {"day 00", Text(u"#C00"), Replace, 'C', '0', 0},
        {"day 32", Text(u"#C32"), Replace, 'C', '3', 0},
        {"day not digits", Text(u"#C0A"), Replace, 'C', '0', 0},
        {"only the low bytes", Text(u"#C\u01305"), Replace, 'C', '0', 5},
        {"month placeholder", Text(u"#OT"), Replace, 'O', 'T', 0},
        {"month kind takes no day", Text(u"#O12"), Replace, 'O', '1', 0},
        {"unknown kind", Text(u"#Q05"), Replace, 'Q', '0', 0},
        {"text after the fourth unit", Text(u"#C05 extra"), Replace, 'C', '0', 5},
        {"count 3: no fourth unit", Text(u"#C05").Count(3), Replace, 'C', '0', 0},
        {"count 2: no selector", Text(u"#OT").Count(2), Replace, 'O', 0, 0},
        {"count 0: the '#' alone", Text(u"#C05").Count(0), Replace, 0, 0, 0},
        {"narrow-text record", Text(u"#OT").Type(83), Play, 0, 0, 0},
        {"other record", Text(u"#OT").Type(1), Play, 0, 0, 0},
        {"'#' not first", Text(u"A#C05"), Play, 0, 0, 0},
        {"empty text", Text(u""), Drop, 0, 0, 0},
        {"last unit whole", Text(u"#").Tight(), Replace, 0, 0, 0},
        {"text cut in its fourth unit", Text(u"#C05").Span(83).Tight(), Replace, 'C', '0', 0},
        {"text at the record's end", Text(u"#C05").Offset(100), Drop, 0, 0, 0},
        {"type alone", Text(u"").Span(4), Drop, 0, 0, 0},
        {"one byte of text left", Text(u"#").SizeField(77).Tight(), Drop, 0, 0, 0},
        {"text far beyond", Text(u"#C05").Offset(0x7FFFFFFF), Drop, 0, 0, 0},
        {"offset 2^32 - 1", Text(u"#C05").Offset(0xFFFFFFFF), Drop, 0, 0, 0},
        {"offset 2^32 - 2", Text(u"#C05").Offset(0xFFFFFFFE), Drop, 0, 0, 0},
        {"shorter than the fixed part", Text(u"").Span(75), Drop, 0, 0, 0},
        {"size field short of the fixed part", Text(u"#C05").SizeField(75), Drop, 0, 0, 0},
        {"size field cuts the text", Text(u"#C05").SizeField(80), Replace, 'C', 0, 0},
        {"size field beyond the bytes", Text(u"#C05").SizeField(1000), Replace, 'C', '0', 5},
        {"text only inside the claimed size", Text(u"#C05").Offset(200).SizeField(1000), Drop, 0, 0, 0},
        {"type cut short", Text(u"").Span(3), Play, 0, 0, 0},
        {"no bytes", Text(u"").Span(0), Play, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Record bytes = c.record.Build();
        // A copy as large as its bytes, no spare capacity: a read past them
        // shows under a sanitizer.
        const std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
        const FormRecordDecision d = ClassifyFormRecord(exact);
        EXPECT_EQ(d.action, c.action);
        EXPECT_EQ(d.placeholder.kind, c.kind);
        if (c.action == Replace) {
            EXPECT_EQ(d.placeholder.selector, c.selector);
            EXPECT_EQ(d.placeholder.day, c.day);
        }
    }
}

TEST(Placeholder, PlacementComesFromTheRecord) {
    Record r = Text(u"#OY").Build();
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {36, 0xFFFFFFF6}, {40, 1234}, {52, 0x12345678}, {56, 0xFFFFFF9C}, {60, 5}, {64, 0x7FFFFFFF}, {68, 0x80000000},
    };
    for (const auto& [at, value] : fields) Put32(r, at, value);
    const FormRecordDecision d = ClassifyFormRecord(r);
    ASSERT_EQ(d.action, FormRecordAction::Replace);
    EXPECT_EQ(d.placement.x, -10);
    EXPECT_EQ(d.placement.y, 1234);
    EXPECT_EQ(d.placement.options, 0x12345678u);
    EXPECT_EQ(d.placement.left, -100);
    EXPECT_EQ(d.placement.top, 5);
    EXPECT_EQ(d.placement.right, 0x7FFFFFFF);
    EXPECT_EQ(d.placement.bottom, INT32_MIN);
}

}  // namespace
}  // namespace horalo
