#pragma once
// The month records of the log, one row per month, to be added, changed and
// removed by hand. Every change rewrites the log at once; the rows are then
// rebuilt from the records the log holds afterwards, as they are after a
// change made in another window. Each row names its record by place and
// bytes, so a month another window has changed or moved is not touched.
#include <windows.h>

#include <optional>

#include "core/host.h"
#include "ui/app_services.h"
#include "core/timelog/month_records.h"
#include "win/dialog.h"
#include "win/list_view.h"
#include "win/resize_layout.h"

namespace horalo {

class MonthlyListDialog : public win::Dialog, public LogWatcher {
public:
    explicit MonthlyListDialog(AppServices& app);
    ~MonthlyListDialog() override;

    // Keeps the selected month where it is still there.
    void OnLogChanged() override;

protected:
    bool OnInitDialog() override;
    // Enter on the list changes the selected row rather than closing.
    void OnOK() override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Anchors the controls and puts the window where it was last closed.
    void LayOut();
    // The last column takes the width the others leave.
    void FitColumns();
    // Reads the month records of the log and shows them.
    void Fill();
    // After an edit that was not done: the log is unchanged, the list shows
    // it as it is.
    void Finish(EditResult result);
    int SelectedRow() const;
    // The entry a row shows; none for -1.
    const MonthRecordEntry* EntryOf(int row) const;
    void NewRecord();
    void ChangeRow(int row);
    void RemoveRow(int row);

    AppServices& app_;
    Host& host_;
    win::ListView list_;
    MonthRecordList records_;
    win::ResizeLayout layout_;
    int lastColumnWidth_ = 0;  // its smallest: as wide as its header and values need
};

}  // namespace horalo
