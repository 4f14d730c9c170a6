// Printing a month's time sheet through the print dialog onto the default
// printer, as the user does from the preview. Only a printer that writes its
// pages to files lets anyone read the page back, so the test runs when
// HORALO_PRINT_E2E is set (tests/print/print_e2e.sh sets it, with the CUPS
// PDF queue as the default printer); the plain Windows run skips it.
//
// What the page must show is written, one line of the page per line, its
// texts separated by tabs and in the order they stand left to right, to the
// file that HORALO_PRINT_E2E_EXPECT names (and to stdout).
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <dlgs.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/settings/settings_record.h"
#include "core/sheet/sheet_text.h"
#include "core/sheet/time_sheet.h"
#include "modal_script.h"
#include "preview_fixture.h"
#include "win/list_view.h"
#include "win/window.h"

namespace horalo::test {
namespace {

constexpr int kMarch = 2;
constexpr int kYear = 2024;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string DefaultPrinter() {
    char name[256] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

class PrintE2ETest : public PreviewTest {
protected:
    void SetUp() override {
        if (!std::getenv("HORALO_PRINT_E2E"))
            GTEST_SKIP() << "prints on the default printer; tests/print/print_e2e.sh runs it with a PDF printer";
        PreviewTest::SetUp();
        setUp_ = true;
    }
    // A skipped test made no folder and no registry values to take away.
    void TearDown() override {
        if (setUp_) PreviewTest::TearDown();
    }

    // One line of the page: the day's number and whatever its columns show,
    // from the start (or the note in its place) to the running balance.
    std::vector<std::string> DayLine(int day) const {
        std::vector<std::string> line{std::to_string(day)};
        for (const char kind : {'C', 'G', 'D', 'I', 'S', 'P', 'N', 'T'})
            line.push_back(Trimmed(PlaceholderText(Placeholder{kind, 0, day}, frame_->Form().sheet())));
        return line;
    }
    std::string MonthValue(char selector) const {
        return Trimmed(PlaceholderText(Placeholder{'O', selector, 0}, frame_->Form().sheet()));
    }

    // Writes the lines the page must show, a line's texts tab-separated, for
    // the script that reads the PDF; a text that draws nothing is left out.
    static void Expect(const std::vector<std::vector<std::string>>& expected) {
        std::string lines;
        for (const auto& line : expected) {
            std::string joined;
            for (const std::string& text : line)
                if (!text.empty()) joined += (joined.empty() ? "" : "\t") + text;
            if (!joined.empty()) lines += joined + '\n';
        }
        std::printf("%s", lines.c_str());
        if (const char* path = std::getenv("HORALO_PRINT_E2E_EXPECT")) {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file << lines;
            ASSERT_TRUE(file.good()) << path;
        }
    }

    // Chooses OK in the print dialog that `print` opens, on the printer it
    // proposes, which must be the default one.
    void PrintThrough(const std::function<void()>& print) {
        const std::string printer = DefaultPrinter();
        ASSERT_FALSE(printer.empty()) << "Wine sees no default printer: is the print server up?";
        std::printf("printer: %s\n", printer.c_str());
        std::string chosen;
        ModalScript dialog(cmb4, [&chosen](HWND window) {
            char name[256] = {};
            GetDlgItemTextA(window, cmb4, name, sizeof name);
            chosen = name;
            SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
        });
        print();
        EXPECT_TRUE(dialog.Ran());
        EXPECT_FALSE(dialog.Rescued());
        EXPECT_EQ(chosen, printer);
        EXPECT_TRUE(shown_.empty()) << shown_.front().text;
    }

    bool setUp_ = false;
};

TEST_F(PrintE2ETest, PrintsTheMonthWithItsValuesOnTheDefaultPrinter) {
    // Monday to Thursday with different ends, a note on Friday.
    std::vector<LogRecord> log;
    const int ends[] = {16, 17, 18, 15};
    for (int i = 0; i < 4; ++i)
        for (const LogRecord& record : Day(kYear, kMarch, 4 + i, 8, ends[i])) log.push_back(record);
    log.push_back(LogRecord::Note(LocalAt(kYear, kMarch, 8, 9, 0), "Dentist"));
    WriteLog(log);
    // The special days, as the program reads them at its start: Good Friday
    // falls on the 29th.
    ASSERT_EQ(app_->specialDays().Load(), std::nullopt);
    SetFormText(app_->settings().formText1, "Erika Mustermann");
    SetFormText(app_->settings().formText2, "Accounting");
    ASSERT_NE(Open(kMarch, kYear), nullptr);
    SetInput(IDC_CARRIED_HOURS, "3");
    SetInput(IDC_CARRIED_MINUTES, "15");
    SetInput(IDC_HOURS_DEDUCTED, "2");

    // The values themselves are other tests' business; here they only have
    // to be there, or the page would have nothing of them to show.
    const TimeSheet& sheet = frame_->Form().sheet();
    ASSERT_NE(sheet.evaluation.days[4].presence, 0);
    ASSERT_NE(MonthFinalBalance(sheet), 0);
    ASSERT_EQ(sheet.evaluation.days[7].note, "Dentist");
    ASSERT_TRUE(sheet.evaluation.days[28].note.has_value());
    // The foot's values are found on the page by their text alone: equal
    // ones could stand in for each other.
    const std::set<std::string> foot{MonthValue('P'), MonthValue('N'), MonthValue('S'), MonthValue('V'),
                                     MonthValue('U'), MonthValue('T')};
    ASSERT_EQ(foot.size(), 6u);

    const std::vector<std::vector<std::string>> expected = {
        {"Erika Mustermann", "03"},
        {"Accounting", "2024"},
        DayLine(4),
        DayLine(5),
        DayLine(6),
        DayLine(7),
        {"8", "Dentist"},
        DayLine(29),
        {MonthValue('P'), MonthValue('N')},
        {MonthValue('S')},
        {MonthValue('V')},
        {MonthValue('U')},
        {MonthValue('T')},
    };
    Expect(expected);
    PrintThrough([this] { FrameCommand(IDM_PRINT); });
}

// The year window's page: the title, the chart's legend and months, and
// every month's line of the table as the window lists it.
TEST_F(PrintE2ETest, PrintsTheYearsAccountOnOnePage) {
    std::vector<LogRecord> log{LogRecord::Month(MonthKey(kYear, 0), 0, 130), LogRecord::Month(MonthKey(kYear, 2), 4, -245)};
    for (const int day : {5, 6, 7})
        for (const LogRecord& record : Day(kYear, 1, day, 8, 18)) log.push_back(record);
    for (const LogRecord& record : Day(kYear, kMarch, 4, 8, 15)) log.push_back(record);
    WriteLog(log);
    app_->OpenYear(kYear);
    HWND view = win::FindThreadWindow([](HWND window) { return GetDlgItem(window, IDC_YEAR_CHART) != nullptr; });
    ASSERT_NE(view, nullptr);
    const win::ListView list(GetDlgItem(view, IDC_YEAR_LIST));
    ASSERT_EQ(list.Count(), 12);
    ASSERT_EQ(list.Text(1, 7), "NO") << "February's balance never reached March";

    std::vector<std::vector<std::string>> expected{{"Flextime account 2024"},
                                                   {"Surplus", "Deficit", "Balance at month's end", "Hours deducted"},
                                                   {"Jan", "Feb", "Mar", "Apr", "Jun", "Sep", "Dec"},
                                                   {}};
    HWND header = reinterpret_cast<HWND>(SendMessageA(list.Handle(), LVM_GETHEADER, 0, 0));
    for (int column = 0; column < 8; ++column) {
        char text[64] = {};
        HDITEMA item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        expected.back().push_back(text);
    }
    for (int row = 0; row < 12; ++row) {
        expected.emplace_back();
        for (int column = 0; column < 8; ++column) expected.back().push_back(list.Text(row, column));
    }
    Expect(expected);
    PrintThrough([view] { SendMessageA(GetDlgItem(view, IDC_YEAR_PRINT), BM_CLICK, 0, 0); });
    DestroyWindow(view);
}

}  // namespace
}  // namespace horalo::test
