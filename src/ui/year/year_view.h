#pragma once
// The year's flextime account: a modeless, resizable window with the chart
// of the twelve months above and their table below. The user steps through
// the years, opens a month's time sheet with a double click or Enter,
// copies the table for a spreadsheet and prints both on one page. Any
// change of the log, made anywhere, shows at once.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/evaluation/year_account.h"
#include "core/evaluation/year_table.h"
#include "ui/app_services.h"
#include "ui/year/year_chart_painter.h"
#include "win/dialog.h"
#include "win/key_hook.h"
#include "win/list_view.h"
#include "win/resize_layout.h"

namespace horalo {

class YearView : public win::Dialog, public LogWatcher {
public:
    // Opens the view on the year and shows it; null when its window could
    // not be made. `closed` runs once the window is gone, however it was
    // closed. The view owns itself.
    static YearView* Open(AppServices& app, int year, std::function<void()> closed);

    // Restores a minimised view, shows the year and makes it the
    // foreground window.
    void BringToFront(int year);

    int Year() const { return account_.year; }
    const YearAccount& Account() const { return account_; }
    // What Copy puts on the clipboard.
    std::string TableText() const;
    void OnLogChanged() override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    YearView(AppServices& app, int year, std::function<void()> closed);

    void AddColumns();
    void LayOut();
    // Reads the log for the year and shows it; the selected month stays.
    void ShowYear(int year);
    void FillList();
    void FitListToMonths();
    int MonthsShown() const;
    void DrawChart(const DRAWITEMSTRUCT& item);
    int ChartMonthAtCursor() const;
    void OpenMonth(int month);
    void Copy();
    void Print();
    LRESULT ListColours(NMLVCUSTOMDRAW& draw) const;
    LRESULT CellText(NMLVDISPINFOA& info) const;

    AppServices& app_;
    std::function<void()> closed_;
    YearAccount account_;
    SettingsRecord shownSettings_;       // what the account was made with
    SpecialEntryList shownSpecialDays_;
    int monthsEnded_ = 0;  // whose balance is due in the next month
    int monthsShown_ = 0;  // begun, so the chart shows them
    YearTableTexts tableTexts_;
    YearChartTexts chartTexts_;
    std::string titleFormat_;
    win::ListView list_;
    win::ResizeLayout layout_;
    win::KeyHook keys_;
    RECT plot_{};  // where the chart's months lie, as last painted
    std::vector<int> columnWidths_;
    std::vector<std::vector<std::string>> rows_;  // what the list shows, a month a row
};

}  // namespace horalo
