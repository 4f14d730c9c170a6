// A day that was never ended (the process was killed the evening before)
// is offered at the next start with the time the program was last alive:
// Record ends it there, with its running break, before the new start;
// Leave open writes the new start only.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/last_seen_store.h"
#include "core/calendar/calendar_date.h"
#include "local_time_helper.h"
#include "program_run_fixture.h"
#include "ui/main/main_dialog.h"

namespace horalo {
namespace {

std::string Bytes(std::initializer_list<LogRecord> records) {
    std::string bytes;
    for (const LogRecord& record : records)
        for (std::uint8_t byte : EncodeRecord(record)) bytes += static_cast<char>(byte);
    return bytes;
}

class OpenDayRun : public test::ProgramRun {};

TEST_F(OpenDayRun, RecordEndsTheDayBeforeTodaysStartLeaveOpenWritesOnlyTheStart) {
    CalendarDate today;
    ASSERT_TRUE(CurrentDate(today));
    const auto yesterday = [&](int hour, int minute) -> TimeValue {
        return test::LocalAt(today.year, today.month, today.day - 1, hour, minute);
    };
    const std::string open = Bytes({LogRecord::Of(LogRecordType::WorkStart, yesterday(8, 0))});
    const struct {
        const char* name;
        int button;
        std::string closed;  // written between the open day and today's start
    } cases[] = {
        {"Record", IDOK,
         Bytes({LogRecord::Break(yesterday(16, 50), yesterday(17, 20)),
                LogRecord::Of(LogRecordType::WorkEnd, yesterday(17, 30))})},
        {"Leave open", IDCANCEL, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        CopyProgram();
        SettingsRecord settings = DefaultSettings();
        settings.wayMinutes = 10;
        StoreSettings(settings);
        StoreLastSeen({yesterday(17, 20), yesterday(16, 50)});
        std::ofstream(folder_ + "horalo.log", std::ios::binary) << open;

        const auto before = static_cast<std::int32_t>(time(nullptr));
        Start();
        HWND asked = test::WaitForWindow(process_.dwProcessId, nullptr, process_.hProcess, IDC_OPEN_DAY_END);
        ASSERT_NE(asked, nullptr);
        // Shown once its texts are filled in.
        for (int i = 0; i < 100 && !IsWindowVisible(asked); ++i) Sleep(50);
        EXPECT_EQ(Log(), open) << "nothing is written while the question is open";
        const std::string said = test::BoxTexts(asked);
        EXPECT_NE(said.find("17:20"), std::string::npos) << said;
        EXPECT_NE(said.find("16:50"), std::string::npos) << said;
        PostMessageA(asked, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);

        HWND main = test::WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
        ASSERT_NE(main, nullptr);
        EXPECT_GE(LoadLastSeen().time, before) << "kept from the start of work";
        PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
        EXPECT_EQ(WaitForExit(), 0u);

        // Then today's WorkStart and WorkEnd, 8 bytes each.
        const std::string log = Log();
        ASSERT_EQ(log.size(), open.size() + c.closed.size() + 16);
        EXPECT_EQ(log.substr(0, open.size() + c.closed.size()), open + c.closed);
        EXPECT_EQ(test::Int32At(log, open.size() + c.closed.size()), 1);
        EXPECT_EQ(LoadLastSeen(), LastSeen{}) << "a clean end leaves nothing to offer";
    }
}

}  // namespace
}  // namespace horalo
