#pragma once
// One month of the time log as a list: a row per record with the day's
// presence and balance and the order checks, filler rows for days without
// records. From here the user steps through months and years and deletes,
// inserts and edits records. Nothing of the log is kept between fills: every
// fill reads the month again, and every change is followed by a fill.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "core/browser/month_rows.h"
#include "core/text/string_list.h"
#include "core/timelog/log_record.h"
#include "ui/app_services.h"
#include "ui/browser/entry_edit_dialog.h"
#include "win/dialog.h"
#include "win/list_view.h"

namespace horalo {

class LogBrowserDialog : public win::Dialog {
public:
    explicit LogBrowserDialog(AppServices& app);

    Host& host() { return app_.host(); }
    int shownMonth() const { return month_; }  // 0 to 11
    int shownYear() const { return year_; }
    // The item value of the row whose focus state changed last: a record's
    // position while the insert and edit commands are enabled, else of no use.
    RecordPosition anchor() const { return anchor_; }

    // Reads the shown month again; nothing is selected afterwards.
    void Refill();
    // Scrolls the anchor's row into view.
    void ShowAnchorRow();

protected:
    bool OnInitDialog() override;
    // Enter on the list edits its record rather than closing the browser.
    void OnOK() override;

private:
    void BindCommands();
    void AddColumns();
    void FillMonth();
    void Move(int monthStep, int yearStep);
    LRESULT OnItemChanged(const NMLISTVIEW& change);
    std::vector<RecordPosition> SelectedPositions() const;
    void DeleteSelected();
    // Only while a record row has the focus.
    void Edit(EntryEditMode mode);

    AppServices& app_;
    win::ListView list_;
    StringList monthNames_;
    RowStrings rowStrings_;
    int month_ = 0;
    int year_ = 1970;
    RecordPosition anchor_ = -1;
};

}  // namespace horalo
