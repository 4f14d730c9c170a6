// Backups of the log and the special days: the keeping rules as a table, a
// rewrite that leaves the old log in backups/, and failures of the backup
// steps that never fail the rewrite.
#include <filesystem>

#include "core/calendar_days/calendar_entry_file.h"
#include "core/io/backups.h"
#include "core/timelog/log_backups.h"
#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

constexpr TimeValue kDay = 24 * 60 * 60;
constexpr TimeValue kNow = 1765200000;

struct KeepingCase {
    const char* name;
    std::vector<TimeValue> ages;  // newest first, seconds before now
    std::uint64_t eachSize;
    std::uint64_t currentSize;
    std::vector<std::size_t> removed;
};

TEST(BackupsToRemove, KeepingRules) {
    std::vector<TimeValue> young32, old32 = {0};
    for (int i = 0; i < 32; ++i) young32.push_back(i * 60);
    for (int i = 1; i < 32; ++i) old32.push_back(i < 30 ? i * 60 : 15 * kDay + i);
    const KeepingCase cases[] = {
        {"none", {}, 10, 10, {}},
        {"young ones stay beyond 30 files and 20 times the size", young32, 50, 10, {}},
        {"old ones stay within 30 files and 20 times the size", {0, 20 * kDay, 400 * kDay}, 10, 10, {}},
        {"old ones beyond the 30th go", old32, 1, 100, {30, 31}},
        {"old ones beyond 20 times the size go; 14 days is still young",
         {0, 60, 14 * kDay, 14 * kDay + 1, 15 * kDay}, 100, 10, {3, 4}},
        {"the newest stays however old and large", {30 * kDay}, 50, 0, {}},
        {"after the log was emptied the old ones go", {0, 15 * kDay}, 50, 0, {1}},
    };
    for (const KeepingCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BackupFile> backups;
        for (const TimeValue age : c.ages) backups.push_back({"b", "b", kNow - age, c.eachSize});
        const std::vector<bool> remove = BackupsToRemove(backups, kNow, c.currentSize);
        std::vector<std::size_t> removed;
        for (std::size_t i = 0; i < remove.size(); ++i)
            if (remove[i]) removed.push_back(i);
        EXPECT_EQ(remove.size(), backups.size());
        EXPECT_EQ(removed, c.removed);
    }
}

class BackupsTest : public TimeLogTest {
protected:
    void SetUp() override {
        TimeLogTest::SetUp();
        SetClock([this] { return now; });
    }
    void TearDown() override { SetClock({}); }
    std::string LogPath() const { return host.File(kLogFileName).string(); }
    bool Rewrite(const std::string& bytes) {
        const LogBytes part(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        return RewriteLog(host, std::span(&part, 1));
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const BackupFile& b : ListBackups(LogPath())) names.push_back(b.name);
        return names;
    }

    TimeValue now = Berlin(2026, 12, 8, 14, 30, 15);
    FaultFileLayer layer;
    ScopedFileLayer scope{layer};
};

TEST_F(BackupsTest, ARewriteKeepsTheOldLogNamedByLocalTime) {
    const std::string first = Words({0, 1}), second = Words({0, 2}), third = Words({0, 3});
    SetLog(first);
    ASSERT_TRUE(Rewrite(second));
    ASSERT_TRUE(Rewrite(third));
    EXPECT_EQ(Log(), third);
    // Newest first; the second in the same second gets a number.
    const std::vector<std::string> names = {"horalo.log.20261208-143015-2.bak", "horalo.log.20261208-143015.bak"};
    ASSERT_EQ(Names(), names);
    EXPECT_EQ(ReadAll(host.Folder() / "backups" / names[1]), first);
    EXPECT_EQ(ReadAll(host.Folder() / "backups" / names[0]), second);
    const std::vector<BackupFile> backups = ListBackups(LogPath());
    EXPECT_EQ(backups[0].time, now);
    EXPECT_EQ(backups[0].size, second.size());
    EXPECT_FALSE(std::filesystem::exists(host.File(kRewriteFileName)));
    // Files of other names in the folder are neither listed nor removed.
    for (const char* other : {"horalo.log.2026.bak", "horalo.log.20261208-143015-.bak", "horalo.log.20261208-143015-x.bak"})
        WriteAll(host.Folder() / "backups" / other, "x");
    WriteAll(host.Folder() / "backups" / "horalo.spc.20261208-143015.bak", "x");
    EXPECT_EQ(Names().size(), 2u);
}

TEST_F(BackupsTest, AFailedBackupStepNeverFailsTheRewrite) {
    const std::string old = Words({0, 1}), fresh = Words({0, 2});
    const std::string tooOld(200, 'x');  // older than 14 days and beyond 20 times the log
    struct Fault {
        FileStep step;
        bool kept;
    };
    // Every Remove of a successful rewrite is a prune.
    for (const Fault fault : {Fault{FileStep::Link, false}, Fault{FileStep::Remove, true}}) {
        SCOPED_TRACE(static_cast<int>(fault.step));
        std::filesystem::remove_all(host.Folder() / "backups");
        std::filesystem::create_directory(host.Folder() / "backups");
        WriteAll(host.Folder() / "backups" / "horalo.log.20260101-000000.bak", tooOld);
        SetLog(old);
        layer.FailAt(fault.step, 1);
        EXPECT_TRUE(Rewrite(fresh));
        EXPECT_TRUE(layer.Fired());
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(Log(), fresh);
        const std::vector<std::string> names = Names();
        EXPECT_EQ(names.size(), fault.kept ? 2u : 1u) << "a prune that fails leaves the file";
        EXPECT_EQ(ReadAll(host.Folder() / "backups" / names[0]), fault.kept ? old : tooOld);
    }
    // A failed replace takes its backup back: the log was not replaced.
    std::filesystem::remove_all(host.Folder() / "backups");
    SetLog(old);
    layer.FailAt(FileStep::Replace, 1);
    EXPECT_FALSE(Rewrite(fresh));
    EXPECT_EQ(Log(), old);
    EXPECT_TRUE(Names().empty());
    // No log yet: nothing to keep, and no folder for it.
    std::filesystem::remove_all(host.Folder() / "backups");
    std::filesystem::remove(host.File(kLogFileName));
    layer.Reset();
    EXPECT_TRUE(Rewrite(fresh));
    EXPECT_FALSE(std::filesystem::exists(host.Folder() / "backups"));
    // A file in the folder's place: no backup, the rewrite is done.
    WriteAll(host.Folder() / "backups", "a file");
    host.messages.clear();
    layer.Reset();
    EXPECT_TRUE(Rewrite(fresh));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BackupsTest, ARestoreIsARewriteThatKeepsTheLogItReplaces) {
    const std::string kept = Words({1, 100}) + Words({0, 200}), current = Words({1, 300});
    SetLog(kept);
    ASSERT_TRUE(Rewrite(current));
    const std::string backup = ListBackups(LogPath()).at(0).path;
    now += 60;
    EXPECT_EQ(RestoreLog(host, backup), RestoreResult::Done);
    EXPECT_EQ(Log(), kept);
    EXPECT_EQ(ReadAll(ListBackups(LogPath()).at(0).path), current);
    EXPECT_EQ(RestoreLog(host, backup + ".gone"), RestoreResult::Unreadable);
    EXPECT_EQ(Log(), kept);
    const LogSummary summary = SummariseLog(LogBytes(reinterpret_cast<const std::uint8_t*>(kept.data()), kept.size()));
    EXPECT_EQ(summary.records, 2u);
    EXPECT_EQ(summary.lastTime, 200);
}

TEST_F(BackupsTest, SavingTheSpecialDaysKeepsTheOldFile) {
    const std::string path = host.File(kSpecialFileName).string();
    WriteAll(path, "old days");
    ASSERT_EQ(WriteSpecialFile(path, {}, KeepOld::AsBackup), kSpecialFileOk);
    const std::vector<BackupFile> backups = ListBackups(path);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].name, "horalo.spc.20261208-143015.bak");
    EXPECT_EQ(ReadAll(backups[0].path), "old days");
    // A save that leaves the file as it was keeps nothing.
    now += 60;
    ASSERT_EQ(WriteSpecialFile(path, {}, KeepOld::AsBackup), kSpecialFileOk);
    EXPECT_EQ(ListBackups(path).size(), 1u);
    EXPECT_TRUE(ListBackups(LogPath()).empty());
}

}  // namespace
}  // namespace horalo
