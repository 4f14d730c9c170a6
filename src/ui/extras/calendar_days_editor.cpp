#include "ui/extras/calendar_days_editor.h"

#include <limits>

#include "core/calendar_days/calendar_entry_file.h"
#include "core/text/format_text.h"
#include "core/text/string_list.h"
#include "resource_ids.h"
#include "win/data_exchange.h"
#include "win/message_box.h"
#include "win/resources.h"
#include "win/window_text.h"

namespace horalo {
namespace {

// What the user may type into the name and the second text.
constexpr WPARAM kTypedTextLimit = 128;

int Selection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

std::string ItemText(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void AddItem(HWND combo, const std::string& text) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetCheck(HWND box, bool checked) {
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

SpecialEntriesEditor::SpecialEntriesEditor(AppServices& app) : Dialog(IDD_SPECIAL_EDITOR), app_(app) {}

bool SpecialEntriesEditor::OnInitDialog() {
    selected_ = -1;
    HWND names = Item(IDC_SPECIAL_NAME);
    SendMessageA(names, CB_LIMITTEXT, kTypedTextLimit, 0);
    SendMessageA(Item(IDC_SPECIAL_TEXT), EM_LIMITTEXT, kTypedTextLimit, 0);
    FillChoices();

    SpecialEntry entry;
    std::optional<SpecialEntry> first;
    for (int code = kFirstEntry; EditSpecialEntries(entry, Entries(), code) == kSpecialEditDone; code = kNextEntry) {
        AddItem(names, entry.name.value_or(""));
        if (!first) first = entry;
    }
    if (first) SendMessageA(names, CB_SETCURSEL, 0, 0);
    Show(first.value_or(SpecialEntry{}));

    // Enter after typing a name stores the entry; with Close as the default
    // it would close the dialog and drop what was typed. Close stays a click
    // or Escape away.
    SendMessageA(Handle(), DM_SETDEFID, IDC_SPECIAL_STORE, 0);

    OnCommandCode(IDC_SPECIAL_NAME, CBN_SELCHANGE, [this] { NameSelected(); });
    OnCommand(IDC_SPECIAL_WEEKDAY_RULE, [this] { EnableWeekdayRule(Checked(Item(IDC_SPECIAL_WEEKDAY_RULE))); });
    OnCommand(IDC_SPECIAL_STORE, [this] { Store(); });
    OnCommand(IDC_SPECIAL_DELETE, [this] { Delete(); });
    return true;
}

void SpecialEntriesEditor::FillChoices() {
    HWND months = Item(IDC_SPECIAL_MONTH);
    for (const std::string& name : SplitStringResource(app_.host(), IDS_MONTH_NAMES)) AddItem(months, name);
    // The names start with Sunday; the entries count from Monday.
    StringList weekdays = SplitStringResource(app_.host(), IDS_WEEKDAY_NAMES);
    weekdays.resize(7);
    HWND list = Item(IDC_SPECIAL_WEEKDAY);
    for (int day = 1; day <= 7; ++day) AddItem(list, weekdays[day % 7]);
}

void SpecialEntriesEditor::NameSelected() {
    HWND names = Item(IDC_SPECIAL_NAME);
    selected_ = Selection(names);
    // The edit part still holds the old text while the selection changes.
    SpecialEntry entry;
    entry.name = ItemText(names, selected_);
    if (entry.name->empty()) return;
    if (EditSpecialEntries(entry, Entries(), kFindByName) == kSpecialEditDone) Show(entry);
}

void SpecialEntriesEditor::Store() {
    const std::optional<SpecialEntry> entry = ReadForm();
    if (!entry) return;
    SpecialEntry copy = *entry;
    const int result = EditSpecialEntries(copy, Entries(), kAddOrReplace);
    changed_ = true;
    if (result == kSpecialEditDone) AddItem(Item(IDC_SPECIAL_NAME), *entry->name);
}

void SpecialEntriesEditor::Delete() {
    if (selected_ == -1) return;
    SpecialEntry entry;
    entry.name = ReadText(IDC_SPECIAL_NAME);
    if (entry.name->empty()) return;
    if (EditSpecialEntries(entry, Entries(), kDeleteByName) != kSpecialEditDone) return;
    changed_ = true;
    // The name may have been typed after the selection: the item to go is
    // the first with the deleted name, as the deleted entry was the first
    // with it in the list, and the box lists the entries in list order.
    HWND names = Item(IDC_SPECIAL_NAME);
    const int count = static_cast<int>(SendMessageA(names, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        if (ItemText(names, index) != *entry.name) continue;
        SendMessageA(names, CB_DELETESTRING, index, 0);
        break;
    }
}

void SpecialEntriesEditor::OnOK() { Close(IDOK); }

void SpecialEntriesEditor::OnCancel() { Close(IDCANCEL); }

// A failed save is told here; the old file stays whole then, and the
// program's end tries again with the same list.
void SpecialEntriesEditor::Close(INT_PTR result) {
    if (changed_) {
        changed_ = false;  // a second close while the message is up saves no more
        win::ShowOutcome(app_.specialDays().SaveNow());
    }
    EndDialog(result);
}

void SpecialEntriesEditor::Show(const SpecialEntry& entry) {
    SetWindowTextA(Item(IDC_SPECIAL_TEXT), entry.secondText.value_or("").c_str());
    // An index out of range clears the selection, as no month fits.
    SendMessageA(Item(IDC_SPECIAL_MONTH), CB_SETCURSEL, static_cast<WPARAM>(entry.month), 0);
    SendMessageA(Item(IDC_SPECIAL_WEEKDAY), CB_SETCURSEL, static_cast<WPARAM>(entry.weekday), 0);
    SetCheck(Item(IDC_SPECIAL_EASTER), entry.easter);
    SetCheck(Item(IDC_SPECIAL_WEEKDAY_RULE), entry.weekdayRule);
    SetCheck(Item(IDC_SPECIAL_EXTRA), entry.extra);
    SetCheck(Item(IDC_SPECIAL_HOLIDAY), entry.holiday);
    SetWindowTextA(Item(IDC_SPECIAL_DAY), std::to_string(entry.day).c_str());
    SetWindowTextA(Item(IDC_SPECIAL_OFFSET), std::to_string(entry.offset).c_str());
    SetWindowTextA(Item(IDC_SPECIAL_ORDINAL), std::to_string(entry.ordinal).c_str());
    EnableWeekdayRule(entry.weekdayRule);
}

std::optional<SpecialEntry> SpecialEntriesEditor::ReadForm() {
    SpecialEntry entry;
    entry.name = ReadText(IDC_SPECIAL_NAME);
    if (entry.name->empty()) return std::nullopt;
    if (std::string text = ReadText(IDC_SPECIAL_TEXT); !text.empty()) entry.secondText = std::move(text);
    entry.month = Selection(Item(IDC_SPECIAL_MONTH));
    entry.weekday = Selection(Item(IDC_SPECIAL_WEEKDAY));
    entry.easter = Checked(Item(IDC_SPECIAL_EASTER));
    entry.weekdayRule = Checked(Item(IDC_SPECIAL_WEEKDAY_RULE));
    entry.extra = Checked(Item(IDC_SPECIAL_EXTRA));
    entry.holiday = Checked(Item(IDC_SPECIAL_HOLIDAY));
    if (!ReadNumber(IDC_SPECIAL_DAY, entry.day) || !ReadNumber(IDC_SPECIAL_OFFSET, entry.offset)) return std::nullopt;
    // The day is computed from the ordinal alone, so with the rule unticked a
    // greyed ordinal left in the form would still move the day: it is stored
    // as 0. The weekday does nothing without an ordinal and is kept, ready
    // for when the rule is ticked again.
    if (entry.weekdayRule && !ReadNumber(IDC_SPECIAL_ORDINAL, entry.ordinal)) return std::nullopt;
    return entry;
}

// A number that does not fit its 16-bit field is refused rather than
// stored wrapped round or as 0.
bool SpecialEntriesEditor::ReadNumber(int id, std::int16_t& value) {
    win::DataExchange dx(*this, true);
    std::int32_t number = 0;
    dx.SignedNumber(id, number, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    if (dx.Failed()) return false;
    value = static_cast<std::int16_t>(number);
    return true;
}

// Never longer than horalo.spc can hold: a longer text set by other means
// than typing would make every later save of the file fail.
std::string SpecialEntriesEditor::ReadText(int id) const {
    std::string text = win::WindowText(Item(id));
    if (text.size() > kMaxSpecialTextLength) text.resize(kMaxSpecialTextLength);
    return text;
}

void SpecialEntriesEditor::EnableWeekdayRule(bool enable) {
    EnableWindow(Item(IDC_SPECIAL_WEEKDAY), enable);
    EnableWindow(Item(IDC_SPECIAL_ORDINAL), enable);
}

}  // namespace horalo
