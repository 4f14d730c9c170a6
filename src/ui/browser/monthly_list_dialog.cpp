#include "ui/browser/monthly_list_dialog.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/sheet/carried_balance_fields.h"
#include "core/text/string_list.h"
#include "resource_ids.h"
#include "ui/browser/month_values_dialog.h"
#include "win/message_box.h"

namespace horalo {
namespace {

constexpr int kColumns = 3;
constexpr int kColumnPadding = 20;

std::vector<std::string> RowTexts(const MonthRecordEntry& entry) {
    char month[16] = "";
    std::tm local{};
    if (ToLocalTime(entry.monthKey, local)) std::strftime(month, sizeof month, "%m.%Y", &local);
    // Printed as hours and minutes apart, -130 would read "-1:-30"; the sign
    // goes in front once, as the time sheet's own fields show it.
    const CarriedBalanceFields carried = SplitCarriedBalance(entry.carriedBalance);
    char balance[24] = "";
    std::snprintf(balance, sizeof balance, "%s:%02d", carried.hours.c_str(), static_cast<int>(carried.minutes));
    return {month, balance, std::to_string(entry.hoursDeducted)};
}

}  // namespace

MonthlyListDialog::MonthlyListDialog(AppServices& app) : Dialog(IDD_MONTHLY_LIST), app_(app), host_(app.host()) {}

MonthlyListDialog::~MonthlyListDialog() { app_.UnwatchLog(*this); }

bool MonthlyListDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    list_ = win::ListView(Item(IDC_MONTH_LIST));
    StringList headers = SplitStringResource(host_, IDS_MONTHLY_COLUMNS);
    headers.resize(kColumns);
    // A short header must not cut the texts below it ("Month" over "01.2001").
    const char* const widest[kColumns] = {"00.0000", "-0000:00", "000"};
    for (int i = 0; i < kColumns; ++i) {
        const int width = std::max(list_.TextWidth(headers[i]), list_.TextWidth(widest[i]));
        list_.AddColumn(headers[i], width + kColumnPadding);
        lastColumnWidth_ = width + kColumnPadding;
    }
    list_.AddExtendedStyle(LVS_EX_FULLROWSELECT);

    OnCommand(IDC_MONTH_NEW, [this] { NewRecord(); });
    OnCommand(IDC_MONTH_CHANGE, [this] { ChangeRow(SelectedRow()); });
    OnCommand(IDC_MONTH_REMOVE, [this] { RemoveRow(SelectedRow()); });
    OnNotify(IDC_MONTH_LIST, LVN_ITEMCHANGED, [this](NMHDR* header) {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)) {
            const BOOL selected = SelectedRow() >= 0;
            EnableWindow(Item(IDC_MONTH_CHANGE), selected);
            EnableWindow(Item(IDC_MONTH_REMOVE), selected);
        }
        return LRESULT{0};
    });
    OnNotify(IDC_MONTH_LIST, NM_DBLCLK, [this](NMHDR* header) {
        ChangeRow(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        return LRESULT{0};
    });
    OnNotify(IDC_MONTH_LIST, LVN_KEYDOWN, [this](NMHDR* header) {
        if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE) RemoveRow(SelectedRow());
        return LRESULT{0};
    });

    Fill();
    LayOut();
    app_.WatchLog(*this);
    return true;
}

void MonthlyListDialog::LayOut() {
    using Layout = win::ResizeLayout;
    layout_.Begin(Handle());
    layout_.Anchor(IDC_MONTH_LIST, Layout::kAll);
    for (const int id : {IDC_MONTH_NEW, IDC_MONTH_CHANGE, IDC_MONTH_REMOVE})
        layout_.Anchor(id, Layout::kRight | Layout::kTop);
    layout_.Anchor(IDOK, Layout::kRight | Layout::kBottom);
    if (const std::optional<WindowPlace> place = app_.KeptPlace(WindowId::MonthlyList)) layout_.MoveTo(*place);
    FitColumns();
}

void MonthlyListDialog::FitColumns() { list_.StretchLastColumn(lastColumnWidth_); }

INT_PTR MonthlyListDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (layout_.OnMessage(message, wParam, lParam) && message == WM_SIZE) FitColumns();
    if (message == WM_DESTROY)
        if (const std::optional<WindowPlace> place = layout_.Place()) app_.KeepPlace(WindowId::MonthlyList, *place);
    return Dialog::WindowProc(message, wParam, lParam);
}

void MonthlyListDialog::OnOK() {
    if (GetFocus() != list_.Handle()) return Dialog::OnOK();
    ChangeRow(SelectedRow());
}

void MonthlyListDialog::Fill() {
    records_.clear();
    auto [log, opened] = OpenLogFile(host_, "rb");
    win::ShowOutcome(opened);
    if (log) records_ = ReadMonthRecords(log.get());
    list_.Clear();
    EnableWindow(Item(IDC_MONTH_CHANGE), FALSE);
    EnableWindow(Item(IDC_MONTH_REMOVE), FALSE);
    for (std::size_t i = 0; i < records_.size(); ++i) list_.AddRow(RowTexts(records_[i]), static_cast<LPARAM>(i));
    // The rows may have brought or taken the scroll bar, and its width.
    FitColumns();
}

void MonthlyListDialog::OnLogChanged() {
    if (!Handle()) return;
    const MonthRecordEntry* selected = EntryOf(SelectedRow());
    const std::optional<TimeValue> key = selected ? std::optional(selected->monthKey) : std::nullopt;
    Fill();
    for (int row = 0; key && row < list_.Count(); ++row) {
        if (EntryOf(row)->monthKey != *key) continue;
        list_.Select(row, true);
        list_.Focus(row);
        break;
    }
}

// A change that was done shows itself through OnLogChanged, as every
// change of the log does.
void MonthlyListDialog::Finish(EditResult result) {
    if (result == EditResult::Done) return;
    if (result == EditResult::Changed) win::ShowMessageId(Handle(), IDS_LOG_CHANGED_ELSEWHERE, MB_OK | MB_ICONEXCLAMATION);
    win::ShowOutcome(result.outcome);
    Fill();
}

int MonthlyListDialog::SelectedRow() const {
    const std::vector<int> rows = list_.SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

const MonthRecordEntry* MonthlyListDialog::EntryOf(int row) const {
    const LPARAM index = row >= 0 ? list_.Value(row) : -1;
    return index >= 0 && static_cast<std::size_t>(index) < records_.size() ? &records_[static_cast<std::size_t>(index)]
                                                                           : nullptr;
}

void MonthlyListDialog::NewRecord() {
    MonthValuesDialog values;
    if (values.RunModal(Handle()) != IDOK) return;
    auto stored =
        StoreMonthRecord(host_, values.Year(), values.Month(), values.CarriedBalance(), values.HoursDeducted());
    Finish(stored.value ? EditResult(EditResult::Done) : EditResult(std::move(*stored.outcome)));
}

// One rewrite: removing the old month first and storing the new one after
// would lose the values when the second rewrite fails.
void MonthlyListDialog::ChangeRow(int row) {
    const MonthRecordEntry* entry = EntryOf(row);
    if (!entry) return;
    // A copy: the list is shown anew while the dialog is open whenever
    // another window changes the log.
    const RecordRef old = RefOf(*entry);
    MonthValuesDialog values(*entry);
    if (values.RunModal(Handle()) != IDOK) return;
    Finish(ChangeMonthRecord(host_, old, values.Year(), values.Month(), values.CarriedBalance(), values.HoursDeducted()));
}

void MonthlyListDialog::RemoveRow(int row) {
    if (const MonthRecordEntry* entry = EntryOf(row)) Finish(RemoveMonthRecord(host_, RefOf(*entry)));
}

}  // namespace horalo
