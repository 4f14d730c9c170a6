#pragma once
// What the recorder knows of the working day: whether the user is present
// and whether a break is running, and the one record each command appends.
// The main dialog shows this state and forwards the user's commands to it.
#include <functional>
#include <string>

#include "core/clock.h"
#include "core/recorder/day_split.h"
#include "core/settings/settings_record.h"
#include "core/timelog/day_continuation.h"
#include "core/timelog/log_record.h"

namespace horalo {

// Appends one record to the time log (AppendRecord); false when it was not
// written, and the appender has told the user why.
using RecordAppender = std::function<bool(const LogRecord&)>;
// Goes on with a day that ended earlier today instead of starting another
// (ContinueDay); a failure it returns has been told to the user.
using DayContinuer = std::function<DayContinuation(TimeValue now, TimeValue wayTime, const LastSeen& seen)>;

// Which of the four recording commands make sense in the current state.
struct RecorderCommands {
    bool startWork = false;
    bool endWork = false;
    bool beginBreak = false;
    bool endBreak = false;
    bool operator==(const RecorderCommands&) const = default;
};

class Recorder {
public:
    // The way time is read from `settings` at every command, so a change in
    // the options applies to the next record. The program's appender and
    // continuer tell of a failure at once, before the recorder goes on: a
    // continuation that failed is told before the start that follows it.
    Recorder(RecordAppender append, const SettingsRecord& settings, DayContinuer continueDay = {});

    // Unless present already: continues a day that ended today, or one left
    // open today by a run that did not end (`seen`: when that run was last
    // alive), or else writes a WorkStart at now minus the way time.
    bool StartWork(const LastSeen& seen = {});
    // What the last start did of a day that had ended today.
    const DayContinuation& lastStart() const { return lastStart_; }
    // WorkEnd at now plus the way time, when present.
    bool EndWork();
    // Only while present and not on break; nothing is written yet. False
    // when no break began.
    bool BeginBreak();
    // One Break record of both times. A failed append keeps the break
    // running, so it can be ended again and its start is not lost.
    bool EndBreak();
    // A Note at now; an empty text writes nothing. Longer texts are cut to
    // kLongestNoteText.
    bool AddNote(const std::string& text);
    // The end of the day as at exit, suspend or log-off: a running break,
    // then WorkEnd. True when everything due was written.
    bool EndOfWork();
    // What ending the open day when the user left and starting today would
    // write (see PlanDaySplit); nothing offered while absent.
    DaySplit PlanSplit(TimeValue left) const;
    // Writes the split's records in order. A failed append stops there and
    // leaves the state of what was written: the break ended, or the day.
    bool Split(const DaySplit& split);

    bool present() const { return present_; }
    bool onBreak() const { return onBreak_; }
    // When the running break began; meaningful only while onBreak().
    TimeValue breakStart() const { return breakStart_; }
    RecorderCommands Commands() const;

private:
    TimeValue WayTime() const;

    RecordAppender append_;
    const SettingsRecord& settings_;
    DayContinuer continueDay_;
    DayContinuation lastStart_;
    TimeValue breakStart_ = 0;
    // When the open day began; for a continued day, when it went on.
    TimeValue dayStart_ = 0;
    bool present_ = false;
    bool onBreak_ = false;
};

}  // namespace horalo
