// The horalo.frm that the build draws, read as the program's playback reads
// it: record by record, by type and size.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace horalo {
namespace {

constexpr std::uint32_t kHeader = 1;
constexpr std::uint32_t kEndOfFile = 14;
constexpr std::uint32_t kSetBkMode = 18;
constexpr std::uint32_t kSetTextAlign = 22;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kExtCreateFont = 82;
constexpr std::uint32_t kExtTextOutA = 83;
constexpr std::uint32_t kExtTextOutW = 84;
constexpr std::uint32_t kTransparent = 1;
constexpr std::uint32_t kAlignRight = 2;

struct Record {
    std::uint32_t type;
    std::size_t at;
    std::uint32_t size;
};

class FormFile {
public:
    FormFile() {
#ifdef HORALO_FORM_FILE
        std::ifstream in(HORALO_FORM_FILE, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
#endif
        // Stops at the first record that does not fit, as a careful reader would.
        std::size_t at = 0;
        while (at + 8 <= bytes_.size()) {
            const std::uint32_t size = U32(at + 4);
            if (size < 8 || size % 4 != 0 || size > bytes_.size() - at) return;
            records_.push_back({U32(at), at, size});
            at += size;
        }
        whole_ = at == bytes_.size() && !records_.empty();
    }

    std::uint32_t U32(std::size_t at) const {
        if (at + 4 > bytes_.size()) return 0;
        return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 | static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
    }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

    std::size_t Size() const { return bytes_.size(); }
    bool Whole() const { return whole_; }
    const std::vector<Record>& Records() const { return records_; }

    // The text of an ExtTextOut record, if it lies inside the record; each
    // UTF-16 unit's low byte is what the program reads of a placeholder.
    bool Text(const Record& r, std::string& text) const {
        const std::uint32_t count = U32(r.at + 44);
        const std::uint32_t offset = U32(r.at + 48);
        if (r.size < 76 || offset < 76 || offset > r.size || count > (r.size - offset) / 2) return false;
        text.clear();
        for (std::uint32_t i = 0; i < count; ++i) text += static_cast<char>(bytes_[r.at + offset + 2 * i]);
        return true;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<Record> records_;
    bool whole_ = false;
};

TEST(TimeSheetForm, IsAnA4PortraitMetafileOfWholeRecords) {
    const FormFile form;
    ASSERT_GT(form.Size(), 0u) << "the build did not make horalo.frm, or did not say where";
    ASSERT_TRUE(form.Whole()) << "the record sizes do not add up to the file";
    const std::vector<Record>& records = form.Records();
    ASSERT_EQ(records.front().type, kHeader);
    EXPECT_EQ(records.front().at, 0u);
    EXPECT_EQ(form.U32(40), 0x464D4520u) << "signature \" EMF\"";
    EXPECT_EQ(form.U32(48), form.Size()) << "nBytes";
    EXPECT_EQ(form.U32(52), records.size()) << "nRecords";
    const std::int32_t frame[4] = {form.I32(24), form.I32(28), form.I32(32), form.I32(36)};
    EXPECT_EQ(frame[0], 0);
    EXPECT_EQ(frame[1], 0);
    EXPECT_EQ(frame[2], 21000);
    EXPECT_EQ(frame[3], 29700);
    // The reference device must have the page's proportions, or the drawing
    // is stretched against the frame.
    EXPECT_EQ(form.I32(80), 210);
    EXPECT_EQ(form.I32(84), 297);
    EXPECT_EQ(static_cast<long long>(form.I32(72)) * 297, static_cast<long long>(form.I32(76)) * 210);
    EXPECT_EQ(records.back().type, kEndOfFile);
    for (std::size_t i = 1; i < records.size(); ++i) EXPECT_NE(records[i].type, kHeader) << "record " << i;
}

// What the program replaces, with the state its replacement is drawn in: the
// time fields right-aligned so the figures line up, the start (which may be a
// note) and the form texts left-aligned, all over a transparent background.
TEST(TimeSheetForm, EveryValueHasOnePlaceholderInItsColumn) {
    const FormFile form;
    ASSERT_TRUE(form.Whole());
    std::map<std::string, bool> expected;  // placeholder -> drawn right-aligned
    for (int day = 1; day <= 31; ++day) {
        const std::string dd = std::string(1, static_cast<char>('0' + day / 10)) + static_cast<char>('0' + day % 10);
        for (const char kind : std::string("CGDIPNTS")) expected["#" + std::string(1, kind) + dd] = kind != 'C';
    }
    const std::map<std::string, bool> month = {{"#OI", false}, {"#OO", false}, {"#OM", false}, {"#OY", false},
                                               {"#OP", true},  {"#ON", true},  {"#OS", true},  {"#OV", true},
                                               {"#OU", true},  {"#OT", true}};
    expected.insert(month.begin(), month.end());

    const std::int32_t pageWidth = form.I32(72);
    const std::int32_t pageHeight = form.I32(76);
    const std::int32_t margin = pageWidth * 15 / 210;
    std::map<std::string, int> seen;
    std::map<std::string, std::pair<std::int32_t, std::int32_t>> where;
    std::set<std::uint32_t> fonts;
    std::uint32_t align = 0;
    std::uint32_t bkMode = 0;
    bool fontSelected = false;
    for (const Record& r : form.Records()) {
        if (r.type == kSetTextAlign) align = form.U32(r.at + 8);
        if (r.type == kSetBkMode) bkMode = form.U32(r.at + 8);
        if (r.type == kExtCreateFont) fonts.insert(form.U32(r.at + 8));
        if (r.type == kSelectObject && fonts.count(form.U32(r.at + 8)) != 0) fontSelected = true;
        if (r.type != kExtTextOutW && r.type != kExtTextOutA) continue;
        std::string text;
        ASSERT_TRUE(form.Text(r, text)) << "a text runs out of its record at " << r.at;
        const std::uint32_t offDx = form.U32(r.at + 72);
        EXPECT_TRUE(offDx >= 76 && offDx <= r.size && text.size() <= (r.size - offDx) / 4) << text;
        const std::int32_t x = form.I32(r.at + 36);
        const std::int32_t y = form.I32(r.at + 40);
        EXPECT_TRUE(x >= margin && x <= pageWidth - margin && y >= margin && y <= pageHeight - margin) << text;
        if (text.empty() || text[0] != '#') continue;
        ASSERT_EQ(r.type, kExtTextOutW) << text << ": only wide texts are replaced";
        ++seen[text];
        where[text] = {x, y};
        const auto found = expected.find(text);
        if (found == expected.end()) continue;
        EXPECT_EQ((align & kAlignRight) != 0, found->second) << text;
        EXPECT_EQ(bkMode, kTransparent) << text;
        EXPECT_TRUE(fontSelected) << text;
    }
    for (const auto& [text, right] : expected) EXPECT_EQ(seen[text], 1) << text;
    EXPECT_EQ(seen.size(), expected.size()) << "placeholders the program does not know";

    // A column's figures share one edge, day below day; the totals stand
    // under their columns and the balances under the running balance.
    for (const char kind : std::string("CGDIPNTS")) {
        for (int day = 2; day <= 31; ++day) {
            const std::string above = std::string("#") + kind + (day < 11 ? "0" : "") + std::to_string(day - 1);
            const std::string here = std::string("#") + kind + (day < 10 ? "0" : "") + std::to_string(day);
            EXPECT_EQ(where[here].first, where[above].first) << here;
            EXPECT_GT(where[here].second, where[above].second) << here;
        }
    }
    EXPECT_EQ(where["#OP"].first, where["#P31"].first);
    EXPECT_EQ(where["#ON"].first, where["#N31"].first);
    for (const char* balance : {"#OS", "#OV", "#OU", "#OT"}) {
        EXPECT_EQ(where[balance].first, where["#T31"].first) << balance;
        EXPECT_GT(where[balance].second, where["#T31"].second) << balance;
    }
}

}  // namespace
}  // namespace horalo
