// horalo.exe itself, started from a fresh program folder the way the logon
// would start it, and ended the way another program may end it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/registry.h"
#include "core/settings/settings_record.h"
#include "core/calendar_days/calendar_entry_file.h"
#include "program_run_fixture.h"
#include "registry_fixture.h"
#include "resource_ids.h"
#include "ui/main/main_dialog.h"

namespace horalo {
namespace {

using test::BoxTexts;
using test::Int32At;
using test::ProgramRun;
using test::ReadFile;
using test::WaitForWindow;

std::string LibraryText(UINT id) {
    static const HMODULE library = LoadLibraryA((test::TestProgramFolder() + "HoraloRDLL.dll").c_str());
    char text[512] = {};
    LoadStringA(library, id, text, sizeof text);
    return text;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An entry of the old special-days format, written byte by byte: a 28-byte
// record without the extra flag, then its texts and the end word.
void PutOldEntry(std::string& bytes, const SpecialEntry& entry) {
    PutLittleEndian(bytes, static_cast<std::uint16_t>(entry.day), 2);
    PutLittleEndian(bytes, static_cast<std::uint16_t>(entry.offset), 2);
    PutLittleEndian(bytes, static_cast<std::uint16_t>(entry.ordinal), 2);
    PutLittleEndian(bytes, 0, 2);
    for (std::int32_t field : {entry.weekday, entry.month})
        PutLittleEndian(bytes, static_cast<std::uint32_t>(field), 4);
    for (bool flag : {entry.weekdayRule, entry.easter, entry.holiday}) PutLittleEndian(bytes, flag ? 1 : 0, 4);
    auto putText = [&bytes](int tag, const std::optional<std::string>& text) {
        if (!text) return;
        PutLittleEndian(bytes, static_cast<std::uint32_t>(tag | (text->size() + 1) << 8), 2);
        bytes += *text;
        bytes += '\0';
    };
    putText(1, entry.name);
    putText(2, entry.secondText);
    PutLittleEndian(bytes, 3, 2);
}

TEST_F(ProgramRun, FirstStartRegistersAndRecordsTheDayUntilQuitRequest) {
    CopyProgram();
    const std::string specialDays = ReadFile(folder_ + "horalo.spc");
    const auto before = static_cast<std::int32_t>(time(nullptr));
    Start();
    HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
    ASSERT_NE(main, nullptr);
    // The window is found as it is made; it is shown a moment later.
    for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
    EXPECT_TRUE(IsWindowVisible(main));
    const auto started = static_cast<std::int32_t>(time(nullptr));

    EXPECT_FALSE(test::ReadRawValue(kProgramKey, kSettingsValue)) << "the defaults wait for the end";
    auto path = test::ReadRawValue(kProgramKey, kPathValue);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->bytes, folder_);
    auto run = test::ReadRawValue(kRunKey, kRunValue);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->bytes, "\"" + folder_ + "horalo.exe\"");

    std::string log = Log();
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(Int32At(log, 0), 1);
    EXPECT_GE(Int32At(log, 4), before);
    EXPECT_LE(Int32At(log, 4), started);

    const std::string startRecord = log;
    PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);
    const auto ended = static_cast<std::int32_t>(time(nullptr));
    log = Log();
    ASSERT_EQ(log.size(), 16u);
    EXPECT_EQ(log.substr(0, 8), startRecord);
    EXPECT_EQ(Int32At(log, 8), 0);
    EXPECT_GE(Int32At(log, 12), Int32At(log, 4));
    EXPECT_LE(Int32At(log, 12), ended);
    EXPECT_EQ(ReadFile(folder_ + "horalo.spc"), specialDays);

    auto settings = test::ReadRawValue(kProgramKey, kSettingsValue);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->type, static_cast<DWORD>(REG_BINARY));
    const SettingsBytes defaults = EncodeSettings(DefaultSettings());
    EXPECT_EQ(settings->bytes, std::string(defaults.begin(), defaults.end()));
}

// Started again the same day, the program goes on with the day: one start,
// the time between the runs (a break, when it lasted a second or more), one end.
TEST_F(ProgramRun, SecondStartTheSameDayContinuesTheDay) {
    CopyProgram();
    for (int run = 1; run <= 2; ++run) {
        Start();
        HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
        ASSERT_NE(main, nullptr);
        PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
        WaitForExit();
    }
    const std::string log = Log();
    ASSERT_TRUE(log.size() == 16u || log.size() == 28u) << log.size();
    EXPECT_EQ(Int32At(log, 0), 1);
    if (log.size() == 28u) {
        EXPECT_EQ(Int32At(log, 8), 2);
    }
    EXPECT_EQ(Int32At(log, log.size() - 8), 0);
}

TEST_F(ProgramRun, StoredSettingsAreUsedAndPathWaitsForTheEnd) {
    CopyProgram();
    SettingsRecord settings = DefaultSettings();
    settings.startHidden = 1;
    settings.wayMinutes = 30;
    const SettingsBytes bytes = EncodeSettings(settings);
    WriteRegistryValue(kSettingsValue, bytes.data(), kSettingsRecordSize, false);
    // As after the program folder moved: the first run still uses the old one.
    WriteRegistryValue(kPathValue, folder_.data(), static_cast<DWORD>(folder_.size()), true);
    const std::string moved = "C:\\elsewhere\\";
    const auto before = static_cast<std::int32_t>(time(nullptr));
    Start();
    HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    WriteRegistryValue(kPathValue, moved.data(), static_cast<DWORD>(moved.size()), true);
    std::string log = Log();
    ASSERT_EQ(log.size(), 8u);
    EXPECT_LE(Int32At(log, 4), before - 30 * 60 + 5);

    PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
    WaitForExit();
    EXPECT_EQ(test::ReadRawValue(kProgramKey, kPathValue)->bytes, folder_);
    EXPECT_EQ(test::ReadRawValue(kProgramKey, kSettingsValue)->bytes, std::string(bytes.begin(), bytes.end()));
}

TEST_F(ProgramRun, WithoutLanguageLibraryOnlyTheBuiltInMessageAppears) {
    CopyIn("horalo.exe");
    Start();
    HWND box = test::WaitForBox(process_.dwProcessId, process_.hProcess, "Sprach DLL fehlt!\nLanguage DLL is missing!");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitForExit();

    EXPECT_FALSE(test::ProgramKeyExists());
    EXPECT_FALSE(test::ReadRawValue(kRunKey, kRunValue));
    EXPECT_EQ(GetFileAttributesA((folder_ + "horalo.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProgramRun, WithoutSpecialDaysTheProgramSaysSoAndRecordsNothing) {
    CopyIn("horalo.exe");
    CopyIn("HoraloRDLL.dll");
    const std::string expected = LibraryText(IDS_SPECIAL_READ_FAILED);
    ASSERT_FALSE(expected.empty());
    Start();
    HWND box = test::WaitForBox(process_.dwProcessId, process_.hProcess, expected);
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(WaitForExit(), 0u);
    EXPECT_EQ(GetFileAttributesA((folder_ + "horalo.log").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((folder_ + "horalo.spc").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProgramRun, OldSpecialDaysComeBackInTheCurrentFormat) {
    CopyIn("horalo.exe");
    CopyIn("HoraloRDLL.dll");
    SpecialEntryList entries;
    SpecialEntry newYear;
    newYear.day = 1;
    newYear.holiday = 1;
    newYear.name = "New Year";
    newYear.secondText = "Public holiday";
    entries.Append(newYear);
    SpecialEntry mothersDay;
    mothersDay.ordinal = 2;
    mothersDay.weekday = 6;
    mothersDay.month = 4;
    mothersDay.weekdayRule = 1;
    mothersDay.name = "Second Sunday of May";
    entries.Append(mothersDay);
    std::string old;
    for (const SpecialEntry& entry : entries) PutOldEntry(old, entry);
    std::ofstream(folder_ + "horalo.spc", std::ios::binary) << old;

    Start();
    HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);

    const std::string saved = ReadFile(folder_ + "horalo.spc");
    ASSERT_GE(saved.size(), 4u);
    EXPECT_EQ(static_cast<std::uint32_t>(Int32At(saved, 0)), kSpecialFileMagic);
    SpecialEntryList read;
    ASSERT_EQ(ReadSpecialFile(folder_ + "horalo.spc", read), kSpecialFileOk);
    EXPECT_EQ(read, entries);
    EXPECT_EQ(saved.size(), 4 + old.size() + 2 * 4) << "each record gained its 4-byte extra flag";
}

TEST_F(ProgramRun, SecondStartShowsTheFirstAndWritesNothing) {
    CopyProgram();
    SettingsRecord settings = DefaultSettings();
    settings.startHidden = 1;
    settings.autostart = 0;
    StoreSettings(settings);
    Start();
    HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    const std::string firstDay = Log();
    ASSERT_EQ(firstDay.size(), 8u);

    PROCESS_INFORMATION second{};
    Start(second);
    if (WaitForSingleObject(second.hProcess, 20000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the second start did not end";
        TerminateProcess(second.hProcess, 1);
    }
    EXPECT_EQ(WaitForExit(second), 0u);
    for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(Log(), firstDay);
    EXPECT_FALSE(test::ReadRawValue(kRunKey, kRunValue));

    PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);
    const std::string log = Log();
    ASSERT_EQ(log.size(), 16u);
    EXPECT_EQ(Int32At(log, 0), 1);
    EXPECT_EQ(Int32At(log, 8), 0);
}

}  // namespace
}  // namespace horalo
