// The time log and the monthly list as resizable windows: the controls
// follow their edges, the last column takes the width the others leave, and
// each window opens where it was last closed, brought onto the screen.
#include <gtest/gtest.h>

#include <array>

#include "app/window_place_store.h"
#include "browser_fixture.h"
#include "modal_script.h"
#include "ui/browser/monthly_list_dialog.h"

namespace horalo::test {
namespace {

using Edges = std::array<LONG, 4>;
using Raw = std::vector<std::uint8_t>;

Edges WindowEdges(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}
// In the dialog's client coordinates.
Edges ControlEdges(HWND dialog, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}
RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}
Raw Encoded(LONG left, LONG top, LONG width, LONG height) {
    const WindowPlaceBytes bytes = EncodeWindowPlace(
        {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width), static_cast<int>(top + height)});
    return {bytes.begin(), bytes.end()};
}
void KeepRaw(const Raw& bytes) {
    WriteRegistryValue(WindowPlaceValue(WindowId::LogBrowser), bytes.data(), static_cast<DWORD>(bytes.size()), false);
}

}  // namespace

TEST_F(LogBrowserTest, TwiceTheSizeGoesToTheListButtonsFollowTheirEdgesAndTheRemarkTakesTheWidth) {
    WriteLog(Day(2024, 2, 5, 8, 17));
    now_ = LocalAt(2024, 2, 20, 12, 0);
    OpenBrowser();
    const Edges window = WindowEdges(browser_);
    RECT client, grown, listClient;
    GetClientRect(browser_, &client);
    // Which edges of a control move with the window's right and bottom edges.
    const std::pair<int, Edges> follows[] = {
        {IDC_PREV_YEAR, {0, 0, 0, 0}},       {IDC_PREV_MONTH, {0, 0, 0, 0}},     {IDC_NEXT_MONTH, {1, 0, 1, 0}},
        {IDC_NEXT_YEAR, {1, 0, 1, 0}},       {IDC_BROWSER_LIST, {0, 0, 1, 1}},   {IDC_BROWSER_INSERT, {0, 1, 0, 1}},
        {IDC_BROWSER_DELETE, {0, 1, 0, 1}},  {IDC_BROWSER_PREVIEW, {0, 1, 0, 1}}, {IDC_BROWSER_RESTORE, {0, 1, 0, 1}},
        {IDOK, {1, 1, 1, 1}},
    };
    std::vector<Edges> before;
    for (const auto& [id, moves] : follows) before.push_back(ControlEdges(browser_, id));
    std::vector<int> widths;
    for (int column = 0; column < kRowColumns; ++column) widths.push_back(ListView_GetColumnWidth(list_.Handle(), column));

    SetWindowPos(browser_, nullptr, 0, 0, 2 * (window[2] - window[0]), 2 * (window[3] - window[1]), SWP_NOMOVE);
    GetClientRect(browser_, &grown);
    const LONG dx = grown.right - client.right, dy = grown.bottom - client.bottom;
    for (std::size_t i = 0; i < std::size(follows); ++i) {
        const auto& [id, moves] = follows[i];
        SCOPED_TRACE(id);
        const Edges& was = before[i];
        EXPECT_EQ(ControlEdges(browser_, id),
                  (Edges{was[0] + moves[0] * dx, was[1] + moves[1] * dy, was[2] + moves[2] * dx, was[3] + moves[3] * dy}));
    }
    GetClientRect(list_.Handle(), &listClient);
    int sum = 0;
    for (int column = 0; column < kRowColumns; ++column) sum += ListView_GetColumnWidth(list_.Handle(), column);
    EXPECT_EQ(sum, listClient.right);
    EXPECT_EQ(ListView_GetColumnWidth(list_.Handle(), 0), widths[0]);
    EXPECT_GT(ListView_GetColumnWidth(list_.Handle(), kRowColumns - 1), widths.back() + dx / 2);

    SetWindowPos(browser_, nullptr, 0, 0, 100, 80, SWP_NOMOVE);
    EXPECT_EQ(WindowEdges(browser_), window) << "never smaller than the template";
}

TEST_F(LogBrowserTest, PlaceAndMaximisedStateAreKeptAcrossCloseAndReopen) {
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised);
        OpenBrowser();
        const RECT work = WorkArea(browser_);
        const Edges fresh = WindowEdges(browser_);
        const Edges place = {work.left + 30, work.top + 20, work.left + 130 + fresh[2] - fresh[0],
                             work.top + 100 + fresh[3] - fresh[1]};
        SetWindowPos(browser_, nullptr, place[0], place[1], place[2] - place[0], place[3] - place[1], SWP_NOZORDER);
        if (maximised) ShowWindow(browser_, SW_MAXIMIZE);
        DestroyWindow(browser_);

        OpenBrowser();
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
        EXPECT_EQ(IsZoomed(browser_) != FALSE, maximised);
        ShowWindow(browser_, SW_RESTORE);
        EXPECT_EQ(WindowEdges(browser_), place);
        if (maximised) ShowWindow(browser_, SW_MAXIMIZE);
        DestroyWindow(browser_);

        // As the main window opens it: modal, shown by the system once its
        // initialisation is over.
        bool zoomed = !maximised;
        ModalScript script(IDC_BROWSER_LIST, [&](HWND dialog) {
            zoomed = IsZoomed(dialog) != FALSE;
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        LogBrowserDialog(*app_).RunModal(nullptr);
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(zoomed, maximised) << "run modally";
    }
}

TEST_F(LogBrowserTest, KeptPlaceOffTheScreenComesBackNotSmallerThanTheTemplateAndAnUnknownOneIsIgnored) {
    OpenBrowser();
    const RECT work = WorkArea(browser_);
    const Edges fresh = WindowEdges(browser_);
    const LONG width = fresh[2] - fresh[0], height = fresh[3] - fresh[1];
    DestroyWindow(browser_);
    Raw longer = Encoded(work.left + 15, work.top + 10, width + 20, height + 20), shorter = longer, version = longer;
    longer.push_back(0);
    shorter.pop_back();
    version[0] = 2;
    const std::pair<Raw, Edges> cases[] = {
        {Encoded(work.right + 2000, work.top + 10, width + 40, height),
         {work.right - width - 40, work.top + 10, work.right, work.top + 10 + height}},
        {Encoded(work.left - 100, work.top - 50, work.right - work.left + 300, work.bottom - work.top + 200),
         {work.left, work.top, work.right, work.bottom}},
        {Encoded(work.left + 10, work.top + 10, 50, 40),
         {work.left + 10, work.top + 10, work.left + 10 + width, work.top + 10 + height}},
        {longer, fresh},
        {shorter, fresh},
        {version, fresh},
    };
    for (const auto& [bytes, shown] : cases) {
        SCOPED_TRACE(testing::PrintToString(shown));
        KeepRaw(bytes);
        OpenBrowser();
        EXPECT_EQ(WindowEdges(browser_), shown);
        DestroyWindow(browser_);
    }
}

TEST_F(LogBrowserTest, MonthlyListKeepsAPlaceOfItsOwnAndItsListTakesTheRoom) {
    const auto open = [this] {
        auto* dialog = new MonthlyListDialog(*app_);
        EXPECT_TRUE(dialog->CreateModeless());
        return dialog->Handle();
    };
    HWND monthly = open();
    const Edges fresh = WindowEdges(monthly), list = ControlEdges(monthly, IDC_MONTH_LIST);
    SetWindowPos(monthly, nullptr, 0, 0, fresh[2] - fresh[0] + 60, fresh[3] - fresh[1] + 40, SWP_NOMOVE);
    const Edges grown = WindowEdges(monthly);
    EXPECT_EQ(ControlEdges(monthly, IDC_MONTH_LIST), (Edges{list[0], list[1], list[2] + 60, list[3] + 40}));
    DestroyWindow(monthly);
    EXPECT_FALSE(ReadRawValue(kProgramKey, WindowPlaceValue(WindowId::LogBrowser)));

    monthly = open();
    EXPECT_EQ(WindowEdges(monthly), grown);
    DestroyWindow(monthly);
}

}  // namespace horalo::test
