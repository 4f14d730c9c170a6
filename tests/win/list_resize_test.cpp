// The time log and the monthly list as resizable windows: the controls
// follow their edges, the last column takes the width the others leave, and
// each window opens where it was last closed, brought onto the screen.
#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "app/window_place_store.h"
#include "browser_fixture.h"
#include "ui/browser/monthly_list_dialog.h"

namespace horalo::test {
namespace {

using Edges = std::array<LONG, 4>;

Edges EdgesOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
Edges WindowEdges(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return EdgesOf(rect);
}
// A control's rectangle in its dialog's client coordinates.
Edges ControlEdges(HWND dialog, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return EdgesOf(rect);
}
RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}
void KeepRaw(WindowId window, const std::vector<std::uint8_t>& bytes) {
    WriteRegistryValue(WindowPlaceValue(window), bytes.data(), static_cast<DWORD>(bytes.size()), false);
}
void Keep(WindowId window, const WindowPlace& place) {
    const WindowPlaceBytes bytes = EncodeWindowPlace(place);
    KeepRaw(window, {bytes.begin(), bytes.end()});
}
WindowPlace PlaceAt(LONG left, LONG top, LONG width, LONG height) {
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width), static_cast<int>(top + height)};
}

}  // namespace

TEST_F(LogBrowserTest, TwiceTheSizeGoesToTheListButtonsFollowTheirEdgesAndTheRemarkTakesTheWidth) {
    WriteLog(Day(2024, 2, 5, 8, 17));
    now_ = LocalAt(2024, 2, 20, 12, 0);
    OpenBrowser();
    const LONG style = GetWindowLongA(browser_, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), WS_THICKFRAME | WS_MAXIMIZEBOX);
    const Edges window = WindowEdges(browser_);
    RECT client;
    GetClientRect(browser_, &client);
    // Which edges of each control move with the right and bottom edges.
    struct Follows {
        int id;
        int left, top, right, bottom;
    };
    const Follows follows[] = {
        {IDC_PREV_YEAR, 0, 0, 0, 0},       {IDC_PREV_MONTH, 0, 0, 0, 0},      {IDC_NEXT_MONTH, 1, 0, 1, 0},
        {IDC_NEXT_YEAR, 1, 0, 1, 0},       {IDC_BROWSER_LIST, 0, 0, 1, 1},    {IDC_BROWSER_INSERT, 0, 1, 0, 1},
        {IDC_BROWSER_EDIT, 0, 1, 0, 1},    {IDC_BROWSER_DELETE, 0, 1, 0, 1},  {IDC_BROWSER_PREVIEW, 0, 1, 0, 1},
        {IDC_BROWSER_RESTORE, 0, 1, 0, 1}, {IDOK, 1, 1, 1, 1},
    };
    std::vector<Edges> before;
    for (const Follows& control : follows) before.push_back(ControlEdges(browser_, control.id));
    std::vector<int> widths;
    for (int column = 0; column < kRowColumns; ++column) widths.push_back(ListView_GetColumnWidth(list_.Handle(), column));

    SetWindowPos(browser_, nullptr, 0, 0, 2 * (window[2] - window[0]), 2 * (window[3] - window[1]),
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT grown;
    GetClientRect(browser_, &grown);
    const LONG dx = grown.right - client.right, dy = grown.bottom - client.bottom;
    for (std::size_t i = 0; i < std::size(follows); ++i) {
        const Follows& f = follows[i];
        SCOPED_TRACE(f.id);
        const Edges& was = before[i];
        EXPECT_EQ(ControlEdges(browser_, f.id),
                  (Edges{was[0] + f.left * dx, was[1] + f.top * dy, was[2] + f.right * dx, was[3] + f.bottom * dy}));
    }
    RECT listClient;
    GetClientRect(list_.Handle(), &listClient);
    int sum = 0;
    for (int column = 0; column < kRowColumns; ++column) {
        const int width = ListView_GetColumnWidth(list_.Handle(), column);
        sum += width;
        if (column + 1 < kRowColumns) {
            EXPECT_EQ(width, widths[column]) << column;
        }
    }
    EXPECT_EQ(sum, listClient.right);
    EXPECT_GT(ListView_GetColumnWidth(list_.Handle(), kRowColumns - 1), widths.back() + dx / 2);

    // Never smaller than the template.
    SetWindowPos(browser_, nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER);
    const Edges shrunk = WindowEdges(browser_);
    EXPECT_EQ(shrunk[2] - shrunk[0], window[2] - window[0]);
    EXPECT_EQ(shrunk[3] - shrunk[1], window[3] - window[1]);
}

TEST_F(LogBrowserTest, PlaceAndMaximisedStateAreKeptAcrossCloseAndReopen) {
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised);
        OpenBrowser();
        const RECT work = WorkArea(browser_);
        const Edges fresh = WindowEdges(browser_);
        const Edges place = {work.left + 30, work.top + 20, work.left + 30 + fresh[2] - fresh[0] + 100,
                             work.top + 20 + fresh[3] - fresh[1] + 80};
        SetWindowPos(browser_, nullptr, place[0], place[1], place[2] - place[0], place[3] - place[1], SWP_NOZORDER);
        if (maximised) ShowWindow(browser_, SW_MAXIMIZE);
        DestroyWindow(browser_);

        OpenBrowser();
        EXPECT_EQ(IsZoomed(browser_) != FALSE, maximised);
        ShowWindow(browser_, SW_RESTORE);
        EXPECT_EQ(WindowEdges(browser_), place);
        DestroyWindow(browser_);
    }
}

TEST_F(LogBrowserTest, PlaceOffTheScreenComesBackOntoItNotSmallerThanTheTemplate) {
    OpenBrowser();
    const RECT work = WorkArea(browser_);
    const Edges fresh = WindowEdges(browser_);
    const LONG width = fresh[2] - fresh[0] + 40, height = fresh[3] - fresh[1] + 30;
    DestroyWindow(browser_);
    struct Case {
        const char* what;
        WindowPlace kept;
        Edges shown;
    };
    const Case cases[] = {
        {"right of the screen", PlaceAt(work.right + 2000, work.top + 10, width, height),
         {work.right - width, work.top + 10, work.right, work.top + 10 + height}},
        {"above and left of it", PlaceAt(work.left - 5000, work.top - 3000, width, height),
         {work.left, work.top, work.left + width, work.top + height}},
        {"larger than the screen", {work.left - 100, work.top - 50, work.right + 200, work.bottom + 150}, EdgesOf(work)},
        {"smaller than the template", PlaceAt(work.left + 10, work.top + 10, 50, 40),
         {work.left + 10, work.top + 10, work.left + 10 + fresh[2] - fresh[0], work.top + 10 + fresh[3] - fresh[1]}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Keep(WindowId::LogBrowser, c.kept);
        OpenBrowser();
        EXPECT_EQ(WindowEdges(browser_), c.shown);
        DestroyWindow(browser_);
    }
}

TEST_F(LogBrowserTest, KeptPlaceOfAnotherSizeOrVersionIsIgnored) {
    OpenBrowser();
    const Edges fresh = WindowEdges(browser_);
    DestroyWindow(browser_);
    const WindowPlace moved = PlaceAt(fresh[0] + 15, fresh[1] + 10, fresh[2] - fresh[0] + 20, fresh[3] - fresh[1] + 20);
    const WindowPlaceBytes good = EncodeWindowPlace(moved);
    std::vector<std::uint8_t> longer(good.begin(), good.end()), shorter = longer, version = longer, same = longer;
    longer.push_back(0);
    shorter.pop_back();
    version[0] = 2;
    const std::pair<std::vector<std::uint8_t>, Edges> cases[] = {
        {same, {moved.left, moved.top, moved.right, moved.bottom}}, {longer, fresh}, {shorter, fresh}, {version, fresh}};
    for (const auto& [bytes, shown] : cases) {
        SCOPED_TRACE(bytes.size());
        KeepRaw(WindowId::LogBrowser, bytes);
        OpenBrowser();
        EXPECT_EQ(WindowEdges(browser_), shown);
        DestroyWindow(browser_);
    }
}

// The monthly list keeps a place of its own, not the time log's.
TEST_F(LogBrowserTest, MonthlyListKeepsItsOwnPlaceAndItsListTakesTheRoom) {
    const auto open = [this] {
        auto* dialog = new MonthlyListDialog(*app_);
        EXPECT_TRUE(dialog->CreateModeless());
        return dialog->Handle();
    };
    HWND monthly = open();
    const Edges fresh = WindowEdges(monthly);
    const Edges list = ControlEdges(monthly, IDC_MONTH_LIST);
    SetWindowPos(monthly, nullptr, 0, 0, fresh[2] - fresh[0] + 60, fresh[3] - fresh[1] + 40, SWP_NOMOVE | SWP_NOZORDER);
    const Edges grown = WindowEdges(monthly);
    EXPECT_EQ(ControlEdges(monthly, IDC_MONTH_LIST), (Edges{list[0], list[1], list[2] + 60, list[3] + 40}));
    DestroyWindow(monthly);
    EXPECT_FALSE(ReadRawValue(kProgramKey, WindowPlaceValue(WindowId::LogBrowser)));

    monthly = open();
    EXPECT_EQ(WindowEdges(monthly), grown);
    DestroyWindow(monthly);
}

}  // namespace horalo::test
