#include "ui/browser/log_browser_dialog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "core/browser/record_lines.h"
#include "core/calendar/calendar_date.h"
#include "core/calendar/year_info.h"
#include "core/timelog/day_entries.h"
#include "core/timelog/record_edits.h"
#include "resource_ids.h"
#include "ui/browser/restore_dialog.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr int kMonths = 12;
constexpr int kRowImageWidth = 32;
constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr int kColumnPadding = 20;

// Each column is as wide as its template, measured in the list's own font.
constexpr std::array<const char*, kRowColumns> kColumnTemplates = {
    "0000000000000", "99.99.9999", "99:99:99", "000000000", "00:00 (-)", "00000000000000000000000000000000",
};


}  // namespace

LogBrowserDialog::LogBrowserDialog(AppServices& app) : win::Dialog(IDD_LOG_BROWSER), app_(app) {}

LogBrowserDialog::~LogBrowserDialog() { app_.UnwatchLog(*this); }

bool LogBrowserDialog::OnInitDialog() {
    win::Dialog::OnInitDialog();
    CalendarDate today;
    if (CurrentDate(today)) {
        month_ = today.month;
        year_ = today.year;
    }
    monthNames_ = SplitStringResource(host(), IDS_MONTH_NAMES);
    rowStrings_ = RowStrings::Load(host());
    list_ = win::ListView(Item(IDC_BROWSER_LIST));
    list_.AddExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.SetSmallImages(ImageList_LoadImageA(win::ResourceModule(), MAKEINTRESOURCEA(IDB_ROW_IMAGES), kRowImageWidth, 0,
                                              kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    AddColumns();
    BindCommands();
    FillMonth();
    LayOut();
    app_.WatchLog(*this);
    // The keys act on the rows from the start, not on the first button.
    SetFocus(list_.Handle());
    return false;
}

void LogBrowserDialog::AddColumns() {
    StringList headers = SplitStringResource(host(), IDS_BROWSER_COLUMNS);
    headers.resize(kRowColumns);
    for (int column = 0; column < kRowColumns; ++column)
        list_.AddColumn(headers[column], list_.TextWidth(kColumnTemplates[column]) + kColumnPadding);
    remarkWidth_ = list_.TextWidth(kColumnTemplates.back()) + kColumnPadding;
}

void LogBrowserDialog::LayOut() {
    using Layout = win::ResizeLayout;
    layout_.Begin(Handle());
    // The month steps keep to their side, as the month they lead to lies.
    for (const int id : {IDC_PREV_YEAR, IDC_PREV_MONTH}) layout_.Anchor(id, Layout::kLeft | Layout::kTop);
    for (const int id : {IDC_NEXT_MONTH, IDC_NEXT_YEAR}) layout_.Anchor(id, Layout::kRight | Layout::kTop);
    layout_.Anchor(IDC_BROWSER_LIST, Layout::kAll);
    for (const int id :
         {IDC_BROWSER_INSERT, IDC_BROWSER_EDIT, IDC_BROWSER_DELETE, IDC_BROWSER_PREVIEW, IDC_BROWSER_RESTORE})
        layout_.Anchor(id, Layout::kLeft | Layout::kBottom);
    layout_.Anchor(IDOK, Layout::kRight | Layout::kBottom);
    if (const std::optional<WindowPlace> place = app_.KeptPlace(WindowId::LogBrowser)) layout_.MoveTo(*place);
    FitColumns();
}

void LogBrowserDialog::FitColumns() { list_.StretchLastColumn(remarkWidth_); }

INT_PTR LogBrowserDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (layout_.OnMessage(message, wParam, lParam) && message == WM_SIZE) FitColumns();
    if (message == WM_DESTROY)
        if (const std::optional<WindowPlace> place = layout_.Place()) app_.KeepPlace(WindowId::LogBrowser, *place);
    return win::Dialog::WindowProc(message, wParam, lParam);
}

void LogBrowserDialog::BindCommands() {
    OnCommand(IDC_PREV_YEAR, [this] { Move(0, -1); });
    OnCommand(IDC_NEXT_YEAR, [this] { Move(0, 1); });
    OnCommand(IDC_PREV_MONTH, [this] { Move(-1, 0); });
    OnCommand(IDC_NEXT_MONTH, [this] { Move(1, 0); });
    OnCommand(IDC_BROWSER_DELETE, [this] { DeleteSelected(); });
    OnCommand(IDC_BROWSER_INSERT, [this] { Edit(EntryEditMode::Insert); });
    OnCommand(IDC_BROWSER_EDIT, [this] { Edit(EntryEditMode::Edit); });
    OnCommand(IDC_BROWSER_PREVIEW, [this] { app_.OpenPreview(month_, year_, Handle()); });
    // A restore that is done shows here as every change of the log does.
    OnCommand(IDC_BROWSER_RESTORE, [this] { RestoreDialog(host()).RunModal(Handle()); });

    OnNotify(IDC_BROWSER_LIST, LVN_ITEMCHANGED,
             [this](NMHDR* header) { return OnItemChanged(*reinterpret_cast<NMLISTVIEW*>(header)); });
    OnNotify(IDC_BROWSER_LIST, LVN_KEYDOWN, [this](NMHDR* header) -> LRESULT {
        switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
        case VK_DELETE:
            DeleteSelected();
            break;
        case VK_INSERT:
            Edit(EntryEditMode::Insert);
            break;
        default:
            break;
        }
        return 0;
    });
    OnNotify(IDC_BROWSER_LIST, NM_DBLCLK, [this](NMHDR* header) -> LRESULT {
        if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) Edit(EntryEditMode::Edit);
        return 0;
    });
    // Only where no dialog manager takes the key first; see OnOK.
    OnNotify(IDC_BROWSER_LIST, NM_RETURN, [this](NMHDR*) -> LRESULT {
        Edit(EntryEditMode::Edit);
        return 0;
    });
}

void LogBrowserDialog::OnOK() {
    if (GetFocus() == list_.Handle()) {
        Edit(EntryEditMode::Edit);
        return;
    }
    win::Dialog::OnOK();
}

void LogBrowserDialog::FillMonth() {
    SetWindowTextA(Handle(), win::FormatText(IDS_BROWSER_TITLE, NameAt(monthNames_, month_).c_str(), year_).c_str());
    SetDlgItemTextA(Handle(), IDC_PREV_MONTH, NameAt(monthNames_, (month_ + kMonths - 1) % kMonths).c_str());
    SetDlgItemTextA(Handle(), IDC_NEXT_MONTH, NameAt(monthNames_, (month_ + 1) % kMonths).c_str());
    SetDlgItemTextA(Handle(), IDC_PREV_YEAR, std::to_string(year_ - 1).c_str());
    SetDlgItemTextA(Handle(), IDC_NEXT_YEAR, std::to_string(year_ + 1).c_str());

    std::vector<DayEntry> entries;
    shown_.clear();
    rowDays_.clear();
    {
        const auto [log, opened] = OpenLogFile(host(), "rb");
        if (win::ShowOutcome(opened)) return;
        entries = ReadDayEntries(year_, month_, log.get());
    }
    const std::vector<MonthRow> rows = BuildMonthRows(entries, MakeYearInfo(year_), app_.specialDays().entries(),
                                                      app_.settings(), rowStrings_, Now());
    for (const DayEntry& entry : entries) shown_.push_back(entry.ref());
    list_.SetRedraw(false);
    for (const MonthRow& row : rows) {
        list_.AddRow(row.texts, row.position, row.ImageIndex());
        rowDays_.push_back(row.day);
    }
    list_.SetRedraw(true);
    // The rows may have brought or taken the scroll bar, and its width.
    FitColumns();
}

void LogBrowserDialog::Refill() {
    list_.Clear();
    // Insert stays: with no record to follow it proposes a day of the month.
    for (const int id : {IDC_BROWSER_DELETE, IDC_BROWSER_EDIT}) EnableWindow(Item(id), FALSE);
    // A disabled button keeps the keyboard focus and the keys go nowhere.
    HWND focus = GetFocus();
    if (focus && GetParent(focus) == Handle() && !IsWindowEnabled(focus))
        SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.Handle()), TRUE);
    FillMonth();
}

void LogBrowserDialog::ShowAnchorRow() {
    const int row = list_.FindValue(anchor_.position);
    if (row >= 0) list_.EnsureVisible(row);
}

// Records are found again by their bytes alone: a change in front of them
// moves their places, not what they are.
void LogBrowserDialog::OnLogChanged() {
    if (!Handle()) return;
    std::vector<Bytes> selected;
    for (const RecordRef& ref : SelectedRecords()) selected.push_back(ref.bytes);
    const RecordRef* focused = RefOf(list_.FocusedRow());
    const Bytes focusedBytes = focused ? focused->bytes : Bytes();
    const int top = list_.TopRow();
    Refill();
    list_.SetRedraw(false);
    list_.ScrollToTop(top);
    for (int row = 0; row < list_.Count(); ++row) {
        const RecordRef* ref = RefOf(row);
        if (!ref) continue;
        if (const auto found = std::find(selected.begin(), selected.end(), ref->bytes); found != selected.end()) {
            list_.Select(row, true);
            selected.erase(found);
        }
        if (!focusedBytes.empty() && ref->bytes == focusedBytes && list_.FocusedRow() < 0) list_.Focus(row);
    }
    list_.SetRedraw(true);
}

void LogBrowserDialog::ShowRecordRow(const Bytes& bytes) {
    for (int row = 0; row < list_.Count(); ++row) {
        const RecordRef* ref = RefOf(row);
        if (!ref || ref->bytes != bytes) continue;
        list_.Select(row, true);
        list_.Focus(row);
        list_.EnsureVisible(row);
        return;
    }
}

void LogBrowserDialog::ShowChangedElsewhere() {
    win::ShowMessageId(Handle(), IDS_LOG_CHANGED_ELSEWHERE, MB_OK | MB_ICONEXCLAMATION);
    Refill();
}

// The month buttons keep the year: before January comes December of the
// same year, as the button's caption says.
void LogBrowserDialog::Move(int monthStep, int yearStep) {
    month_ = (month_ + monthStep + kMonths) % kMonths;
    year_ += yearStep;
    Refill();
}

LRESULT LogBrowserDialog::OnItemChanged(const NMLISTVIEW& change) {
    if (!(change.uChanged & LVIF_STATE)) return 0;
    const UINT changed = change.uOldState ^ change.uNewState;
    if (changed & LVIS_SELECTED) EnableWindow(Item(IDC_BROWSER_DELETE), !SelectedRecords().empty());
    if ((changed & LVIS_FOCUSED) && change.iItem >= 0) {
        const RecordRef* ref = RefOf(change.iItem);
        anchor_ = ref ? *ref : RecordRef();
        EnableWindow(Item(IDC_BROWSER_EDIT), ref && (change.uNewState & LVIS_FOCUSED));
    }
    return 0;
}

const RecordRef* LogBrowserDialog::RefOf(int row) const {
    if (row < 0) return nullptr;
    const LPARAM position = list_.Value(row);
    if (position == -1) return nullptr;
    const auto found = std::find_if(shown_.begin(), shown_.end(),
                                    [position](const RecordRef& ref) { return ref.position == position; });
    return found == shown_.end() ? nullptr : &*found;
}

CalendarDate LogBrowserDialog::InsertDay() const {
    const int row = list_.FocusedRow();
    if (row >= 0 && !RefOf(row) && row < static_cast<int>(rowDays_.size()) && rowDays_[row] > 0)
        return CalendarDate::Of(year_, month_, rowDays_[row]);
    return CalendarDate::Of(year_, month_,
                            FirstWorkingDay(year_, month_, MakeYearInfo(year_), app_.specialDays().entries()));
}

// Read from the list itself rather than kept beside it, so the selection
// cannot drift from what the user sees.
std::vector<RecordRef> LogBrowserDialog::SelectedRecords() const {
    std::vector<RecordRef> records;
    for (const int row : list_.SelectedRows())
        if (const RecordRef* ref = RefOf(row)) records.push_back(*ref);
    return records;
}

// All in one rewrite: a failure leaves every selected record in the log.
// The question names the records, as a selection may reach rows out of view.
// A deletion that is done shows the month anew as every change does.
void LogBrowserDialog::DeleteSelected() {
    const std::vector<RecordRef> records = SelectedRecords();
    if (records.empty()) return;
    const std::string lines = RecordLines(records, RecordNames::Load(host()));
    const std::string question = records.size() == 1
                                     ? win::FormatText(IDS_DELETE_ONE_RECORD, lines.c_str())
                                     : win::FormatText(IDS_DELETE_RECORDS, static_cast<int>(records.size()), lines.c_str());
    if (win::ShowMessageBox(Handle(), question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const EditResult deleted = DeleteRecords(host(), records);
    win::ShowOutcome(deleted.outcome);
    if (deleted == EditResult::Changed) ShowChangedElsewhere();
}

void LogBrowserDialog::Edit(EntryEditMode mode) {
    const bool recordFocused = IsWindowEnabled(Item(IDC_BROWSER_EDIT));
    if (recordFocused) EditEntry(*this, mode);
    else if (mode == EntryEditMode::Insert && IsWindowEnabled(Item(IDC_BROWSER_INSERT))) InsertEntryOnDay(*this, InsertDay());
}

}  // namespace horalo
