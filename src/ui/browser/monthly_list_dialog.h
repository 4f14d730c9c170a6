#pragma once
// The month records of the log, one row per month, to be added, changed and
// removed by hand. Every change rewrites the log at once; the rows are then
// rebuilt from the records the log holds afterwards.
#include <windows.h>

#include <optional>

#include "core/host.h"
#include "core/timelog/month_records.h"
#include "win/dialog.h"
#include "win/list_view.h"

namespace horalo {

class MonthlyListDialog : public win::Dialog {
public:
    explicit MonthlyListDialog(Host& host);

protected:
    bool OnInitDialog() override;
    // Enter on the list changes the selected row rather than closing.
    void OnOK() override;

private:
    void Fill();
    // After a failed rewrite (the user has been told) the list is empty.
    void Take(std::optional<MonthRecordList> records);
    int SelectedRow() const;
    // The entry a row shows; none for -1.
    const MonthRecordEntry* EntryOf(int row) const;
    void NewRecord();
    void ChangeRow(int row);
    void RemoveRow(int row);

    Host& host_;
    win::ListView list_;
    MonthRecordList records_;
};

}  // namespace horalo
