// Every change of the log, made to fail at each step the file layer takes in
// turn: afterwards horalo.log is byte for byte the old log or the new one,
// and the one message returned names the step that failed.
#include <functional>

#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

struct Change {
    const char* name;
    std::function<Outcome(Host&)> run;  // none: done
    bool append = false;
};

// A change by reference names records that stand where they were: it is
// done or fails, never finds the log changed elsewhere.
Outcome Told(const EditResult& result) {
    EXPECT_NE(result, EditResult::Changed);
    return result.outcome;
}

// Called from the fixture, once it has checked the time zone that month keys
// depend on.
std::string OldLog() {
    return Words({6, MonthKey(2023, 9), 2, 130}) + Words({1, 1700000000}) + NoteBytes(1700000100, "note") +
           Words({2, 1700000200, 1700000300}) + Words({0, 1700000400});
}

std::vector<Change> Changes() {
    return {
        {"DeleteRecords",
         [](Host& h) {
             const RecordRef at[] = {RefAt(OldLog(), 24)};
             return Told(DeleteRecords(h, at));
         }},
        {"InsertRecordsAfter one",
         [](Host& h) {
             const LogRecord note = LogRecord::Note(1700000050, "new");
             return Told(InsertRecordsAfter(h, RefAt(OldLog(), 16), std::span(&note, 1)));
         }},
        {"ReplaceRecord",
         [](Host& h) {
             return Told(ReplaceRecord(h, RefAt(OldLog(), 41), LogRecord::Of(LogRecordType::AbsenceDay, 1700000200)));
         }},
        {"DeleteDateRange", [](Host& h) { return DeleteDateRange(h, CalendarDate::Of(2023, 10, 14), CalendarDate::Of(2023, 10, 14)); }},
        {"DeleteWholeLog", [](Host& h) { return DeleteWholeLog(h); }},
        {"StoreMonthRecord new", [](Host& h) { return StoreMonthRecord(h, 2023, 10, 45, 1).outcome; }},
        {"StoreMonthRecord existing", [](Host& h) { return StoreMonthRecord(h, 2023, 9, 45, 1).outcome; }},
        {"RemoveMonthRecord", [](Host& h) { return Told(RemoveMonthRecord(h, RefAt(OldLog(), 0))); }},
        {"ChangeMonthRecord",
         [](Host& h) { return Told(ChangeMonthRecord(h, RefAt(OldLog(), 0), 2023, 10, 45, 1)); }},
        {"DeleteRecords three",
         [](Host& h) {
             const RecordRef at[] = {RefAt(OldLog(), 53), RefAt(OldLog(), 16), RefAt(OldLog(), 41)};
             return Told(DeleteRecords(h, at));
         }},
        {"InsertRecordsAfter",
         [](Host& h) {
             const LogRecord records[] = {LogRecord::Note(1700000150, "a"),
                                          LogRecord::Of(LogRecordType::WorkEnd, 1700000160)};
             return Told(InsertRecordsAfter(h, RefAt(OldLog(), 24), records));
         }},
        {"AppendRecord", [](Host& h) { return AppendRecord(h, LogRecord::Of(LogRecordType::WorkEnd, 5)); }, true},
    };
}

struct Fault {
    FileStep step;
    ReplaceOutcome outcome;
    Message message;
};

const Fault kFaults[] = {
    {FileStep::Open, ReplaceOutcome::Failed, kOpenFailed},
    {FileStep::Write, ReplaceOutcome::Failed, kWriteFailed},
    {FileStep::Flush, ReplaceOutcome::Failed, kWriteFailed},
    {FileStep::Close, ReplaceOutcome::Failed, kWriteFailed},
    {FileStep::Replace, ReplaceOutcome::InUse, kInUse},
    {FileStep::Replace, ReplaceOutcome::Failed, kReplaceFailed},
};

class TimeLogFaultTest : public TimeLogTest {
protected:
    void SetUp() override {
        TimeLogTest::SetUp();
        old_ = OldLog();
    }
    void Restore() {
        SetLog(old_);
        std::filesystem::remove(host.File(kRewriteFileName));
    }
    std::string old_;
    FaultFileLayer layer;
    ScopedFileLayer scope{layer};
};

TEST_F(TimeLogFaultTest, EveryFailureLeavesTheOldLogOrTheNewOne) {
    ASSERT_EQ(DecodeLog(old_).size(), 5u);
    ASSERT_EQ(old_.substr(0, 4), Words({6}));
    for (const Change& change : Changes()) {
        SCOPED_TRACE(change.name);
        Restore();
        layer.Reset();
        ASSERT_EQ(change.run(host), std::nullopt);
        const std::string changed = Log();
        ASSERT_NE(changed, old_);
        const FaultFileLayer counted = layer;
        EXPECT_GE(counted.Calls(FileStep::Flush), 1) << "every change reaches the disk";
        EXPECT_EQ(counted.Calls(FileStep::Replace), change.append ? 0 : 1);

        for (const Fault& fault : kFaults) {
            for (int call = 1; call <= counted.Calls(fault.step); ++call) {
                SCOPED_TRACE("step " + std::to_string(static_cast<int>(fault.step)) + " call " +
                             std::to_string(call) + " outcome " + std::to_string(static_cast<int>(fault.outcome)));
                Restore();
                layer.FailAt(fault.step, call, fault.outcome);
                const Outcome told = change.run(host);
                const bool done = !told;
                EXPECT_TRUE(layer.Fired());
                // Every open, write, flush and replace serves the change; only
                // a close may be of a file that was only read.
                if (fault.step != FileStep::Close) {
                    EXPECT_FALSE(done);
                }
                const std::string after = Log();
                EXPECT_TRUE(after == old_ || after == changed);
                if (done) {
                    EXPECT_EQ(after, changed);
                    // a failed close of a file only read
                } else {
                    EXPECT_EQ(told, fault.message);
                    // Only the month list read back after the change, or an
                    // append whose flush failed, may fail with the new log.
                    if (after == changed) {
                        EXPECT_TRUE(fault.step == FileStep::Open || change.append) << "reported as failed";
                    }
                }
            }
        }
    }
}

TEST_F(TimeLogFaultTest, AWriteCutShortFailsTheRecord) {
    // Only the whole record counts: a tag without its payload would make the
    // next record's bytes the payload.
    Restore();
    layer.FailAt(FileStep::Write, 1);
    EXPECT_EQ(AppendRecord(host, LogRecord::Break(1, 2)), kWriteFailed);
    EXPECT_EQ(Log(), old_);
}

}  // namespace
}  // namespace horalo
