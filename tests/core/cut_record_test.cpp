// The check of the log's end before the day's first record: a record cut
// short is set aside beside the log, damage beyond what an interrupted
// append leaves is left alone, and no failure changes the log.
#include <filesystem>

#include "core/timelog/cut_record.h"
#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using namespace test;

const std::string kWhole = Words({1, 1700000000}) + Words({2, 1700000100, 1700000200}) + NoteBytes(1700000300, "ok");

class CutRecordTest : public TimeLogTest {
protected:
    void SetUp() override {
        TimeLogTest::SetUp();
        host.texts[IDS_LOG_CUT_SET_ASIDE] = "set aside %u in %s";
        host.texts[IDS_LOG_DAMAGED_END] = "damaged %u in %s";
        host.texts[IDS_LOG_CUT_NOT_SET_ASIDE] = "not set aside %u in %s";
        SetClock([] { return LocalAt(2026, 11, 7, 9, 5, 3); });
    }
    void TearDown() override { SetClock({}); }

    std::vector<std::filesystem::path> CutFiles() const {
        std::vector<std::filesystem::path> found;
        for (const auto& item : std::filesystem::directory_iterator(host.Folder()))
            if (item.path().filename().string().starts_with("horalo.log.cut-")) found.push_back(item.path());
        return found;
    }
    std::string CutPath(const std::string& suffix = "") const {
        return host.programFolder + "horalo.log.cut-20261207-090503" + suffix;
    }
};

TEST_F(CutRecordTest, EveryPrefixOfARecordTheProgramWritesIsSetAsideAndTheLogMended) {
    const LogRecord records[] = {
        LogRecord::Of(LogRecordType::WorkEnd, 1700000400),   LogRecord::Of(LogRecordType::WorkStart, 1700000400),
        LogRecord::Break(1700000400, 1700000500),            LogRecord::Of(LogRecordType::AbsenceDay, 1700000400),
        LogRecord::Of(LogRecordType::CompensationDay, 1700000400), LogRecord::Month(1700000400, 2, -130),
        LogRecord::Note(1700000400, ""),                     LogRecord::Note(1700000400, std::string(259, '\xff')),
    };
    std::vector<std::string> cuts;
    for (const LogRecord& record : records) {
        const std::vector<std::uint8_t> bytes = EncodeRecord(record);
        for (std::size_t size = 1; size < bytes.size(); ++size) cuts.emplace_back(bytes.begin(), bytes.begin() + size);
    }
    for (const std::string& cut : cuts) {
        SCOPED_TRACE(testing::Message() << cut.size() << " bytes cut");
        SetLog(kWhole + cut);
        for (const auto& file : CutFiles()) std::filesystem::remove(file);

        const LogEndCheck check = SetAsideCutRecord(host);
        EXPECT_TRUE(check.mayRecord);
        EXPECT_EQ(Log(), kWhole);
        ASSERT_EQ(CutFiles().size(), 1u);
        EXPECT_EQ(ReadAll(CutPath()), cut);
        EXPECT_EQ(check.outcome, (Message{IDS_LOG_CUT_SET_ASIDE,
                                          "set aside " + std::to_string(cut.size()) + " in " + CutPath(),
                                          kMessageInformation}));
        EXPECT_FALSE(std::filesystem::exists(host.File(kRewriteFileName)));
    }
}

TEST_F(CutRecordTest, AWholeLogOrNoneIsLeftAlone) {
    const std::string wholeLogs[] = {"", kWhole, kWhole + Words({7}) /* an unknown tag has no payload */};
    for (const std::string& log : wholeLogs) {
        SetLog(log);
        const LogEndCheck check = SetAsideCutRecord(host);
        EXPECT_TRUE(check.mayRecord);
        EXPECT_EQ(check.outcome, std::nullopt);
        EXPECT_EQ(Log(), log);
    }
    std::filesystem::remove(host.File(kLogFileName));
    const LogEndCheck check = SetAsideCutRecord(host);
    EXPECT_TRUE(check.mayRecord) << "the first append makes the log";
    EXPECT_EQ(check.outcome, std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(host.File(kLogFileName)));
    EXPECT_TRUE(CutFiles().empty());
}

TEST_F(CutRecordTest, AnEndNoInterruptedAppendLeavesIsDamageAndStopsTheStart) {
    const std::string damaged[] = {
        Words({3, 1700000400, 1000}) + std::string(261, 'x'),  // longer than any record the program writes
        Words({3, 1700000400, -1}) + kWhole,                  // lengths no note has, whatever follows
        Words({3, 1700000400, 260}) + kWhole,
        Words({3, 1700000400, 100000}) + kWhole,
        Words({3, 1700000400, 200}) + "ab" + kWhole,          // a NUL in the text: records behind it
        Words({3, 1700000400, 20}) + std::string("ab\0cd", 5),
        Words({3, 1700000400}) + std::string("\x04\x01", 2),  // a length already above 259
        std::string("\x07", 1),                               // no tag the program writes
        std::string("\x00\x01", 2),
    };
    for (const std::string& tail : damaged) {
        SCOPED_TRACE(testing::Message() << tail.size() << " bytes at the end");
        const std::string log = kWhole + tail;
        SetLog(log);
        const LogEndCheck check = SetAsideCutRecord(host);
        EXPECT_FALSE(check.mayRecord);
        EXPECT_EQ(Log(), log);
        EXPECT_TRUE(CutFiles().empty());
        EXPECT_EQ(check.outcome, (Message{IDS_LOG_DAMAGED_END,
                                          "damaged " + std::to_string(tail.size()) + " in " + host.programFolder +
                                              kLogFileName,
                                          kMessageStop}));
    }
}

TEST_F(CutRecordTest, AnEarlierCutFileIsNeverOverwritten) {
    WriteAll(CutPath(), "earlier");
    SetLog(kWhole + Words({1}));
    EXPECT_TRUE(SetAsideCutRecord(host).mayRecord);
    EXPECT_EQ(ReadAll(CutPath()), "earlier");
    EXPECT_EQ(ReadAll(CutPath("-2")), Words({1}));
}

TEST_F(CutRecordTest, AFailureAtAnyStepLeavesTheLogAsItWas) {
    const std::string log = kWhole + Words({3, 1700000400, 20}) + "hello";
    FaultFileLayer layer;
    ScopedFileLayer scope(layer);
    SetLog(log);
    ASSERT_TRUE(SetAsideCutRecord(host).mayRecord);
    const FaultFileLayer counted = layer;

    for (const FileStep step : {FileStep::Open, FileStep::Read, FileStep::Write, FileStep::Flush, FileStep::Close,
                                FileStep::Replace}) {
        for (int call = 1; call <= counted.Calls(step); ++call) {
            SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(step) << " call " << call);
            SetLog(log);
            for (const auto& file : CutFiles()) std::filesystem::remove(file);
            layer.FailAt(step, call);
            const LogEndCheck check = SetAsideCutRecord(host);
            const bool mayRecord = check.mayRecord;
            EXPECT_TRUE(layer.Fired());
            if (Log() == log) {
                // Unread, the log is the first append's to report; read but
                // not mended, the start stops with the message saying so.
                EXPECT_TRUE(CutFiles().empty());
                if (mayRecord) {
                    EXPECT_EQ(check.outcome, std::nullopt);
                } else {
                    ASSERT_TRUE(check.outcome);
                    EXPECT_EQ(check.outcome->textId, static_cast<unsigned>(IDS_LOG_CUT_NOT_SET_ASIDE));
                    EXPECT_EQ(check.outcome->style, kMessageStop);
                }
            } else {
                // Only a failed look for an earlier cut file, or the close
                // of a file only read, lets the mending go on.
                EXPECT_TRUE(mayRecord);
                EXPECT_EQ(Log(), kWhole);
                EXPECT_EQ(CutFiles().size(), 1u);
            }
            EXPECT_FALSE(std::filesystem::exists(host.File(kRewriteFileName)));
        }
    }
}

}  // namespace
}  // namespace horalo
