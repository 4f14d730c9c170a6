#pragma once
// One month of the time log as a list: a row per record with the day's
// presence and balance and the order checks, filler rows for days without
// records. From here the user steps through months and years and deletes,
// inserts and edits records. Every fill reads the month again; each row
// names its record by place and bytes, so an edit of a record that another
// window has moved or changed since is refused, not applied to a neighbour.
// A change of the log made anywhere shows the month anew.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "core/timelog/record_ref.h"

#include "core/browser/month_rows.h"
#include "core/calendar/calendar_date.h"
#include "core/text/string_list.h"
#include "core/timelog/log_record.h"
#include "ui/app_services.h"
#include "ui/browser/entry_edit_dialog.h"
#include "win/dialog.h"
#include "win/list_view.h"
#include "win/resize_layout.h"

namespace horalo {

class LogBrowserDialog : public win::Dialog, public LogWatcher {
public:
    explicit LogBrowserDialog(AppServices& app);
    ~LogBrowserDialog() override;

    Host& host() { return app_.host(); }
    int shownMonth() const { return month_; }  // 0 to 11
    int shownYear() const { return year_; }
    // The record of the row whose focus state changed last, while the
    // insert and edit commands are enabled; else of no use.
    const RecordRef& anchor() const { return anchor_; }

    // Reads the shown month again; nothing is selected afterwards.
    void Refill();
    // Scrolls the anchor's row into view.
    void ShowAnchorRow();
    // Focuses and selects the row of the record with these bytes, in view.
    void ShowRecordRow(const Bytes& bytes);
    // Keeps the month, the selected records that are still there and the
    // scroll position.
    void OnLogChanged() override;
    // Tells the user that the log changed under an edit, and shows it anew.
    void ShowChangedElsewhere();

protected:
    bool OnInitDialog() override;
    // Enter on the list edits its record rather than closing the browser.
    void OnOK() override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Anchors the controls and puts the window where it was last closed.
    void LayOut();
    // The remark column takes the width the others leave.
    void FitColumns();
    void BindCommands();
    void AddColumns();
    void FillMonth();
    void Move(int monthStep, int yearStep);
    LRESULT OnItemChanged(const NMLISTVIEW& change);
    // The record a row shows; none for a filler row.
    const RecordRef* RefOf(int row) const;
    // Where an insert without a record to follow goes: the focused filler
    // row's day, else the month's first working day.
    CalendarDate InsertDay() const;
    std::vector<RecordRef> SelectedRecords() const;
    void DeleteSelected();
    // An edit only while a record row has the focus; an insert behind the
    // focused record, else on a day.
    void Edit(EntryEditMode mode);

    AppServices& app_;
    win::ListView list_;
    StringList monthNames_;
    RowStrings rowStrings_;
    int month_ = 0;
    int year_ = 1970;
    std::vector<RecordRef> shown_;  // the records of the rows, by their item value
    std::vector<int> rowDays_;      // the day of the month of each row
    RecordRef anchor_;
    win::ResizeLayout layout_;
    int remarkWidth_ = 0;  // the remark column's template width, its smallest
};

}  // namespace horalo
