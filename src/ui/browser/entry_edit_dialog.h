#pragma once
// Writing one record of the log by hand from the log browser: inserted
// behind the record row that has the focus, or replacing it. The user
// confirms the moment before anything is written.
#include <windows.h>

#include <cstddef>
#include <string>

#include "core/calendar/calendar_date.h"
#include "core/clock.h"
#include "core/timelog/log_record.h"
#include "win/dialog.h"

namespace horalo {

class LogBrowserDialog;

enum class EntryEditMode { Insert, Edit };

class EntryEditDialog : public win::Dialog {
public:
    explicit EntryEditDialog(EntryEditMode mode);

    // The moments the pickers show are local times. Only the date of date,
    // fromDate and toDate counts, only the time of day of time, and only
    // the hours and minutes of duration.
    LogRecordType type = LogRecordType::WorkStart;
    SYSTEMTIME time{};
    SYSTEMTIME date{};
    SYSTEMTIME duration{};
    SYSTEMTIME fromDate{};
    SYSTEMTIME toDate{};
    std::string text;

    // Date, time and both ends of a range at this moment.
    void SetMoment(TimeValue moment);
    // A break's length as the duration picker shows it.
    void SetDuration(TimeValue seconds);
    EntryEditMode mode() const { return mode_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(win::DataExchange& dx) override;

private:
    void ShowType(LogRecordType type);

    EntryEditMode mode_;
};

// The longest note the dialog takes.
inline constexpr std::size_t kEntryNoteLimit = 256;

// Asks for the entry and writes it at the browser's anchor record, then
// shows the browser's month again with the anchor row in view. Cancel
// writes nothing and leaves the browser as it is.
void EditEntry(LogBrowserDialog& browser, EntryEditMode mode);
// Asks for an entry proposed on the day and writes it into the log in time
// order; for a month or a day without a record to follow.
void InsertEntryOnDay(LogBrowserDialog& browser, const CalendarDate& day);

}  // namespace horalo
