// The monthly list over a prepared log: its rows, the values dialog it runs
// for new and changed months, and what both leave in the log.
#include <gtest/gtest.h>

#include <tuple>

#include "core/io/file_layer.h"
#include "modal_script.h"
#include "preview_fixture.h"
#include "ui/browser/monthly_list_dialog.h"
#include "win/list_view.h"
#include "win/win32_file_layer.h"

namespace horalo::test {
namespace {

using Month = std::tuple<TimeValue, int, int>;  // key, hours deducted, carried balance

// What the user types into the values dialog; month -1 leaves the picker.
struct Typed {
    int year = 0, month = -1;
    const char *deducted = "20", *hours = "0", *minutes = "0";
};

LogRecord MonthRecord(int year, int month, int deducted, int carried) {
    return LogRecord::Month(MonthKey(year, month), deducted, carried);
}

// Types (the hours key by key, so the edit's character filter has its say)
// and confirms.
void Type(HWND dialog, const Typed& typed) {
    if (typed.month >= 0) {
        SYSTEMTIME first{};
        first.wYear = static_cast<WORD>(typed.year);
        first.wMonth = static_cast<WORD>(typed.month + 1);
        first.wDay = 1;
        SendDlgItemMessageA(dialog, IDC_VALUES_MONTH, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&first));
    }
    SetDlgItemTextA(dialog, IDC_HOURS_DEDUCTED, typed.deducted);
    SetDlgItemTextA(dialog, IDC_CARRIED_HOURS, "");
    for (const char* key = typed.hours; *key; ++key) SendDlgItemMessageA(dialog, IDC_CARRIED_HOURS, WM_CHAR, *key, 0);
    SetDlgItemTextA(dialog, IDC_CARRIED_MINUTES, typed.minutes);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Fails the nth replace of a file and every one after it.
class FailingReplace : public win::Win32FileLayer {
public:
    explicit FailingReplace(int nth) : nth_(nth) {}
    ReplaceOutcome Replace(const std::string& from, const std::string& to) override {
        return ++count_ >= nth_ ? ReplaceOutcome::Failed : win::Win32FileLayer::Replace(from, to);
    }

private:
    int nth_, count_ = 0;
};

}  // namespace

class MonthlyListTest : public PreviewTest {
protected:
    win::ListView& Open() {
        auto* dialog = new MonthlyListDialog(*app_);
        EXPECT_TRUE(dialog->CreateModeless());
        window_ = dialog->Handle();
        ShowWindow(window_, SW_SHOW);
        list_ = win::ListView(GetDlgItem(window_, IDC_MONTH_LIST));
        return list_;
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < list_.Count(); ++row)
            rows.push_back(list_.Text(row, 0) + " " + list_.Text(row, 1) + " " + list_.Text(row, 2));
        return rows;
    }
    std::vector<Month> Months() const {
        std::vector<Month> months;
        for (const auto& entry : MonthRecords()) months.emplace_back(entry.monthKey, entry.hoursDeducted, entry.carriedBalance);
        return months;
    }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(window_, id)); }

    // Runs the action; the values dialog it opens gets `typed`.
    void WithValues(const Typed& typed, const std::function<void()>& action) {
        ModalScript script(IDC_VALUES_MONTH, [&](HWND dialog) { Type(dialog, typed); });
        action();
        EXPECT_TRUE(script.Ran());
        EXPECT_FALSE(script.Rescued());
    }

    win::ListView list_;
};

TEST_F(MonthlyListTest, RowsShowEveryMonthInOrderWithItsSignedBalance) {
    WriteLog({MonthRecord(2001, 3, 5, -30), MonthRecord(2001, 0, 10, 1205), MonthRecord(2001, 2, 20, -130),
              MonthRecord(2001, 1, 0, 7)});
    Open();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"01.2001 12:05 10", "02.2001 0:07 0", "03.2001 -1:30 20",
                                                "04.2001 -0:30 5"}));
    EXPECT_FALSE(Enabled(IDC_MONTH_CHANGE) || Enabled(IDC_MONTH_REMOVE));
    list_.Select(2, true);
    EXPECT_TRUE(Enabled(IDC_MONTH_CHANGE) && Enabled(IDC_MONTH_REMOVE));

    // What a change starts from: the sign on the hours, the minutes plain.
    std::string loaded;
    ModalScript script(IDC_VALUES_MONTH, [&](HWND dialog) {
        SYSTEMTIME month{};
        SendDlgItemMessageA(dialog, IDC_VALUES_MONTH, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&month));
        loaded = std::to_string(month.wMonth) + "." + std::to_string(month.wYear) + " " +
                 win::test::TextOf(GetDlgItem(dialog, IDC_CARRIED_HOURS)) + " " +
                 win::test::TextOf(GetDlgItem(dialog, IDC_CARRIED_MINUTES)) + " " +
                 win::test::TextOf(GetDlgItem(dialog, IDC_HOURS_DEDUCTED));
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Command(IDC_MONTH_CHANGE);
    EXPECT_EQ(loaded, "3.2001 -1 30 20");
    EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(MonthlyListTest, NewStoresThePresentMonthInFrontOrInPlaceOfItsRecord) {
    const std::vector<LogRecord> day = Day(2024, 2, 4, 8, 17);
    const struct {
        std::vector<LogRecord> monthRecords;
        std::vector<std::string> rows;
    } cases[] = {
        {{}, {"03.2024 0:00 0"}},
        {{MonthRecord(2024, 1, 1, 100), MonthRecord(2024, 2, 3, 500)}, {"02.2024 1:00 1", "03.2024 0:00 0"}},
    };
    for (const auto& c : cases) {
        std::vector<LogRecord> log = c.monthRecords;
        log.insert(log.end(), day.begin(), day.end());
        WriteLog(log);
        Open();
        // OK on what New proposes: nothing carried, nothing deducted.
        std::string proposed;
        ModalScript script(IDC_VALUES_MONTH, [&](HWND dialog) {
            proposed = win::test::TextOf(GetDlgItem(dialog, IDC_CARRIED_HOURS)) + " " +
                       win::test::TextOf(GetDlgItem(dialog, IDC_CARRIED_MINUTES)) + " " +
                       win::test::TextOf(GetDlgItem(dialog, IDC_HOURS_DEDUCTED));
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(IDC_MONTH_NEW);
        EXPECT_EQ(proposed, "0 0 0");
        EXPECT_EQ(Rows(), c.rows);
        std::vector<LogRecord> expected = log;
        if (c.monthRecords.empty()) expected.insert(expected.begin(), MonthRecord(2024, 2, 0, 0));
        else expected[1] = MonthRecord(2024, 2, 0, 0);
        EXPECT_EQ(Records(), expected);
        DestroyWindow(window_);
    }
}

TEST_F(MonthlyListTest, ChangeMovesTheValuesToTheTypedMonthInOneRewrite) {
    const TimeValue january = MonthKey(2001, 0), march = MonthKey(2001, 2), april = MonthKey(2001, 3);
    const struct {
        const char* how;
        Typed typed;
        int failingReplace;  // 0: none
        std::vector<std::string> rows;
        std::vector<Month> months;
    } cases[] = {
        {"button", {2001, 3, "12", "-7", "45"}, 0, {"01.2001 1:00 1", "04.2001 -7:45 12"},
         {{january, 1, 100}, {april, 12, -745}}},
        {"double click", {2001, 2, "0", "3", "0"}, 0, {"01.2001 1:00 1", "03.2001 3:00 0", "04.2001 4:00 4"},
         {{january, 1, 100}, {march, 0, 300}, {april, 4, 400}}},
        {"Enter", {2001, 3, "12", "7", "45"}, 2, {"01.2001 1:00 1", "04.2001 7:45 12"},
         {{january, 1, 100}, {april, 12, 745}}},
        // A failed rewrite leaves the log whole, and the list shows it so.
        {"button", {2001, 3, "12", "7", "45"}, 1, {"01.2001 1:00 1", "03.2001 3:00 3", "04.2001 4:00 4"},
         {{january, 1, 100}, {march, 3, 300}, {april, 4, 400}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        WriteLog({MonthRecord(2001, 3, 4, 400), MonthRecord(2001, 2, 3, 300), MonthRecord(2001, 0, 1, 100)});
        Open().Select(1, true);
        FailingReplace failing(c.failingReplace ? c.failingReplace : 1'000);
        ScopedFileLayer layer(failing);
        WithValues(c.typed, [&] {
            if (c.how == std::string("button")) return Command(IDC_MONTH_CHANGE);
            HWND list = list_.Handle();
            if (c.how == std::string("double click")) {
                RECT row{LVIR_BOUNDS, 0, 0, 0};
                SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
                SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2));
                return;
            }
            SetFocus(list);
            MSG enter{list, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
            IsDialogMessageA(window_, &enter);
        });
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(Months(), c.months);
        EXPECT_TRUE(IsWindow(window_));
        DestroyWindow(window_);
    }
}

TEST_F(MonthlyListTest, RemoveTakesEffectAtOnceWithoutAQuestion) {
    for (const bool byKey : {false, true}) {
        WriteLog({MonthRecord(2001, 2, 3, 300), MonthRecord(2001, 3, 4, 400)});
        Open().Select(0, true);
        if (byKey) SendMessageA(list_.Handle(), WM_KEYDOWN, VK_DELETE, 0);
        else Command(IDC_MONTH_REMOVE);
        EXPECT_EQ(Rows(), std::vector<std::string>{"04.2001 4:00 4"});
        EXPECT_EQ(Months(), (std::vector<Month>{{MonthKey(2001, 3), 4, 400}}));
        EXPECT_TRUE(shown_.empty());
        DestroyWindow(window_);
    }
}

TEST_F(MonthlyListTest, ValuesDialogRefusesValuesOutOfBoundsAndStaysOpen) {
    const struct {
        Typed typed;
        int field;  // 0: taken
        const char* message;
        int carried = 0, deducted = 0;
    } cases[] = {
        {{0, -1, "101"}, IDC_HOURS_DEDUCTED, "Please enter a number from 0 to 100."},
        {{0, -1, "20", "1001"}, IDC_CARRIED_HOURS, "Please enter a number from -1000 to 1000."},
        {{0, -1, "20", "-1001"}, IDC_CARRIED_HOURS, "Please enter a number from -1000 to 1000."},
        {{0, -1, "20", "-"}, IDC_CARRIED_HOURS, "Please enter a whole number."},
        {{0, -1, "20", "5", "60"}, IDC_CARRIED_MINUTES, "Please enter a number from 0 to 59."},
        {{0, -1, "100", "1000", "59"}, 0, "", 100'059, 100},
        {{0, -1, "0", "-1000", "0"}, 0, "", -100'000, 0},
        {{0, -1, "0", "-0", "30"}, 0, "", -30, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed.deducted) + " " + c.typed.hours + " " + c.typed.minutes);
        WriteLog(Day(2024, 2, 4, 8, 17));
        Open();
        shown_.clear();
        bool open = false, focused = false;
        ModalScript script(IDC_VALUES_MONTH, [&](HWND dialog) {
            Type(dialog, c.typed);
            open = IsWindowVisible(dialog);
            focused = GetFocus() == GetDlgItem(dialog, c.field);
            if (open) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        Command(IDC_MONTH_NEW);
        ASSERT_TRUE(script.Ran());
        EXPECT_EQ(open, c.field != 0);
        EXPECT_EQ(focused, c.field != 0);
        EXPECT_EQ(shown_.size(), c.field ? 1u : 0u);
        if (!shown_.empty()) {
            EXPECT_EQ(shown_[0].text, c.message);
        }
        const std::vector<Month> stored{{MonthKey(2024, 2), c.deducted, c.carried}};
        EXPECT_EQ(Months(), c.field ? std::vector<Month>{} : stored);
        DestroyWindow(window_);
    }
}

}  // namespace horalo::test
