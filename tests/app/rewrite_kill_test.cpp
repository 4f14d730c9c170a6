// A rewrite writes the new log beside the old one and replaces it in one
// step, keeping the old one among the backups. Killed at any moment of
// that, the process leaves horalo.log byte for byte the old log or the new
// one, nothing beside it that the next start or the next rewrite trips over,
// and no more backups than the keeping rules allow.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "core/io/backups.h"
#include "core/timelog/cut_record.h"
#include "core/timelog/log_rewrite.h"
#include "../core/test_host.h"
#include "program_run_fixture.h"

namespace horalo::test {
namespace {

constexpr char kLoopFolder[] = "HORALO_REWRITE_LOOP_FOLDER";

// The killed process's host: no folder of its own to leave behind.
class FolderHost : public Host {
public:
    explicit FolderHost(std::string folder) : folder_(std::move(folder)) {}
    std::string ProgramFolder() override { return folder_; }
    std::string LoadText(unsigned) override { return {}; }

private:
    std::string folder_;
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Thirty years of working days with a note each: about the largest log a
// user has, so a rewrite takes as long as it ever does.
std::string ThirtyYears() {
    std::string log;
    const auto add = [&log](const LogRecord& record) {
        const Bytes bytes = EncodeRecord(record);
        log.append(bytes.begin(), bytes.end());
    };
    for (TimeValue day = 946710000; day < 946710000 + 30 * 365 * 86400LL; day += 86400) {
        add(LogRecord::Of(LogRecordType::WorkStart, day));
        add(LogRecord::Break(day + 4 * 3600, day + 4 * 3600 + 1800));
        add(LogRecord::Note(day + 5 * 3600, "Project review with the team"));
        add(LogRecord::Of(LogRecordType::WorkEnd, day + 9 * 3600));
    }
    return log;
}

// Run by the test below in a process of its own, which it kills: rewrites
// the log from one of two contents to the other for ever.
TEST(RewriteKill, Loop) {
    const char* folder = std::getenv(kLoopFolder);
    if (!folder) GTEST_SKIP() << "the process that RewriteKill.EveryMomentLeavesOneWholeLog kills";
    FolderHost host(folder);
    const std::string first = ReadFile(host.ProgramFolder() + "first"), second = ReadFile(host.ProgramFolder() + "second");
    for (;;) {
        const std::string& next = ReadFile(host.ProgramFolder() + kLogFileName) == first ? second : first;
        const LogBytes parts[] = {LogBytes(reinterpret_cast<const std::uint8_t*>(next.data()), next.size())};
        RewriteLog(host, parts);
    }
}

TEST(RewriteKill, EveryMomentLeavesOneWholeLog) {
    TestHost host;
    const std::string folder = host.ProgramFolder();
    const std::string first = ThirtyYears();
    const std::string second = first.substr(0, first.size() / 2) + first.substr(first.size() / 2 + 45);
    WriteFile(folder + "first", first);
    WriteFile(folder + "second", second);
    WriteFile(folder + kLogFileName, first);

    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" --gtest_filter=RewriteKill.Loop";
    SetEnvironmentVariableA(kLoopFolder, folder.c_str());
    std::mt19937 random(20261208);
    int firsts = 0, seconds = 0, leftovers = 0;
    constexpr int kKills = 200;
    for (int kill = 0; kill < kKills; ++kill) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                                   &startup, &process));
        // Past the start of the process, somewhere in the rewrites.
        WaitForSingleObject(process.hProcess, 150 + random() % 400);
        TerminateProcess(process.hProcess, 9);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);

        const std::string log = ReadFile(folder + kLogFileName);
        ASSERT_TRUE(log == first || log == second) << "kill " << kill << ": " << log.size() << " bytes";
        (log == first ? firsts : seconds)++;
        if (GetFileAttributesA((folder + kRewriteFileName).c_str()) != INVALID_FILE_ATTRIBUTES) ++leftovers;
    }
    SetEnvironmentVariableA(kLoopFolder, nullptr);

    // The next start finds a whole log, and the next rewrite goes through
    // whatever was left beside it.
    const LogEndCheck check = SetAsideCutRecord(host);
    EXPECT_TRUE(check.mayRecord);
    EXPECT_EQ(check.outcome, std::nullopt);
    const LogBytes parts[] = {LogBytes(reinterpret_cast<const std::uint8_t*>(first.data()), first.size())};
    EXPECT_EQ(RewriteLog(host, parts), std::nullopt);
    EXPECT_EQ(ReadFile(folder + kLogFileName), first);
    EXPECT_GT(firsts, 0);
    EXPECT_GT(seconds, 0);
    const std::vector<BackupFile> backups = ListBackups(folder + kLogFileName);
    std::uint64_t kept = 0;
    for (const BackupFile& backup : backups) kept += backup.size;
    EXPECT_GT(backups.size(), 0u);
    EXPECT_LE(backups.size(), kMostBackups);
    EXPECT_LE(kept, kBackupSizeFactor * first.size());
    std::printf("%d kills: %d left the first log, %d the second, %d a rewrite file beside it\n", kKills, firsts, seconds,
                leftovers);

}

}  // namespace
}  // namespace horalo::test
