#include "core/calendar_days/calendar_entry_file.h"
#include "core/calendar_days/calendar_entry_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "fault_file_layer.h"
#include "resource_ids.h"
#include "test_host.h"

namespace horalo {
namespace {

using test::TestHost;

// Little-endian fields of the given width, written out by hand.
std::string Le(std::initializer_list<std::int64_t> values, int width) {
    std::string bytes;
    for (const auto value : values)
        for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    return bytes;
}
std::string Shorts(std::initializer_list<std::int64_t> values) { return Le(values, 2); }
std::string Ints(std::initializer_list<std::int64_t> values) { return Le(values, 4); }

const std::string kMagic = "\x11\x63\x63\x63";
const std::string kEnd = Shorts({0x0003});

std::string Item(int tag, const std::string& text) {
    return Shorts({tag | static_cast<std::int64_t>(text.size() + 1) << 8}) + text + '\0';
}

SpecialEntry FullEntry() {
    SpecialEntry entry;
    entry.day = -2;
    entry.offset = 3;
    entry.ordinal = -1;
    entry.weekday = 6;
    entry.month = 10;
    entry.weekdayRule = 1;
    entry.easter = 1;
    entry.holiday = 1;
    entry.extra = 1;
    entry.name = "Entry";
    entry.secondText = "caf\xE9";
    return entry;
}

// The record of FullEntry by the layout table; `extra` false gives the old 28 bytes.
std::string FullRecord(bool extra = true) {
    return Shorts({-2, 3, -1, 0}) + Ints({6, 10, 1, 1, 1}) + (extra ? Ints({1}) : "");
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class SpecialEntryFileTest : public ::testing::Test {
protected:
    std::string Path() const { return host.File(kSpecialFileName).string(); }
    int ReadBytes(const std::string& bytes) {
        WriteAll(Path(), bytes);
        return ReadSpecialFile(Path(), list);
    }
    SpecialEntryList ListOf(std::initializer_list<SpecialEntry> entries) {
        SpecialEntryList result;
        for (const auto& entry : entries) result.Append(entry);
        return result;
    }

    TestHost host;
    SpecialEntryList list;
};

TEST_F(SpecialEntryFileTest, FileEnds) {
    list.Append(FullEntry());
    EXPECT_EQ(ReadSpecialFile(Path(), list), kSpecialFileCannotOpen);
    EXPECT_TRUE(list.empty());

    EXPECT_EQ(ReadBytes(kMagic), kSpecialFileOk);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(ReadBytes(""), kSpecialFileDamaged);
    EXPECT_EQ(ReadBytes("\x11\x63\x63"), kSpecialFileDamaged);
    // Up to 32 bytes behind the last entry are no entry of their own.
    EXPECT_EQ(ReadBytes(kMagic + FullRecord() + kEnd + std::string(28, 'x')), kSpecialFileOk);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(ReadBytes(kMagic + FullRecord() + kEnd + std::string(29, 'x')), kSpecialFileDamaged);
}

TEST_F(SpecialEntryFileTest, SingleLetterNameIsThirtyEightBytes) {
    SpecialEntry entry;
    entry.name = "X";
    entry.month = 4;
    EXPECT_EQ(WriteSpecialFile(Path(), ListOf({entry})), kSpecialFileOk);
    const std::string expected = kMagic + Shorts({0, 0, 0, 0}) + Ints({0, 4, 0, 0, 0, 0}) + Shorts({0x0201}) +
                                 std::string("X\0", 2) + kEnd;
    ASSERT_EQ(expected.size(), 4u + 38u);
    EXPECT_EQ(ReadAll(Path()), expected);
    EXPECT_FALSE(std::filesystem::exists(Path() + ".new"));
}

TEST_F(SpecialEntryFileTest, EveryFieldAndTextComesBack) {
    SpecialEntry bare;  // no texts at all
    bare.day = 31;
    SpecialEntry empty = FullEntry();
    empty.name = "";
    empty.secondText.reset();
    const SpecialEntryList written = ListOf({FullEntry(), bare, empty});

    EXPECT_EQ(WriteSpecialFile(Path(), written), kSpecialFileOk);
    EXPECT_EQ(ReadAll(Path()), kMagic + FullRecord() + Item(1, "Entry") + Item(2, "caf\xE9") + kEnd +
                                   Shorts({31, 0, 0, 0}) + Ints({0, 0, 0, 0, 0, 0}) + kEnd + FullRecord() +
                                   Item(1, "") + kEnd);
    EXPECT_EQ(ReadSpecialFile(Path(), list), kSpecialFileOk);
    EXPECT_EQ(list, written);
}

TEST_F(SpecialEntryFileTest, OldFormatIsReadAndWrittenBackInTheCurrentOne) {
    const std::string secondRecord = Shorts({25, 0, 0, 7}) + Ints({0, 11, 0, 0, 1});
    ASSERT_EQ(ReadBytes(FullRecord(false) + Item(1, "Entry") + Item(2, "caf\xE9") + kEnd + secondRecord +
                        Item(1, "Christmas") + kEnd),
              kSpecialFileOk);
    ASSERT_EQ(list.size(), 2u);
    SpecialEntry first = FullEntry();
    first.extra = 0;
    EXPECT_EQ(list.front(), first);
    EXPECT_EQ(list.back().day, 25);
    EXPECT_EQ(list.back().month, 11);
    EXPECT_EQ(list.back().holiday, 1);
    EXPECT_EQ(list.back().name, "Christmas");

    EXPECT_EQ(WriteSpecialFile(Path(), list), kSpecialFileOk);
    EXPECT_EQ(ReadAll(Path()), kMagic + Shorts({-2, 3, -1, 0}) + Ints({6, 10, 1, 1, 1, 0}) + Item(1, "Entry") +
                                   Item(2, "caf\xE9") + kEnd + Shorts({25, 0, 0, 0}) + Ints({0, 11, 0, 0, 1, 0}) +
                                   Item(1, "Christmas") + kEnd);
}

TEST_F(SpecialEntryFileTest, TheOldFormatsShortestLastEntriesAreRead) {
    const std::string first = FullRecord(false) + Item(1, "Entry") + kEnd;
    // 30, 31 and 32 bytes: an end word alone, a stray byte behind it, an empty item.
    for (const std::string& last : {FullRecord(false) + kEnd, FullRecord(false) + kEnd + "x",
                                    FullRecord(false) + Shorts({0x0001}) + kEnd}) {
        ASSERT_EQ(ReadBytes(first + last), kSpecialFileOk) << last.size();
        ASSERT_EQ(list.size(), 2u) << last.size();
        EXPECT_EQ(list.back().month, 10);
    }
}

TEST_F(SpecialEntryFileTest, LongTextsUpToWhatOneLengthByteHolds) {
    SpecialEntry entry;
    entry.name = std::string(128, 'n');
    entry.secondText = std::string(kMaxSpecialTextLength, 's');
    EXPECT_EQ(WriteSpecialFile(Path(), ListOf({entry})), kSpecialFileOk);
    const std::string bytes = ReadAll(Path());
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(4 + 32 + 1)), 129);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(4 + 32 + 2 + 129 + 1)), 255);
    EXPECT_EQ(ReadSpecialFile(Path(), list), kSpecialFileOk);
    EXPECT_EQ(list, ListOf({entry}));

    // One more character cannot be given its length: refused, old file kept.
    entry.name = std::string(kMaxSpecialTextLength + 1, 'n');
    EXPECT_EQ(WriteSpecialFile(Path(), ListOf({FullEntry(), entry})), kSpecialFileWriteFailed);
    EXPECT_EQ(ReadAll(Path()), bytes);
    EXPECT_FALSE(std::filesystem::exists(Path() + ".new"));

    // A full item without its NUL is cut to what a save can give a length.
    ASSERT_EQ(ReadBytes(kMagic + FullRecord() + Shorts({0xFF01}) + std::string(255, 't') + kEnd), kSpecialFileOk);
    EXPECT_EQ(list.front().name, std::string(kMaxSpecialTextLength, 't'));
    EXPECT_EQ(WriteSpecialFile(Path(), list), kSpecialFileOk);
}

TEST_F(SpecialEntryFileTest, TextItemsWithoutTerminatorOrLengthStillGiveProperTexts) {
    const std::string items = Shorts({0x0301}) + "abc" + Shorts({0x0002}) + kEnd;
    ASSERT_EQ(ReadBytes(kMagic + FullRecord() + items), kSpecialFileOk);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front().name, "abc");
    EXPECT_EQ(list.front().secondText, "");

    ASSERT_EQ(ReadBytes(kMagic + FullRecord() + Shorts({0x0501}) + std::string("ab\0cd", 5) + kEnd),
              kSpecialFileOk);
    EXPECT_EQ(list.front().name, "ab");
}

TEST_F(SpecialEntryFileTest, UnknownWordsAreSkippedWithoutData) {
    ASSERT_EQ(ReadBytes(kMagic + FullRecord() + Shorts({0x0507}) + Item(1, "Entry") + Shorts({0x0203}) + kEnd),
              kSpecialFileOk);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front().name, "Entry");
}

TEST_F(SpecialEntryFileTest, DamageFailsEvenAfterGoodEntries) {
    const std::string good = kMagic + FullRecord() + Item(1, "Entry") + kEnd;
    const std::string cutOff[] = {
        good + FullRecord() + Shorts({0x0901}) + "short",  // text beyond the end
        good + FullRecord() + Item(1, "no end word"),       // no end word
        good + FullRecord() + std::string(1, '\x01'),       // half an item word
        good + std::string(33, '\0'),                       // a record cut short
    };
    for (const std::string& bytes : cutOff) {
        list.Append(FullEntry());
        EXPECT_EQ(ReadBytes(bytes), kSpecialFileDamaged) << bytes.size();
        EXPECT_TRUE(list.empty());
    }
}

TEST_F(SpecialEntryFileTest, FailedReadsAreDamage) {
    WriteAll(Path(), kMagic + FullRecord() + kEnd);
    FaultFileLayer faults;
    ScopedFileLayer scope(faults);
    for (const FileStep step : {FileStep::Seek, FileStep::Tell, FileStep::Read}) {
        faults.FailAt(step, 1);
        EXPECT_EQ(ReadSpecialFile(Path(), list), kSpecialFileDamaged);
        EXPECT_TRUE(faults.Fired());
        EXPECT_EQ(faults.Calls(FileStep::Close), 1) << "the file is closed again";
    }
    faults.FailAt(FileStep::Open, 1);
    EXPECT_EQ(ReadSpecialFile(Path(), list), kSpecialFileCannotOpen);
}

TEST_F(SpecialEntryFileTest, AFailedSaveLeavesTheOldFileWhole) {
    ASSERT_EQ(WriteSpecialFile(Path(), ListOf({FullEntry()})), kSpecialFileOk);
    const std::string old = ReadAll(Path());
    SpecialEntry other;
    other.name = "Other";
    const SpecialEntryList changed = ListOf({other, other});

    FaultFileLayer faults;
    ScopedFileLayer scope(faults);
    const std::pair<FileStep, int> failures[] = {
        {FileStep::Open, kSpecialFileCannotOpen}, {FileStep::Write, kSpecialFileWriteFailed},
        {FileStep::Flush, kSpecialFileWriteFailed}, {FileStep::Close, kSpecialFileWriteFailed},
        {FileStep::Replace, kSpecialFileWriteFailed},
    };
    for (const auto& [step, result] : failures) {
        faults.FailAt(step, 1);
        EXPECT_EQ(WriteSpecialFile(Path(), changed), result) << static_cast<int>(step);
        EXPECT_TRUE(faults.Fired());
        EXPECT_EQ(ReadAll(Path()), old) << static_cast<int>(step);
        EXPECT_FALSE(std::filesystem::exists(Path() + ".new")) << static_cast<int>(step);
    }
    faults.Reset();
    EXPECT_EQ(WriteSpecialFile(Path(), changed), kSpecialFileOk);
    EXPECT_EQ(ReadSpecialFile(Path(), list), kSpecialFileOk);
    EXPECT_EQ(list, changed);
}

TEST_F(SpecialEntryFileTest, LoadAndSaveInTheProgramFolder) {
    EXPECT_EQ(LoadSpecialEntries(host, list), LibraryMessage(IDS_SPECIAL_READ_FAILED, kMessageStop));

    list = ListOf({FullEntry()});
    EXPECT_EQ(SaveSpecialEntries(host, list), std::nullopt);
    EXPECT_EQ(list, ListOf({FullEntry()})) << "the editor goes on with the list it saved";
    list.Clear();
    EXPECT_EQ(LoadSpecialEntries(host, list), std::nullopt);
    EXPECT_EQ(list, ListOf({FullEntry()}));

    // A folder in place of the file: neither read nor replaced.
    std::filesystem::remove(Path());
    std::filesystem::create_directory(Path());
    EXPECT_EQ(SaveSpecialEntries(host, list), LibraryMessage(IDS_SPECIAL_WRITE_FAILED, kMessageStop));
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

// The editor saves on closing and goes on; the program's end saves and
// releases. Neither writes a list that was never loaded.
TEST_F(SpecialEntryFileTest, TheStoreSavesKeepingTheListAndReleasesItAtTheEnd) {
    SpecialEntryStore store(host);
    EXPECT_EQ(store.SaveNow(), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(Path())) << "nothing loaded, nothing written";

    list = ListOf({FullEntry()});
    ASSERT_EQ(SaveSpecialEntries(host, list), std::nullopt);
    ASSERT_EQ(store.Load(), std::nullopt);
    SpecialEntry added = FullEntry();
    added.name = "Company day";
    store.entries().Append(added);
    EXPECT_EQ(store.SaveNow(), std::nullopt);
    EXPECT_EQ(store.entries().size(), 2u) << "the list stays for the editor";
    list.Clear();
    ASSERT_EQ(LoadSpecialEntries(host, list), std::nullopt);
    EXPECT_EQ(list, store.entries());

    EXPECT_EQ(store.Save(), std::nullopt);
    EXPECT_TRUE(store.entries().empty()) << "released at the end";
    EXPECT_EQ(store.Save(), std::nullopt) << "a second save writes nothing";
    list.Clear();
    ASSERT_EQ(LoadSpecialEntries(host, list), std::nullopt);
    EXPECT_EQ(list.size(), 2u);
}

}  // namespace
}  // namespace horalo
