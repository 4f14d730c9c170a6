// A day that was never ended (the process was killed the evening before)
// is offered at the next start with the time the program was last alive:
// Record ends it there, with its running break, before the new start;
// Leave open writes the new start only.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/last_seen_store.h"
#include "core/calendar/calendar_date.h"
#include "program_run_fixture.h"
#include "resource_ids.h"
#include "ui/main/main_dialog.h"

namespace horalo {
namespace {

using test::Int32At;
using test::WaitForWindow;

std::string Words(std::initializer_list<TimeValue> values) {
    std::string bytes;
    for (TimeValue value : values)
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

class OpenDayRun : public test::ProgramRun {};

TEST_F(OpenDayRun, RecordEndsTheDayBeforeTodaysStartLeaveOpenWritesOnlyTheStart) {
    CalendarDate today;
    ASSERT_TRUE(CurrentDate(today));
    const auto yesterday = [&](int hour, int minute) {
        return static_cast<TimeValue>(
            MakeLocalTime(today.year, today.month, today.day - 1, hour, minute, 0, DaylightSaving::FromCalendar));
    };
    const std::string open = Words({1, yesterday(8, 0)});
    const struct {
        const char* name;
        int button;
        std::string closed;  // written between the open day and today's start
    } cases[] = {
        {"Record", IDOK, Words({2, yesterday(16, 50), yesterday(17, 20), 0, yesterday(17, 30)})},
        {"Leave open", IDCANCEL, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        CopyProgram();
        SettingsRecord settings = DefaultSettings();
        settings.wayMinutes = 10;
        settings.startHidden = 1;
        StoreSettings(settings);
        StoreLastSeen({yesterday(17, 20), yesterday(16, 50)});
        std::ofstream(folder_ + "horalo.log", std::ios::binary) << open;

        const auto before = static_cast<std::int32_t>(time(nullptr));
        Start();
        HWND asked = WaitForWindow(process_.dwProcessId, nullptr, process_.hProcess, IDC_OPEN_DAY_END);
        ASSERT_NE(asked, nullptr);
        // Shown once its texts are filled in.
        for (int i = 0; i < 100 && !IsWindowVisible(asked); ++i) Sleep(50);
        EXPECT_EQ(Log(), open) << "nothing is written while the question is open";
        const std::string said = test::BoxTexts(asked);
        EXPECT_NE(said.find("17:20"), std::string::npos) << said;
        EXPECT_NE(said.find("16:50"), std::string::npos) << said;
        PostMessageA(asked, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);

        HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
        ASSERT_NE(main, nullptr);
        const auto alive = test::ReadRawValue(kProgramKey, kLastSeenValue);
        ASSERT_TRUE(alive);
        EXPECT_GE(Int32At(alive->bytes, 0), before) << "kept from the start of work";
        PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
        EXPECT_EQ(WaitForExit(), 0u);

        const std::string log = Log();
        ASSERT_EQ(log.size(), open.size() + c.closed.size() + 16);
        EXPECT_EQ(log.substr(0, open.size() + c.closed.size()), open + c.closed);
        const size_t start = open.size() + c.closed.size();
        EXPECT_EQ(Int32At(log, start), 1);
        EXPECT_GE(Int32At(log, start + 4), before - 600);
        EXPECT_EQ(Int32At(log, start + 8), 0);
        EXPECT_EQ(LoadLastSeen(), LastSeen{}) << "a clean end leaves nothing to offer";
    }
}

}  // namespace
}  // namespace horalo
