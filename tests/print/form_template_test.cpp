// The form played into a recording metafile: what each text record turns
// into, read back from the recording.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/settings/settings_record.h"
#include "registry_fixture.h"
#include "local_time_helper.h"
#include "print/form_template.h"

namespace horalo {
namespace {

// An enhanced metafile written byte by byte, so the test decides every
// field, the hostile ones included.
class EmfBuilder {
public:
    EmfBuilder() { bytes_.resize(kHeaderSize); }

    // A text record of type 83 (ANSI) or 84 (wide) at (x, y).
    EmfBuilder& Text(std::uint32_t type, const std::string& text, int x = 100, int y = 100,
                     std::uint32_t offStringOverride = 0) {
        const bool wide = type == 84;
        const std::size_t textBytes = text.size() * (wide ? 2 : 1);
        const std::size_t textStart = 76;
        const std::size_t dxStart = textStart + ((textBytes + 3) & ~std::size_t{3});
        const std::size_t size = dxStart + text.size() * 4;
        std::vector<std::uint8_t> record(size);
        Put(record, 0, type);
        Put(record, 4, static_cast<std::uint32_t>(size));
        Put(record, 24, GM_COMPATIBLE);
        Put(record, 36, static_cast<std::uint32_t>(x));
        Put(record, 40, static_cast<std::uint32_t>(y));
        Put(record, 44, static_cast<std::uint32_t>(text.size()));
        Put(record, 48, offStringOverride ? offStringOverride : static_cast<std::uint32_t>(textStart));
        Put(record, 64, 0xFFFFFFFFu);  // rcl right and bottom: -1, no clipping rectangle
        Put(record, 68, 0xFFFFFFFFu);
        Put(record, 72, static_cast<std::uint32_t>(dxStart));
        for (std::size_t i = 0; i < text.size(); ++i) {
            record[textStart + i * (wide ? 2 : 1)] = static_cast<std::uint8_t>(text[i]);
            Put(record, dxStart + i * 4, 20u);
        }
        Append(record);
        return *this;
    }

    // A background-mode record of `bytes` bytes whose size field says `declared`.
    EmfBuilder& Record(std::uint32_t declared, std::size_t bytes) {
        std::vector<std::uint8_t> record(bytes);
        Put(record, 0, EMR_SETBKMODE);
        Put(record, 4, declared);
        Append(record);
        return *this;
    }

    std::vector<std::uint8_t> Finish() {
        std::vector<std::uint8_t> eof(20);
        Put(eof, 0, EMR_EOF);
        Put(eof, 4, 20u);
        Put(eof, 12, 16u);
        Put(eof, 16, 20u);
        Append(eof);
        Put(bytes_, 0, EMR_HEADER);
        Put(bytes_, 4, static_cast<std::uint32_t>(kHeaderSize));
        Put(bytes_, 24, 21000u);  // rclFrame: A4 in 0.01 mm
        Put(bytes_, 28, 29700u);
        Put(bytes_, 16, 793u);    // rclBounds in pixels
        Put(bytes_, 20, 1122u);
        Put(bytes_, 40, 0x464D4520u);  // " EMF"
        Put(bytes_, 44, 0x10000u);
        Put(bytes_, 48, static_cast<std::uint32_t>(bytes_.size()));
        Put(bytes_, 52, records_ + 1);
        Put(bytes_, 56, 1u);      // handles: the table's own entry
        Put(bytes_, 72, 794u);    // szlDevice
        Put(bytes_, 76, 1123u);
        Put(bytes_, 80, 210u);    // szlMillimeters
        Put(bytes_, 84, 297u);
        Put(bytes_, 100, 210000u);  // szlMicrometers
        Put(bytes_, 104, 297000u);
        return bytes_;
    }

private:
    static constexpr std::size_t kHeaderSize = 108;
    static void Put(std::vector<std::uint8_t>& to, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) to[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    void Append(const std::vector<std::uint8_t>& record) {
        bytes_.insert(bytes_.end(), record.begin(), record.end());
        ++records_;
    }
    std::vector<std::uint8_t> bytes_;
    std::uint32_t records_ = 0;
};

std::string TempFile(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name + std::to_string(GetCurrentProcessId()) + ".emf";
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Every text drawn when the form plays, in order, as the recording keeps it.
std::vector<std::string> TextsDrawn(FormTemplate& form) {
    const RECT frame{0, 0, 21000, 29700};
    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
    form.Play(recorder, RECT{0, 0, 794, 1123});
    HENHMETAFILE recording = CloseEnhMetaFile(recorder);
    std::vector<std::uint8_t> bytes(GetEnhMetaFileBits(recording, 0, nullptr));
    GetEnhMetaFileBits(recording, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(recording);
    std::vector<std::string> texts;
    for (std::size_t at = 0; at + 8 <= bytes.size();) {
        const auto* record = reinterpret_cast<const ENHMETARECORD*>(bytes.data() + at);
        if (record->iType == EMR_EXTTEXTOUTW || record->iType == EMR_EXTTEXTOUTA) {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const std::uint8_t* start = bytes.data() + at + text->emrtext.offString;
            std::string drawn;
            for (DWORD i = 0; i < text->emrtext.nChars; ++i)
                drawn += static_cast<char>(record->iType == EMR_EXTTEXTOUTW ? start[i * 2] : start[i]);
            texts.push_back(drawn);
        }
        if (record->nSize < 8) break;
        at += record->nSize;
    }
    return texts;
}

class FormTemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings_ = DefaultSettings();
        SetFormText(settings_.formText1, "Erika Mustermann");
        TimeSheet& sheet = form_.sheet();
        sheet.settings = &settings_;
        sheet.month = 2;
        sheet.year = 2024;
        sheet.carriedBalance = 130;
        sheet.absenceMark = "Absent from work";
        DayEvaluation& fifth = sheet.evaluation.days[4];
        fifth.start = test::LocalAt(2024, 2, 5, 8, 5);
        fifth.presence = 27000;
        fifth.hasStart = true;
        sheet.evaluation.days[5].absence = true;
        sheet.evaluation.surplusTotal = 1800;
    }
    void TearDown() override {
        form_.Load("");  // lets go of the last file
        for (const auto& path : paths_) DeleteFileA(path.c_str());
    }

    // A file of its own each time: the loaded form keeps its file open.
    bool Load(const std::vector<std::uint8_t>& bytes) {
        paths_.push_back(TempFile("Horalo form ") + "." + std::to_string(paths_.size()));
        WriteFileBytes(paths_.back(), bytes);
        return form_.Load(paths_.back());
    }

    SettingsRecord settings_;
    FormTemplate form_;
    std::vector<std::string> paths_;
};

TEST_F(FormTemplateTest, PlaceholdersAreReplacedAndOtherTextsPlayUnchanged) {
    struct Case {
        std::uint32_t type;
        const char* text;
        const char* drawn;  // nullptr: nothing is drawn
    };
    const Case cases[] = {
        {84, "#C05", "  08:05"},          // start of day 5: a time of day
        {84, "#D05", "  07:30"},          // presence: a duration
        {84, "#S05", "07:45"},            // required presence with the defaults
        {84, "#C06", "Absent"},           // absence mark, six characters
        {84, "#C07", nullptr},            // a day with nothing: nothing drawn
        {84, "#OI", "Erika Mustermann"},  // form text 1
        {84, "#OM", "03"},
        {84, "#OY", "2024"},
        {84, "#OV", "  01:30"},           // carried balance 1 h 30 min
        {84, "#OT", "  02:00"},           // 30 min surplus + 1 h 30 min carried
        {84, "#Q01", nullptr},            // unknown kind: dropped
        {84, "#OX", nullptr},             // unknown selector: dropped
        {84, "#C32", nullptr},            // no such day
        {83, "#OT", "#OT"},               // ANSI texts are never placeholders
        {84, "Total #OT", "Total #OT"},   // '#' not in first place
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(Load(EmfBuilder().Text(84, "before").Text(c.type, c.text).Text(84, "after").Finish()));
        std::vector<std::string> expected{"before"};
        if (c.drawn) expected.push_back(c.drawn);
        expected.push_back("after");
        EXPECT_EQ(TextsDrawn(form_), expected);
    }
}

TEST_F(FormTemplateTest, TextOutsideItsRecordIsDroppedAndTheRestStillPlays) {
    for (const std::uint32_t offString : {0x7FFFFFF0u, 0xFFFFFFFEu, 200u}) {
        SCOPED_TRACE(offString);
        ASSERT_TRUE(Load(EmfBuilder()
                             .Text(84, "before")
                             .Text(84, "#OT", 100, 100, offString)
                             .Text(84, "#OY")
                             .Finish()));
        EXPECT_EQ(TextsDrawn(form_), (std::vector<std::string>{"before", "2024"}));
    }
}

// Sizes the player would believe: with 0 it stayed in one record for ever.
TEST_F(FormTemplateTest, RecordSizesThePlayerCannotStepByRefuseTheForm) {
    // 0, not a multiple of 4, under 8, past the end, wrapping the offset
    const std::pair<std::uint32_t, std::size_t> sizes[] = {{0, 8}, {10, 12}, {4, 8}, {0x1000, 12}, {0xFFFFFFFC, 12}};
    HDC screen = GetDC(nullptr);
    for (const auto& [declared, bytes] : sizes) {
        EXPECT_FALSE(Load(EmfBuilder().Text(84, "before").Record(declared, bytes).Text(84, "after").Finish())) << declared;
        EXPECT_EQ(form_.Play(screen, RECT{0, 0, 10, 10}), 0) << declared;
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(FormTemplateTest, WithoutAFormNothingIsDrawn) {
    EXPECT_FALSE(form_.Load(TempFile("Horalo missing form ")));
    EXPECT_EQ(form_.Play(GetDC(nullptr), RECT{0, 0, 10, 10}), 0);
    EXPECT_EQ(form_.FrameRect().right, 0);
}

TEST_F(FormTemplateTest, TheInstalledFormShowsEveryValueAndNoPlaceholder) {
    ASSERT_TRUE(form_.Load(test::TestProgramFolder() + "horalo.frm"));
    const RECTL frame = form_.FrameRect();
    EXPECT_NEAR(frame.right - frame.left, 21000, 100);  // A4 portrait
    EXPECT_NEAR(frame.bottom - frame.top, 29700, 100);
    const std::vector<std::string> texts = TextsDrawn(form_);
    for (const std::string& text : texts) EXPECT_NE(text.rfind('#', 0), 0u) << text;
    for (const char* value : {"  08:05", "  07:30", "07:45", "Absent", "Erika Mustermann", "03", "2024", "  01:30",
                              "  02:00", "  00:30"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), value), texts.end()) << value;
}

}  // namespace
}  // namespace horalo
