// The backups command over a prepared backup folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_folder.h"
#include "json_reader.h"

namespace horalo::test {
namespace {

using CliBackupsTest = CliFolderTest;

TEST_F(CliBackupsTest, ListsEveryKindNewestFirstWithRecordsAndLastDay) {
    EXPECT_EQ(Run({"backups"}).code, 0) << "no folder is no backup, not an error";
    std::filesystem::create_directory(File("backups"));
    const std::string older = "backups/horalo.log.20261207-090000.bak",
                      newer = "backups/horalo.log.20261208-143015.bak";
    std::vector<LogRecord> records = Day(2026, 11, 4, 8, 16, 30);
    WriteLog(records);
    WriteBytes(older, ReadBytes(kLogFileName));
    // A month record carries no day: the last day is the end of work before it.
    records.push_back(LogRecord::Month(MonthKey(2026, 11), 15, 0));
    WriteLog(records);
    WriteBytes(newer, ReadBytes(kLogFileName));
    WriteBytes("backups/horalo.spc.20261201-080000.bak", ReadBytes(kSpecialFileName));
    WriteBytes("backups/horalo.log.2026.bak", "not a backup name");
    std::filesystem::create_directory(File("backups/horalo.log.20261209-000000.bak"));

    const CliRun json = Run({"backups", "--format", "json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const JsonValue list = JsonReader::Parse(json.out);
    ASSERT_EQ(list.Array().size(), 3u) << json.out;
    EXPECT_EQ(list[0]["file"].Str(), "horalo.log.20261208-143015.bak");
    EXPECT_EQ(list[0]["date"].Str(), "2026-12-08 14:30:15");
    EXPECT_EQ(list[0]["size"].Int(), static_cast<long long>(ReadBytes(newer).size()));
    EXPECT_EQ(list[0]["records"].Int(), 4);
    EXPECT_EQ(list[0]["last_day"].Str(), "2026-12-04");
    EXPECT_EQ(list[1]["records"].Int(), 3);
    EXPECT_EQ(list[2]["file"].Str(), "horalo.spc.20261201-080000.bak");
    EXPECT_EQ(list[2]["records"].Int(), 3);
    EXPECT_TRUE(list[2]["last_day"].IsNull());

    // A damaged backup is named and makes the exit 1; the others still come.
    WriteBytes("backups/horalo.spc.20261201-080000.bak", "\x11\x63\x63");
    const CliRun damaged = Run({"backups", "--format", "csv"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.err.find("horalo.spc.20261201-080000.bak: cannot be read"), std::string::npos) << damaged.err;
    EXPECT_NE(damaged.out.find("horalo.log.20261207-090000.bak"), std::string::npos);
    EXPECT_EQ(Run({"backups", "extra"}).code, 2);
}

}  // namespace
}  // namespace horalo::test
