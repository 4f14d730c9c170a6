// The recorder's states and the records its commands append, against a log
// that is a vector here and can be made to refuse a record.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/recorder/recorder.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::LocalAt;

enum class State { Absent, Present, OnBreak };
enum class Command { StartWork, EndWork, BeginBreak, EndBreak, EndOfWork };

class RecorderTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.wayMinutes = 10;
        SetClock([this] { return now; });
    }
    void TearDown() override { SetClock({}); }

    // A fresh recorder brought into the state with the records that takes,
    // which are then forgotten.
    Recorder& In(State state) {
        refuse = false;
        room = -1;
        recorder = std::make_unique<Recorder>(
            [this](const LogRecord& record) {
                if (refuse || room == 0) return false;
                if (room > 0) --room;
                records.push_back(record);
                return true;
            },
            settings);
        if (state != State::Absent) recorder->StartWork();
        if (state == State::OnBreak) recorder->BeginBreak();
        records.clear();
        return *recorder;
    }

    bool Run(Command command) {
        switch (command) {
        case Command::StartWork: return recorder->StartWork();
        case Command::EndWork: return recorder->EndWork();
        case Command::BeginBreak: return recorder->BeginBreak();
        case Command::EndBreak: return recorder->EndBreak();
        case Command::EndOfWork: return recorder->EndOfWork();
        }
        return false;
    }

    State StateNow() const {
        if (recorder->onBreak()) return State::OnBreak;
        return recorder->present() ? State::Present : State::Absent;
    }

    SettingsRecord settings = DefaultSettings();
    TimeValue now = LocalAt(2024, 2, 5, 8, 0);
    std::vector<LogRecord> records;
    bool refuse = false;  // the log takes no record
    int room = -1;        // how many more records the log takes; -1 any number
    std::unique_ptr<Recorder> recorder;
};

LogRecord At(LogRecordType type, TimeValue time) { return LogRecord::Of(type, time); }

TEST_F(RecorderTest, EveryCommandInEveryState) {
    // The break began at 08:00; every command comes at 12:00. The way time
    // (10 minutes) moves the start back and the end forward, nothing else.
    const TimeValue begun = LocalAt(2024, 2, 5, 8, 0), at = LocalAt(2024, 2, 5, 12, 0);
    const LogRecord start = At(LogRecordType::WorkStart, at - 600), end = At(LogRecordType::WorkEnd, at + 600);
    const LogRecord breakRecord = LogRecord::Break(begun, at);
    struct Case {
        State from;
        Command command;
        bool result;
        State to;
        std::vector<LogRecord> written;
    };
    const Case cases[] = {
        {State::Absent, Command::StartWork, true, State::Present, {start}},
        {State::Absent, Command::EndWork, true, State::Absent, {}},
        {State::Absent, Command::BeginBreak, false, State::Absent, {}},
        {State::Absent, Command::EndBreak, false, State::Absent, {}},
        {State::Absent, Command::EndOfWork, true, State::Absent, {}},
        {State::Present, Command::StartWork, true, State::Present, {}},
        {State::Present, Command::EndWork, true, State::Absent, {end}},
        {State::Present, Command::BeginBreak, true, State::OnBreak, {}},
        {State::Present, Command::EndBreak, false, State::Present, {}},
        {State::Present, Command::EndOfWork, true, State::Absent, {end}},
        {State::OnBreak, Command::BeginBreak, false, State::OnBreak, {}},
        {State::OnBreak, Command::EndBreak, true, State::Present, {breakRecord}},
        {State::OnBreak, Command::EndOfWork, true, State::Absent, {breakRecord, end}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << static_cast<int>(c.from) << " command "
                                        << static_cast<int>(c.command));
        now = begun;
        In(c.from);
        now = at;
        EXPECT_EQ(Run(c.command), c.result);
        EXPECT_EQ(StateNow(), c.to);
        EXPECT_EQ(records, c.written);
    }
}

TEST_F(RecorderTest, ARefusedRecordLeavesTheStateAsItWas) {
    for (const State from : {State::Absent, State::Present, State::OnBreak}) {
        for (const Command command : {Command::StartWork, Command::EndWork, Command::EndBreak, Command::EndOfWork}) {
            SCOPED_TRACE(testing::Message() << "from " << static_cast<int>(from) << " command "
                                            << static_cast<int>(command));
            In(from);
            refuse = true;
            const bool due = (from == State::Absent && command == Command::StartWork) ||
                             (from != State::Absent && command != Command::StartWork &&
                              !(command == Command::EndBreak && from != State::OnBreak));
            EXPECT_EQ(Run(command), !due && command != Command::EndBreak);
            EXPECT_EQ(StateNow(), from) << "the break keeps its start; presence stays";
            EXPECT_TRUE(records.empty());
        }
    }
}

TEST_F(RecorderTest, CommandsFollowTheState) {
    EXPECT_EQ(In(State::Absent).Commands(), (RecorderCommands{true, false, false, false}));
    EXPECT_EQ(In(State::Present).Commands(), (RecorderCommands{false, true, true, false}));
    EXPECT_EQ(In(State::OnBreak).Commands(), (RecorderCommands{false, false, false, true}));
}

TEST_F(RecorderTest, TheWayTimeIsReadAtEveryCommand) {
    Recorder& recorder = In(State::Absent);
    recorder.StartWork();
    settings.wayMinutes = 0;
    now = LocalAt(2024, 2, 5, 16, 0);
    recorder.EndWork();
    EXPECT_EQ(records, (std::vector{At(LogRecordType::WorkStart, LocalAt(2024, 2, 5, 7, 50)),
                                    At(LogRecordType::WorkEnd, LocalAt(2024, 2, 5, 16, 0))}));
}

TEST_F(RecorderTest, NotesAreTakenAsTheyComeUpToTheLongestText) {
    Recorder& recorder = In(State::Absent);
    EXPECT_FALSE(recorder.AddNote(""));
    EXPECT_TRUE(records.empty()) << "an empty note writes nothing, present or not";
    const std::string longest(kLongestNoteText, 'n');
    EXPECT_TRUE(recorder.AddNote(longest));
    EXPECT_TRUE(recorder.AddNote(longest + "cut"));
    EXPECT_EQ(records, (std::vector{LogRecord::Note(now, longest), LogRecord::Note(now, longest)}));
    EXPECT_FALSE(recorder.present()) << "a note is no start of work";
}

TEST_F(RecorderTest, ASplitWritesWhatWasPlannedAndStopsAtARefusal) {
    const TimeValue left = LocalAt(2024, 2, 5, 18, 0);
    now = LocalAt(2024, 2, 5, 17, 0);
    In(State::OnBreak);
    now = LocalAt(2024, 2, 6, 8, 0);
    const DaySplit split = recorder->PlanSplit(left);  // the break, the end, today's start
    room = 1;
    EXPECT_FALSE(recorder->Split(split));
    EXPECT_EQ(StateNow(), State::Present) << "the break is over, the day still open";
    room = -1;
    EXPECT_TRUE(recorder->Split(recorder->PlanSplit(left)));
    EXPECT_EQ(records, split.records);
    EXPECT_FALSE(recorder->PlanSplit(left).offered) << "today is the open day now";
}

}  // namespace
}  // namespace horalo
