// Backups of the log and the special days: the keeping rules as a table, and
// rewrites that keep the old file, whatever step of the keeping fails.
#include <filesystem>

#include "core/calendar_days/calendar_entry_file.h"
#include "core/io/backups.h"
#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

constexpr TimeValue kDay = 24 * 60 * 60, kNow = 1765200000;

TEST(BackupsToRemove, KeepingRules) {
    std::vector<TimeValue> young32, young25;
    for (int i = 0; i < 32; ++i) young32.push_back(i * 60);
    for (int i = 0; i < 25; ++i) young25.push_back(i * 60);
    const auto from = [](std::size_t size, std::size_t first) {
        std::vector<bool> removed(size);
        for (std::size_t i = first; i < size; ++i) removed[i] = true;
        return removed;
    };
    const struct {
        const char* name;
        std::vector<TimeValue> ages;  // newest first, seconds before now
        std::vector<std::uint64_t> sizes;  // the last one for all the rest
        std::uint64_t currentSize;
        std::vector<bool> removed;
    } cases[] = {
        {"beyond the 30 newest the oldest go", young32, {1}, 100, from(32, 30)},
        {"beyond 14 days they go; 14 days is still young", {0, 60, 14 * kDay, 14 * kDay + 1, 40 * kDay}, {1}, 100,
         {0, 0, 0, 1, 1}},
        {"beyond 20 times the size the oldest go", young25, {100}, 10, from(25, 20)},
        {"a large deletion and small changes keep the log from before it", {0, 60, 120}, {10, 10, 1000}, 10, {0, 0, 0}},
        {"the newest stays however old and large", {30 * kDay, 31 * kDay}, {50}, 0, {0, 1}},
    };
    for (const auto& c : cases) {
        std::vector<BackupFile> backups;
        for (std::size_t i = 0; i < c.ages.size(); ++i)
            backups.push_back({"b", "b", kNow - c.ages[i], c.sizes[std::min(i, c.sizes.size() - 1)]});
        EXPECT_EQ(BackupsToRemove(backups, kNow, c.currentSize), c.removed) << c.name;
    }
}

class BackupsTest : public TimeLogTest {
protected:
    void SetUp() override {
        TimeLogTest::SetUp();
        SetClock([this] { return now; });
    }
    void TearDown() override { SetClock({}); }
    bool Rewrite(const std::string& bytes) {
        const LogBytes part(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        return !RewriteLog(host, std::span(&part, 1));
    }
    // Name and content of every backup of `file`, newest first.
    std::vector<std::pair<std::string, std::string>> Kept(const char* file = kLogFileName) const {
        std::vector<std::pair<std::string, std::string>> kept;
        for (const BackupFile& b : ListBackups(host.File(file).string())) kept.emplace_back(b.name, ReadAll(b.path));
        return kept;
    }
    void Reset(const std::string& log) {
        std::filesystem::remove_all(host.Folder() / "backups");
        SetLog(log);
        layer.Reset();
    }

    TimeValue now = LocalAt(2026, 11, 8, 14, 30, 15);
    FaultFileLayer layer;
    ScopedFileLayer scope{layer};
    const std::string first = Words({0, 1}), second = Words({0, 2});
};

TEST_F(BackupsTest, ARewriteKeepsTheOldLogNamedByLocalTime) {
    SetLog(first);
    ASSERT_TRUE(Rewrite(second));
    ASSERT_TRUE(Rewrite(Words({0, 3})));
    // Files of other names in the folder are no backups of the log.
    for (const char* other :
         {"horalo.log.2026.bak", "horalo.log.20261208-143015-.bak", "horalo.spc.20261208-143015.bak"})
        WriteAll(host.Folder() / "backups" / other, "x");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"horalo.log.20261208-143015-2.bak", second}, {"horalo.log.20261208-143015.bak", first}};
    EXPECT_EQ(Kept(), expected);
    EXPECT_EQ(ListBackups(host.File(kLogFileName).string()).at(0).time, now);
}

TEST_F(BackupsTest, AFailedBackupStepNeverFailsTheRewrite) {
    const std::string tooOld(200, 'x');  // older than 14 days and beyond 20 times the log
    const std::pair<std::string, std::string> tooOldKept{"horalo.log.20260101-000000.bak", tooOld},
        firstKept{"horalo.log.20261208-143015.bak", first};
    // Every Remove of a successful rewrite is a prune.
    for (const FileStep step : {FileStep::Link, FileStep::Remove}) {
        Reset(first);
        std::filesystem::create_directory(host.Folder() / "backups");
        WriteAll(host.Folder() / "backups" / tooOldKept.first, tooOld);
        layer.FailAt(step, 1);
        EXPECT_TRUE(Rewrite(second));
        EXPECT_TRUE(layer.Fired());
        EXPECT_EQ(Log(), second);
        using Names = std::vector<std::pair<std::string, std::string>>;
        const Names expected = step == FileStep::Link ? Names{tooOldKept} : Names{firstKept, tooOldKept};
        EXPECT_EQ(Kept(), expected);
    }
    // A failed replace takes its backup back; no log, nothing to keep.
    Reset(first);
    layer.FailAt(FileStep::Replace, 1);
    EXPECT_NE(RewriteLog(host, {}), std::nullopt);
    EXPECT_EQ(Log(), first);
    EXPECT_TRUE(Kept().empty());
    Reset(first);
    std::filesystem::remove(host.File(kLogFileName));
    EXPECT_TRUE(Rewrite(second));
    EXPECT_FALSE(std::filesystem::exists(host.Folder() / "backups"));
    // A file in the folder's place: no backup, the rewrite is done.
    WriteAll(host.Folder() / "backups", "a file");
    EXPECT_TRUE(Rewrite(first));
}

TEST_F(BackupsTest, SavingTheSpecialDaysKeepsTheOldFileOnlyWhenItChanges) {
    const std::string path = host.File(kSpecialFileName).string();
    WriteAll(path, "old days");
    ASSERT_EQ(WriteSpecialFile(path, {}, KeepOld::AsBackup), kSpecialFileOk);
    now += 60;
    ASSERT_EQ(WriteSpecialFile(path, {}, KeepOld::AsBackup), kSpecialFileOk);
    const std::vector<std::pair<std::string, std::string>> expected = {{"horalo.spc.20261208-143015.bak", "old days"}};
    EXPECT_EQ(Kept(kSpecialFileName), expected);
    EXPECT_TRUE(Kept().empty());
}

}  // namespace
}  // namespace horalo
