#include "core/recorder/recorder.h"

#include <utility>

namespace horalo {

Recorder::Recorder(RecordAppender append, const SettingsRecord& settings, DayContinuer continueDay)
    : append_(std::move(append)), settings_(settings), continueDay_(std::move(continueDay)) {}

TimeValue Recorder::WayTime() const { return TimeValue{settings_.wayMinutes} * 60; }

// A continuation that failed leaves the day to be started as ever: the
// start is what the user cannot do without.
bool Recorder::StartWork(const LastSeen& seen) {
    if (present_) return true;
    lastStart_ = {};
    if (continueDay_) lastStart_ = continueDay_(Now(), WayTime(), seen);
    dayStart_ = Now() - WayTime();
    if (lastStart_.result == DayContinuation::Result::Continued) {
        present_ = true;
        return true;
    }
    if (!append_(LogRecord::Of(LogRecordType::WorkStart, dayStart_))) return false;
    present_ = true;
    return true;
}

bool Recorder::EndWork() {
    if (!present_) return true;
    if (!append_(LogRecord::Of(LogRecordType::WorkEnd, Now() + WayTime()))) return false;
    present_ = false;
    return true;
}

// Only from present: a second begin would lose the first one's start, and
// a break without presence could never be ended by a command.
bool Recorder::BeginBreak() {
    if (!present_ || onBreak_) return false;
    breakStart_ = Now();
    onBreak_ = true;
    return true;
}

bool Recorder::EndBreak() {
    if (!onBreak_) return false;
    if (!append_(LogRecord::Break(breakStart_, Now()))) return false;
    onBreak_ = false;
    return true;
}

bool Recorder::AddNote(const std::string& text) {
    if (text.empty()) return false;
    return append_(LogRecord::Note(Now(), text.substr(0, kLongestNoteText)));
}

bool Recorder::EndOfWork() {
    const bool breakWritten = !onBreak_ || EndBreak();
    return EndWork() && breakWritten;
}

DaySplit Recorder::PlanSplit(TimeValue left) const {
    if (!present_) return {};
    return PlanDaySplit(dayStart_, onBreak_ ? std::optional(breakStart_) : std::nullopt, left, Now(), WayTime());
}

bool Recorder::Split(const DaySplit& split) {
    for (const LogRecord& record : split.records) {
        if (!append_(record)) return false;
        // Every record of a split ends a running break: the Break itself, or
        // the WorkEnd when the break began after the user left.
        onBreak_ = false;
        present_ = record.type() != LogRecordType::WorkEnd;
        if (record.type() == LogRecordType::WorkStart) dayStart_ = record.time;
    }
    return true;
}

RecorderCommands Recorder::Commands() const {
    return {!onBreak_ && !present_, !onBreak_ && present_, !onBreak_ && present_, onBreak_ && present_};
}

}  // namespace horalo
