// The calendar view over the installed special days: every cell of a month
// with its number and colours against <chrono>, the moves by click, button
// and key with the day kept, the list of the selected day, ISO weeks, and
// the one view the application keeps.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/calendar/month_grid.h"
#include "dialog_fixture.h"
#include "main_dialog_fixture.h"
#include "win/message_loop.h"

namespace horalo::test {
namespace {

namespace chr = std::chrono;

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = 0, kGrey = RGB(127, 127, 127), kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0), kYellow = RGB(255, 255, 0);
constexpr UINT kCtrl = 0x10000;  // with a key: Ctrl held

// The first cell of a month's grid (month 0 to 11): the Monday on or before the 1st.
chr::sys_days GridStart(int year, int month) {
    const chr::sys_days first{chr::year{year} / chr::month{static_cast<unsigned>(month + 1)} / 1};
    return first - chr::days{chr::weekday{first}.iso_encoding() - 1};
}

struct Colours {
    COLORREF back, text, brush;
    bool operator==(const Colours&) const = default;
    friend void PrintTo(const Colours& c, std::ostream* out) {
        *out << std::hex << "back " << c.back << ", text " << c.text << ", brush " << c.brush;
    }
};

class CalendarTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_EQ(app_->specialDays().Load(), std::nullopt);
    }
    void TearDown() override {
        for (HWND view : Views()) DestroyWindow(view);
        MainDialogTest::TearDown();
    }

    static std::vector<HWND> Views() {
        std::vector<HWND> views;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) -> BOOL {
                if (GetDlgItem(window, IDC_CAL_FIRST_CELL)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&views));
        return views;
    }

    // Opens the view on the day (month 0 to 11), the previous one closed.
    void OpenOn(int year, int month, int day) {
        if (IsWindow(view_)) DestroyWindow(view_);
        now_ = LocalAt(year, month, day, 12);
        app_->OpenCalendar();
        const auto views = Views();
        ASSERT_EQ(views.size(), 1u);
        view_ = views[0];
    }

    HWND Item(int id) const { return GetDlgItem(view_, id); }
    std::string Text(int id) const { return win::test::TextOf(Item(id)); }
    std::string Shown() const { return Text(IDC_CAL_MONTH) + " " + Text(IDC_CAL_YEAR); }
    // The cells report a press of the mouse button themselves.
    void Click(int id) {
        if (id >= IDC_CAL_FIRST_CELL) {
            SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(Item(id), WM_LBUTTONUP, 0, 0);
        } else {
            SendMessageA(Item(id), BM_CLICK, 0, 0);
        }
    }
    // A key pressed in the control, through the program's loop.
    void Press(int control, UINT key) {
        SetForegroundWindow(view_);
        SetFocus(Item(control));
        BYTE keys[256] = {};
        keys[VK_CONTROL] = (key & kCtrl) ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG down{GetFocus(), WM_KEYDOWN, key & 0xFFFF, 0, 0, {}};
        if (!win::PreTranslate(down)) DispatchMessageA(&down);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }

    Colours ColoursOf(int cell) const {
        HDC dc = CreateCompatibleDC(nullptr);
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(view_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(Item(IDC_CAL_FIRST_CELL + cell))));
        LOGBRUSH fill{};
        const Colours colours{GetBkColor(dc), GetTextColor(dc), GetObjectA(brush, sizeof fill, &fill) ? fill.lbColor : CLR_INVALID};
        DeleteDC(dc);
        return colours;
    }
    // The number of the one white cell, 0 when none is white.
    int SelectedDay() const {
        int selected = 0;
        for (int n = 0; n < kGridCells; ++n) {
            if (ColoursOf(n).back != kWhite) continue;
            EXPECT_EQ(selected, 0) << "a second white cell, " << n;
            selected = std::stoi(Text(IDC_CAL_FIRST_CELL + n));
        }
        return selected;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> lines(SendMessageA(Item(IDC_CAL_ENTRIES), LB_GETCOUNT, 0, 0));
        char line[256];
        for (std::size_t i = 0; i < lines.size(); ++i)
            lines[i].assign(line, SendMessageA(Item(IDC_CAL_ENTRIES), LB_GETTEXT, i, reinterpret_cast<LPARAM>(line)));
        return lines;
    }

    HWND view_ = nullptr;
};

// Each cell against <chrono>: its number, and its colours from whether its
// day is of the month, selected, a holiday or marked of the installed days
// (dates worked out by hand), or a weekend day.
TEST_F(CalendarTest, EveryCellShowsItsDayInTheColoursOfItsKind) {
    struct Case {
        int year, month, selected;
        std::set<int> holidays, marked;
    };
    const Case cases[] = {
        {2001, 1, 15, {}, {27}},         // 1st a Thursday; Shrove Tuesday
        {2009, 2, 10, {}, {29}},         // 1st a Sunday: six days of February
        {2010, 1, 1, {}, {16}},          // 1st a Monday: two weeks of March
        {2020, 1, 29, {}, {25}},         // leap day selected
        {2026, 3, 6, {3}, {5}},          // Easter: Easter Monday selected is white
        {2026, 11, 25, {26}, {24, 31}},  // Christmas Day selected
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month + 1));
        OpenOn(c.year, c.month, c.selected);
        for (int n = 0; n < kGridCells; ++n) {
            const chr::sys_days date = GridStart(c.year, c.month) + chr::days{n};
            const chr::year_month_day ymd{date};
            const int day = static_cast<int>(static_cast<unsigned>(ymd.day()));
            ASSERT_EQ(Text(IDC_CAL_FIRST_CELL + n), std::to_string(day)) << "cell " << n;
            Colours expected{kGrey, kBlack, kGrey};
            if (ymd.month() != chr::month{static_cast<unsigned>(c.month + 1)}) expected = {face, GetSysColor(COLOR_BTNTEXT), face};
            else if (day == c.selected) expected = {kWhite, kBlack, kWhite};
            else if (c.holidays.count(day)) expected = {kRed, kBlack, kRed};
            else if (c.marked.count(day)) expected = {kYellow, kBlack, kYellow};
            if (chr::weekday{date}.iso_encoding() >= 6) expected.text = kGreen;
            EXPECT_EQ(ColoursOf(n), expected) << "cell " << n << ", day " << day;
        }
    }
}

// A click on a cell of the month before or after goes there with that day
// selected; buttons and keys keep the day, and where the month is too
// short for it no cell is white. Keys work wherever the focus is.
TEST_F(CalendarTest, ClicksButtonsAndKeysMoveWithTheDayKept) {
    struct Case {
        int year, month, day, control;
        std::vector<UINT> keys;  // none: a click on the control
        const char* shown;
        int selected;
    };
    constexpr int kCell = IDC_CAL_FIRST_CELL;
    const Case cases[] = {
        {2001, 1, 15, kCell + 1, {}, "January 2001", 30},
        {2009, 2, 10, kCell + 0, {}, "February 2009", 23},
        {2026, 0, 20, kCell + 0, {}, "December 2025", 29},
        {2026, 11, 1, kCell + 41, {}, "January 2027", 10},
        {2010, 1, 1, kCell + 28, {}, "March 2010", 1},
        {2001, 1, 15, kCell + 20, {}, "February 2001", 18},
        {2026, 2, 31, IDC_CAL_NEXT_MONTH, {}, "April 2026", 0},
        {2026, 4, 31, IDC_CAL_PREV_MONTH, {}, "April 2026", 0},
        {2024, 1, 29, IDC_CAL_NEXT_YEAR, {}, "February 2025", 0},
        {2028, 1, 29, IDC_CAL_PREV_YEAR, {}, "February 2027", 0},
        {2026, 0, 6, IDC_CAL_PREV_MONTH, {}, "December 2025", 6},
        {2026, 11, 25, IDC_CAL_NEXT_MONTH, {}, "January 2027", 25},
        {2026, 2, 1, IDCANCEL, {VK_LEFT}, "February 2026", 28},
        {2026, 11, 31, IDC_CAL_ENTRIES, {VK_RIGHT}, "January 2027", 1},
        {2026, 2, 3, IDC_CAL_PREV_YEAR, {VK_UP}, "February 2026", 24},
        {2026, 1, 28, IDC_CAL_ON_TOP, {VK_DOWN}, "March 2026", 7},
        {2026, 0, 15, IDCANCEL, {VK_PRIOR}, "December 2025", 15},
        {2026, 2, 31, IDC_CAL_ENTRIES, {VK_NEXT, VK_NEXT}, "May 2026", 31},
        {2026, 2, 31, IDCANCEL, {VK_NEXT, VK_RIGHT}, "May 2026", 2},
        {2026, 2, 31, IDCANCEL, {VK_NEXT, VK_LEFT}, "April 2026", 30},
        {2024, 1, 29, IDC_CAL_NEXT_MONTH, {VK_NEXT | kCtrl}, "February 2025", 0},
        {2026, 5, 10, IDCANCEL, {VK_PRIOR | kCtrl}, "June 2025", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.shown) + " from " + std::to_string(c.day));
        OpenOn(c.year, c.month, c.day);
        if (c.keys.empty()) Click(c.control);
        for (const UINT key : c.keys) Press(c.control, key);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(SelectedDay(), c.selected);
    }
}

// Names and second texts in list order, also for the day after the month's
// last; the first entry of a day gives its colour.
TEST_F(CalendarTest, TheListShowsTheSelectedDaysEntries) {
    const auto inApril = [this](int day, bool holiday, std::optional<std::string> name, std::string second) {
        SpecialEntry entry;
        entry.day = static_cast<std::int16_t>(day);
        entry.month = 3;
        entry.holiday = holiday;
        entry.name = std::move(name);
        entry.secondText = std::move(second);
        app_->specialDays().entries().Append(entry);
    };
    inApril(5, true, "Team outing", "Lake");
    inApril(7, false, std::nullopt, "Only a note");
    const struct {
        int month, day;
        std::vector<std::string> entries;
    } cases[] = {
        {2, 29, {"Summer time begins", "Clocks go forward"}},
        {3, 5, {"Easter Sunday", "Team outing", "Lake"}},
        {3, 7, {"Only a note"}},
        {3, 8, {}},
        {4, 1, {"Labour Day"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        OpenOn(2026, c.month, c.day);
        EXPECT_EQ(Entries(), c.entries);
    }
    OpenOn(2026, 2, 31);
    Click(IDC_CAL_NEXT_MONTH);
    EXPECT_EQ(Entries(), cases[4].entries) << "31 April is the day after 30 April";
    EXPECT_EQ(ColoursOf(6).back, kYellow) << "5 April: the marked Easter Sunday comes before the holiday";
    Click(IDC_CAL_FIRST_CELL + 6);
    EXPECT_EQ(Entries(), cases[1].entries);
}

// The ISO week of a row is the week of the year that holds its Thursday.
TEST_F(CalendarTest, WeekNumbersAreIsoWeeks) {
    for (const int year : {2004, 2005, 2009, 2010, 2015, 2020, 2021, 2026, 2027}) {
        OpenOn(year, 0, 15);
        for (int month = 0; month < 12; ++month, Click(IDC_CAL_NEXT_MONTH)) {
            for (int row = 0; row < kGridRows; ++row) {
                const chr::sys_days thursday = GridStart(year, month) + chr::days{7 * row + 3};
                const auto dayOfYear = (thursday - chr::sys_days{chr::year_month_day{thursday}.year() / 1 / 1}).count();
                EXPECT_EQ(Text(IDC_CAL_FIRST_WEEK + row), std::to_string(dayOfYear / 7 + 1))
                    << year << "-" << month + 1 << " row " << row;
            }
        }
    }
}

// Escape closes the view from the program's loop and from a modal
// dialog's own loop; the application then opens a new one.
TEST_F(CalendarTest, EscapeClosesTheViewAlsoWhileAModalDialogRuns) {
    OpenOn(2026, 3, 8);
    Press(IDC_CAL_ENTRIES, VK_ESCAPE);
    EXPECT_TRUE(Views().empty());

    OpenOn(2026, 3, 8);
    win::test::ExchangeDialog modal;
    bool posted = false;
    modal.script = [&](win::test::ExchangeDialog& dialog) {
        if (posted) return dialog.EndDialog(IDOK);
        posted = true;
        SetFocus(Item(IDC_CAL_ENTRIES));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(dialog.Handle(), win::test::kRunScript, 0, 0);
    };
    EXPECT_EQ(modal.RunModal(), IDOK);
    EXPECT_TRUE(Views().empty());
}

// One view at a time: opening again restores and raises it.
TEST_F(CalendarTest, OpeningAgainBringsTheOneViewToTheFront) {
    OpenOn(2026, 3, 8);
    ShowWindow(view_, SW_MINIMIZE);
    app_->OpenCalendar();
    EXPECT_EQ(Views(), std::vector<HWND>{view_});
    EXPECT_FALSE(IsIconic(view_));
    EXPECT_EQ(GetForegroundWindow(), view_);
}

}  // namespace
}  // namespace horalo::test
