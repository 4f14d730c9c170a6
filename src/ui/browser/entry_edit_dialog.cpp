#include "ui/browser/entry_edit_dialog.h"

#include <commctrl.h>

#include <ctime>
#include <optional>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/timelog/record_edits.h"
#include "resource_ids.h"
#include "ui/browser/log_browser_dialog.h"
#include "win/data_exchange.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {

// Which controls each kind of entry uses. An absence range has no time of
// day (every day is written at 08:00) and, when edited, is one day only.
struct TypeControls {
    LogRecordType type;
    int radio;
    bool moment;    // date and time
    bool duration;
    bool note;
    bool range;     // from date; the to date only when inserting
};

constexpr TypeControls kTypes[] = {
    {LogRecordType::WorkEnd, IDC_TYPE_WORK_END, true, false, false, false},
    {LogRecordType::WorkStart, IDC_TYPE_WORK_START, true, false, false, false},
    {LogRecordType::Break, IDC_TYPE_BREAK, true, true, false, false},
    {LogRecordType::Note, IDC_TYPE_NOTE, true, false, true, false},
    {LogRecordType::AbsenceDay, IDC_TYPE_ABSENCE, false, false, false, true},
    {LogRecordType::CompensationDay, IDC_TYPE_COMPENSATION, true, false, false, false},
};

const TypeControls* ControlsOf(LogRecordType type) {
    for (const TypeControls& controls : kTypes)
        if (controls.type == type) return &controls;
    return nullptr;
}

constexpr int kAbsenceHour = 8;

SYSTEMTIME LocalSystemTime(TimeValue moment) {
    std::tm fields{};
    if (!ToLocalTime(moment, fields)) ToLocalTime(0, fields);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(fields.tm_year + 1900);
    time.wMonth = static_cast<WORD>(fields.tm_mon + 1);
    time.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    time.wDay = static_cast<WORD>(fields.tm_mday);
    time.wHour = static_cast<WORD>(fields.tm_hour);
    time.wMinute = static_cast<WORD>(fields.tm_min);
    time.wSecond = static_cast<WORD>(fields.tm_sec);
    return time;
}

// Durations and the fixed times of day are moments on a day without a
// daylight-saving change, taken from local midnight, so the pickers show
// the same hours and minutes in every time zone.
TimeValue DurationBase() { return MakeLocalTime(2000, 0, 1, 0, 0, 0, DaylightSaving::FromCalendar); }

// An absence day has no time of day of its own: it is written at 08:00.
SYSTEMTIME AbsenceTime() { return LocalSystemTime(DurationBase() + kAbsenceHour * 3600); }

// Monday to Friday from the first to the last day, each at 08:00 of its own
// day, in the order of the days. Days are counted on the calendar, not in
// steps of 24 hours, so a change of daylight saving time moves no record
// off 08:00 and loses no day at either end.
std::vector<LogRecord> AbsenceRange(const SYSTEMTIME& first, const SYSTEMTIME& last) {
    const long lastKey = last.wYear * 10000L + last.wMonth * 100L + last.wDay;
    std::vector<LogRecord> records;
    for (int day = first.wDay;; ++day) {
        const auto moment = LogTime(
            MakeLocalTime(first.wYear, first.wMonth - 1, day, kAbsenceHour, 0, 0, DaylightSaving::FromCalendar));
        std::tm fields{};
        if (!moment || !ToLocalTime(*moment, fields)) break;
        if ((fields.tm_year + 1900) * 10000L + (fields.tm_mon + 1) * 100L + fields.tm_mday > lastKey) break;
        if (fields.tm_wday != 0 && fields.tm_wday != 6) records.push_back(LogRecord::Of(LogRecordType::AbsenceDay, *moment));
    }
    return records;
}

}  // namespace

EntryEditDialog::EntryEditDialog(EntryEditMode mode) : win::Dialog(IDD_ENTRY_EDIT), mode_(mode) {
    time = date = duration = fromDate = toDate = LocalSystemTime(0);
    for (const TypeControls& controls : kTypes) {
        OnCommand(controls.radio, [this, type = controls.type] {
            this->type = type;
            ShowType(type);
        });
    }
}

void EntryEditDialog::SetMoment(TimeValue moment) { time = date = fromDate = toDate = LocalSystemTime(moment); }

void EntryEditDialog::SetDuration(TimeValue seconds) { duration = LocalSystemTime(DurationBase() + seconds); }

void EntryEditDialog::DoDataExchange(win::DataExchange& dx) {
    dx.Time(IDC_ENTRY_TIME, time);
    dx.Time(IDC_ENTRY_DATE, date);
    dx.Time(IDC_ENTRY_DURATION, duration);
    dx.Text(IDC_ENTRY_NOTE, text, kEntryNoteLimit);
    dx.Time(IDC_ENTRY_FROM_DATE, fromDate);
    dx.Time(IDC_ENTRY_TO_DATE, toDate);
}

bool EntryEditDialog::OnInitDialog() {
    win::Dialog::OnInitDialog();
    SendDlgItemMessageA(Handle(), IDC_ENTRY_DURATION, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH':'mm"));
    const TypeControls* controls = ControlsOf(type);
    if (!controls) return true;
    SendDlgItemMessageA(Handle(), controls->radio, BM_SETCHECK, BST_CHECKED, 0);
    ShowType(type);
    // On the kind of entry chosen, not on the first radio button of the group.
    SetFocus(Item(controls->radio));
    return false;
}

void EntryEditDialog::ShowType(LogRecordType shown) {
    const TypeControls* controls = ControlsOf(shown);
    if (!controls) return;
    EnableWindow(Item(IDC_ENTRY_DATE), controls->moment);
    EnableWindow(Item(IDC_ENTRY_TIME), controls->moment);
    EnableWindow(Item(IDC_ENTRY_DURATION), controls->duration);
    EnableWindow(Item(IDC_ENTRY_NOTE), controls->note);
    EnableWindow(Item(IDC_ENTRY_FROM_DATE), controls->range);
    EnableWindow(Item(IDC_ENTRY_TO_DATE), controls->range && mode_ == EntryEditMode::Insert);
    if (shown != LogRecordType::AbsenceDay) return;
    time = AbsenceTime();
    SendDlgItemMessageA(Handle(), IDC_ENTRY_TIME, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

namespace {

// The records a confirmed dialog stands for, made at `moment`.
std::vector<LogRecord> RecordsOf(const EntryEditDialog& dialog, TimeValue moment) {
    switch (dialog.type) {
    case LogRecordType::Break: {
        const auto end = LogTime(moment + dialog.duration.wHour * 3600LL + dialog.duration.wMinute * 60LL);
        if (!end) return {};
        return {LogRecord::Break(moment, *end)};
    }
    case LogRecordType::Note:
        if (dialog.text.empty()) return {};
        return {LogRecord::Note(moment, dialog.text)};
    case LogRecordType::AbsenceDay:
        if (dialog.mode() == EntryEditMode::Insert) return AbsenceRange(dialog.fromDate, dialog.toDate);
        return {LogRecord::Of(dialog.type, moment)};
    default:
        return {LogRecord::Of(dialog.type, moment)};
    }
}

// False when the anchor is no record of the dialog's kinds. The record is
// taken from the bytes the row was filled from: the log may have changed
// since, and the write will say so.
bool Prepare(EntryEditDialog& dialog, const RecordRef& anchor) {
    std::size_t offset = 0;
    const auto stored = DecodeRecord(anchor.bytes, offset);
    if (!stored) return false;
    const LogRecord& record = stored->record;
    if (record.HasPayload()) dialog.SetMoment(record.time);
    // Also when an edited record becomes a break: an hour, not whatever
    // the start of 1970 is in the local zone.
    dialog.SetDuration(3600);
    if (dialog.mode() == EntryEditMode::Insert) {
        dialog.type = LogRecordType::WorkStart;
        return true;
    }
    if (!ControlsOf(record.type())) return false;
    dialog.type = record.type();
    if (dialog.type == LogRecordType::Break) dialog.SetDuration(record.breakEnd - record.time);
    if (dialog.type == LogRecordType::Note) dialog.text = record.text;
    if (dialog.type == LogRecordType::AbsenceDay) dialog.time = AbsenceTime();
    return true;
}

// The records the dialog stands for, once the user has confirmed their
// moment; none when not confirmed or when there is nothing to write.
std::vector<LogRecord> ConfirmedRecords(HWND owner, const EntryEditDialog& dialog) {
    const bool absence = dialog.type == LogRecordType::AbsenceDay;
    const SYSTEMTIME& day = absence ? dialog.fromDate : dialog.date;
    const int hour = absence ? kAbsenceHour : dialog.time.wHour;
    const int minute = absence ? 0 : dialog.time.wMinute;
    const int second = absence ? 0 : dialog.time.wSecond;
    const std::string question =
        win::FormatText(IDS_CONFIRM_ENTRY, int{day.wDay}, int{day.wMonth}, int{day.wYear}, hour, minute);
    if (win::ShowMessageBox(owner, question, MB_YESNO | MB_ICONQUESTION) != IDYES) return {};
    const auto moment =
        LogTime(MakeLocalTime(day.wYear, day.wMonth - 1, day.wDay, hour, minute, second, DaylightSaving::FromCalendar));
    return moment ? RecordsOf(dialog, *moment) : std::vector<LogRecord>{};
}

}  // namespace

void EditEntry(LogBrowserDialog& browser, EntryEditMode mode) {
    Host& host = browser.host();
    // A copy: the browser shows the log anew while the dialog is open
    // whenever another window changes it.
    const RecordRef anchor = browser.anchor();
    const EditResult found = LookUpRecord(host, anchor);
    switch (found.kind) {
    case EditResult::Changed: return browser.ShowChangedElsewhere();
    case EditResult::Failed:
        win::ShowOutcome(found.outcome);
        return;
    case EditResult::Done: break;
    }
    EntryEditDialog dialog(mode);
    if (!Prepare(dialog, anchor)) {
        win::ShowMessageId(browser.Handle(), IDS_NO_RECORD, MB_OK);
        return;
    }
    // Owned by the browser, so its buttons wait; other windows may still
    // change the log meanwhile, and the write then finds the anchor gone.
    if (dialog.RunModal(browser.Handle()) != IDOK) return;

    const std::vector<LogRecord> records = ConfirmedRecords(browser.Handle(), dialog);
    EditResult result = EditResult::Failed;  // nothing to write: nothing to tell
    if (mode == EntryEditMode::Edit && records.size() == 1)
        result = ReplaceRecord(host, anchor, records.front());
    else if (mode == EntryEditMode::Insert && !records.empty())
        result = InsertRecordsAfter(host, anchor, records);
    win::ShowOutcome(result.outcome);
    if (result == EditResult::Changed) return browser.ShowChangedElsewhere();
    browser.Refill();
    browser.ShowAnchorRow();
}

// The start of a usual working day, as an absence day is written.
void InsertEntryOnDay(LogBrowserDialog& browser, const CalendarDate& day) {
    EntryEditDialog dialog(EntryEditMode::Insert);
    dialog.SetMoment(MakeLocalTime(day.year, day.month, day.day, kAbsenceHour, 0, 0, DaylightSaving::FromCalendar));
    dialog.SetDuration(3600);
    if (dialog.RunModal(browser.Handle()) != IDOK) return;
    const std::vector<LogRecord> records = ConfirmedRecords(browser.Handle(), dialog);
    bool written = false;
    if (!records.empty()) {
        const EditResult result = InsertRecordsInOrder(browser.host(), records);
        win::ShowOutcome(result.outcome);
        written = result == EditResult::Done;
    }
    browser.Refill();
    if (written) browser.ShowRecordRow(EncodeRecord(records.front()));
}

}  // namespace horalo
