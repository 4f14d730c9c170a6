// check and export over whole logs, damaged logs and missing files, and the
// promise that no command writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>

#include "cli_test_folder.h"
#include "json_reader.h"

namespace horalo::test {
namespace {

using CliLogTest = CliFolderTest;

TEST_F(CliLogTest, CheckListsEveryProblemWithMonthDayAndCode) {
    std::vector<LogRecord> records = Day(2026, 0, 2, 8, 16);  // Friday, the log's first day
    // Monday 5 January has no records; Tuesday 6 ends without a start.
    records.push_back(LogRecord::Of(LogRecordType::WorkEnd, LocalAt(2026, 0, 6, 16)));
    for (const LogRecord& r : Day(2026, 2, 2, 8, 16)) records.push_back(r);
    WriteLog(records);
    const CliRun run = Run({"check"});
    EXPECT_EQ(run.code, 1) << run.err;
    EXPECT_NE(run.out.find("2026-01 2026-01-05 problem 5"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2026-01 2026-01-06 problem 1: Out of order (problem 1) (record at byte 16)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("2026-01 evaluation:"), std::string::npos) << run.out;
    // February lies between the records and has no records at all: nothing
    // to check there; days before the log's first record are no problems.
    EXPECT_EQ(run.out.find("2026-02"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("2026-01-01"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("2026-03"), std::string::npos) << run.out;
}

TEST_F(CliLogTest, CheckOfAHealthyLogExitsZero) {
    std::vector<LogRecord> records = Day(2025, 11, 31, 8, 16);
    for (const LogRecord& r : Day(2026, 0, 2, 8, 16)) records.push_back(r);
    WriteLog(records);
    const CliRun run = Run({"check"});
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("No problems in 2 months"), std::string::npos) << run.out;
}

// Bytes that form no record name the file and the byte where they start.
TEST_F(CliLogTest, DamagedEndsAreReportedWithTheirOffset) {
    const struct {
        std::string tail;
        std::size_t cutBytes;
    } cases[] = {
        {std::string("\x01\x00", 2), 2},                           // a cut tag
        {std::string("\x01\x00\x00\x00\x10", 5), 5},               // a cut time
        {std::string("\x03\x00\x00\x00\x10\x20\x30\x40\x09\x00\x00\x00" "abc", 15), 15},  // a cut note
    };
    for (const auto& c : cases) {
        const auto day = Day(2026, 0, 2, 8, 16);
        WriteLog({day[0], day[1]}, c.tail);
        const CliRun check = Run({"check"});
        EXPECT_EQ(check.code, 1) << c.cutBytes;
        const std::string expected =
            File(kLogFileName) + ": byte 16: the last " + std::to_string(c.cutBytes) + " bytes form no complete record";
        EXPECT_NE(check.err.find(expected), std::string::npos) << check.err;
        // The export still gives the whole records and warns the same way.
        const CliRun exported = Run({"export", "--format", "json"});
        EXPECT_EQ(exported.code, 0);
        EXPECT_NE(exported.err.find(expected), std::string::npos) << exported.err;
        EXPECT_EQ(JsonReader::Parse(exported.out).Array().size(), 2u);
    }
}

TEST_F(CliLogTest, ExportCsvAndJsonGiveEveryRecordOfTheRange) {
    WriteLog({LogRecord::Month(MonthKey(2026, 6), 3, -130), LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 0, 30, 8)),
              LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 6, 1, 8, 5)),
              LogRecord::Break(LocalAt(2026, 6, 1, 12), LocalAt(2026, 6, 1, 12, 40)),
              LogRecord::Note(LocalAt(2026, 6, 1, 13), "a, \"b\"\nc"),
              LogRecord::Of(LogRecordType::CompensationDay, LocalAt(2026, 7, 3, 8))});
    const CliRun csv = Run({"export", "--from", "2026-07", "--to", "2026-07", "--format", "csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    const auto rows = ParseCsv(csv.out);
    const std::vector<std::vector<std::string>> expected{
        {"position", "type", "time", "end", "text", "carried_balance", "hours_deducted"},
        {"0", "MonthRecord", "2026-07-01T01:00:00+02:00", "", "", "-130", "3"},
        {"24", "WorkStart", "2026-07-01T08:05:00+02:00", "", "", "", ""},
        {"32", "Break", "2026-07-01T12:00:00+02:00", "2026-07-01T12:40:00+02:00", "", "", ""},
        {"44", "Note", "2026-07-01T13:00:00+02:00", "", "a, \"b\"\nc", "", ""},
    };
    EXPECT_EQ(rows, expected);

    const CliRun json = Run({"export", "--format", "json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const JsonValue all = JsonReader::Parse(json.out);
    ASSERT_EQ(all.Array().size(), 6u);
    EXPECT_EQ(all[1]["time"].Str(), "2026-01-30T08:00:00+01:00");
    EXPECT_EQ(all[4]["text"].Str(), "a, \"b\"\nc");
    EXPECT_EQ(all[5]["type"].Str(), "CompensationDay");
    EXPECT_EQ(all[0]["carriedBalance"].Int(), -130);
}

// Notes are Windows-1252 (or the code page asked for); CSV and JSON are UTF-8.
TEST_F(CliLogTest, ExportedNotesAreUtf8) {
    WriteLog({LogRecord::Note(LocalAt(2026, 6, 1, 13), "Caf\xe9 \x80 5")});
    const std::pair<const char*, const char*> cases[] = {
        {"1252", "Caf\u00e9 \u20ac 5"}, {"28591", "Caf\u00e9 \u0080 5"}, {"utf8", "Caf\ufffd \ufffd 5"}};
    for (const auto& [page, text] : cases) {
        EXPECT_EQ(ParseCsv(Run({"export", "--codepage", page}).out).at(1).at(4), text);
        EXPECT_EQ(JsonReader::Parse(Run({"export", "--format", "json", "--codepage", page}).out)[0]["text"].Str(), text);
    }
    EXPECT_EQ(Run({"export"}).out, Run({"export", "--codepage", "1252"}).out);
    EXPECT_EQ(Run({"export", "--codepage", "437"}).code, 2);
}

// Records without a month are part of the whole log but of no range. A
// time with the top bit set is one up to 2106, in a month of its own.
TEST_F(CliLogTest, RecordsWithoutALocalTimeComeOnlyWithTheWholeLog) {
    LogRecord unknown;
    unknown.tag = 9;
    WriteLog({LogRecord::Of(LogRecordType::WorkStart, kLatestLogTime - 59), unknown,
              LogRecord::Of(LogRecordType::WorkStart, LocalAt(2026, 0, 5, 8))});
    const CliRun all = Run({"export", "--format", "json"});
    ASSERT_EQ(all.code, 0) << all.err;
    const JsonValue records = JsonReader::Parse(all.out);
    ASSERT_EQ(records.Array().size(), 3u);
    EXPECT_EQ(records[0]["time"].Str(), "2106-02-07T07:27:16+01:00");
    EXPECT_EQ(records[1]["type"].Str(), "Unknown");
    EXPECT_EQ(records[1]["position"].Int(), 8);
    EXPECT_TRUE(records[1]["time"].IsNull());
    EXPECT_EQ(records[2]["position"].Int(), 12);
    const CliRun range = Run({"export", "--from", "2106-02", "--format", "csv"});
    const auto rows = ParseCsv(range.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][0], "0");
}

// Local times around the changes of the clocks carry the offset of their
// moment, so every exported time converts back to the same instant.
TEST_F(CliLogTest, ExportedTimesKeepTheirInstantAcrossTheClockChanges) {
    const TimeValue spring = LocalAt(2026, 2, 29, 1, 59), autumn = LocalAt(2026, 9, 25, 1, 30) + 3600;
    std::vector<LogRecord> records;
    for (const TimeValue t : {spring, spring + 60, autumn, autumn + 3600})
        records.push_back(LogRecord::Of(LogRecordType::Note, t)), records.back().text = "x";
    WriteLog(records);
    const CliRun run = Run({"export", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const JsonValue all = JsonReader::Parse(run.out);
    ASSERT_EQ(all.Array().size(), 4u);
    const char* const expected[] = {"2026-03-29T01:59:00+01:00", "2026-03-29T03:00:00+02:00",
                                    "2026-10-25T02:30:00+02:00", "2026-10-25T02:30:00+01:00"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(all[i]["time"].Str(), expected[i]);
}

// The offset is the zone's, with its sign and its minutes, west and east.
TEST_F(CliLogTest, ExportedOffsetsFollowTheZone) {
    const TimeValue noonUtc = 1767268800;  // 2026-01-01 12:00:00 UTC
    WriteLog({LogRecord::Of(LogRecordType::WorkStart, noonUtc)});
    const std::string berlin = std::getenv("TZ") ? std::getenv("TZ") : "";
    const struct {
        const char* zone;
        const char* time;
    } cases[] = {
        {"XST5", "2026-01-01T07:00:00-05:00"},
        {"IST-5:30", "2026-01-01T17:30:00+05:30"},
        {"NST3:30", "2026-01-01T08:30:00-03:30"},
        {"UTC0", "2026-01-01T12:00:00+00:00"},
    };
    for (const auto& c : cases) {
        setenv("TZ", c.zone, 1);
        tzset();
        const CliRun run = Run({"export", "--format", "json"});
        EXPECT_EQ(JsonReader::Parse(run.out)[0]["time"].Str(), c.time) << c.zone;
    }
    setenv("TZ", berlin.c_str(), 1);
    tzset();
}

TEST_F(CliLogTest, UsageAndFileErrorsExitTwoNamingTheFile) {
    WriteLog(Day(2026, 0, 2, 8, 16));
    WriteBytes("short.set", std::string(179, '\0'));
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "Usage"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"month", "2026-13"}, "YYYY-MM"},
        {{"month", "--format", "xml"}, "--format"},
        {{"month", "--work", "7h"}, "--work"},
        {{"export", "--from", "26-01"}, "YYYY-MM"},
        {{"year"}, "YYYY"},
        {{"year", "2107"}, "YYYY"},  // past the last month the log holds
        {{"month", "--bogus"}, "unknown option --bogus"},
        {{"month", "--folder"}, "--folder wants a value"},
        {{"month", "--settings", "short.set"}, "179 bytes, not 180"},
        {{"month", "--settings", "missing.set"}, "missing.set: cannot be read"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        for (std::string& arg : args)
            if (arg.ends_with(".set")) arg = File(arg);
        const CliRun run = Run(args);
        EXPECT_EQ(run.code, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    std::filesystem::remove(File(kLogFileName));
    for (const char* command : {"check", "month", "export", "rows"}) {
        const CliRun run = Run({command});
        EXPECT_EQ(run.code, 2) << command;
        EXPECT_NE(run.err.find(File(kLogFileName) + ": cannot be opened"), std::string::npos) << run.err;
    }
    std::filesystem::remove(File(kSpecialFileName));
    const CliRun noDays = Run({"holidays", "2026"});
    EXPECT_EQ(noDays.code, 2);
    EXPECT_NE(noDays.err.find(File(kSpecialFileName)), std::string::npos) << noDays.err;
}

// A directory in a file's place, or a file far larger than any the program
// writes (sparse: it takes no disk), is a file error naming it, not an abort.
TEST_F(CliLogTest, WhatCannotBeTheFileIsAFileErrorNamingIt) {
    const std::string specialDays = ReadBytes(kSpecialFileName);
    const std::uintmax_t k200GiB = std::uintmax_t{200} << 30, k3GiB = std::uintmax_t{3} << 30;
    const std::pair<const char*, std::uintmax_t> cases[] = {
        {kLogFileName, 0},     {kLogFileName, k200GiB}, {kLogFileName, k3GiB},
        {kSpecialFileName, 0}, {kSpecialFileName, k200GiB}, {"settings.bin", 0}, {"user.reg", 0}};  // 0: a directory
    for (const auto& [name, size] : cases) {
        WriteLog(Day(2026, 0, 2, 8, 16));
        WriteBytes(kSpecialFileName, specialDays);
        std::filesystem::remove_all(File(name));
        if (size == 0) {
            std::filesystem::create_directory(File(name));
        } else {
            WriteBytes(name, "");
            std::filesystem::resize_file(File(name), size);
        }
        for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
                 {"check"}, {"month", "2026-01"}, {"rows", "2026-01"}, {"year", "2026"}}) {
            if (name == std::string("settings.bin")) args.insert(args.end(), {"--settings", File(name)});
            const CliRun run = Run(args);
            EXPECT_EQ(run.code, 2) << name << ' ' << size << ' ' << args[0];
            EXPECT_NE(run.err.find(File(name) + ": cannot be"), std::string::npos) << run.err;
        }
        std::filesystem::remove_all(File(name));
    }
}

TEST_F(CliLogTest, HelpForEveryCommandExitsZero) {
    for (const char* command : {"month", "rows", "check", "export", "holidays", "year", "backups"}) {
        const CliRun run = Run({command, "--help"});
        EXPECT_EQ(run.code, 0) << command;
        EXPECT_EQ(run.out.rfind(std::string("horalo-cli ") + command, 0), 0u) << run.out;
    }
}

// Every command leaves the folder byte for byte as it was, with no file added.
TEST_F(CliLogTest, NoCommandWritesAnything) {
    const auto day = Day(2026, 0, 2, 8, 16);
    WriteLog({day[0], day[1]}, std::string("\x01\x00", 2));
    const auto snapshot = [this] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(host.Folder()))
            files[entry.path().filename().string()] = ReadBytes(entry.path().filename().string());
        return files;
    };
    const auto before = snapshot();
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"check"}, {"month", "2026-01"}, {"rows", "2026-01"}, {"year", "2026"}, {"export"}, {"holidays", "2026"}, {"backups"}})
        Run(args);
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace horalo::test
