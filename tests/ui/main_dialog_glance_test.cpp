// Today at a glance in the main dialog and the tray: the status line and
// the tooltip after a morning, a reminder at the daily maximum, and time
// away from a locked screen offered as a break.
#include "main_dialog_fixture.h"
// After windows.h, which it needs.
#include <wtsapi32.h>

#include "win/window_text.h"

namespace horalo::test {
namespace {

TEST_F(MainDialogTest, TheMorningShowsInTheStatusLineAndTheTooltip) {
    Start();  // at 8:00, written as 7:50 with the way time
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    now_ = At(12, 30);
    Command(IDC_END_BREAK);
    now_ = At(13, 0);
    SendMessageA(window_, WM_TIMER, HORALO_TIMER_MINUTE, 0);

    // 5:10 present less 0:30 of breaks is 4:40 of the 7:45 a Tuesday asks.
    EXPECT_EQ(win::WindowText(GetDlgItem(window_, IDC_GLANCE_STATUS)),
              "Present since 07:50  Presence 05:10, breaks 00:30\nRequired time reached at 15:55  Balance -03:05");
    EXPECT_EQ(dialog_->trayIcon().tooltip(),
              "Horalo\nPresent since 07:50\nPresence 05:10, breaks 00:30\nRequired time reached at 15:55\n"
              "Balance -03:05");
    EXPECT_LE(dialog_->trayIcon().tooltip().size(), 127u);
}

TEST_F(MainDialogTest, TheDailyMaximumIsToldBeforeAndWhenItIsReachedOnceEach) {
    app_->settings().maxHours = 8;  // 8:45 with the break allowance: reached at 16:25
    app_->reminders().breaks = false;
    Start();
    const struct {
        TimeValue now;
        const char* told;
    } minutes[] = {
        {At(16, 9), ""},
        {At(16, 10), "You will reach the daily maximum at 16:25."},
        {At(16, 24), "You will reach the daily maximum at 16:25."},
        {At(16, 25), "You have reached the daily maximum."},
    };
    for (const auto& minute : minutes) {
        now_ = minute.now;
        SendMessageA(window_, WM_TIMER, HORALO_TIMER_MINUTE, 0);
        EXPECT_EQ(dialog_->trayIcon().told(), minute.told);
    }
}

TEST_F(MainDialogTest, TimeAwayFromALockedScreenIsRecordedAsABreakOnYesOnly) {
    app_->reminders().awayAsBreak = true;  // from 15 minutes
    const LogRecord start = LogRecord::Of(LogRecordType::WorkStart, At(7, 50));
    const struct {
        const char* name;
        TimeValue unlock;
        int answer;
        std::vector<LogRecord> log;
        const char* question;  // none: not asked
    } cases[] = {
        {"yes", At(10, 42), IDYES, {start, LogRecord::Break(At(10, 0), At(10, 42))},
         "You were away from 10:00 to 10:42 (42 min). Record it as a break?"},
        {"no", At(10, 42), IDNO, {start}, "You were away from 10:00 to 10:42 (42 min). Record it as a break?"},
        {"too short to ask", At(10, 14), IDYES, {start}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((folder_ + "horalo.log").c_str());
        now_ = At(8, 0);
        Start();
        now_ = At(10, 0);
        SendMessageA(window_, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
        now_ = c.unlock;
        shown_.clear();
        answer_ = c.answer;
        SendMessageA(window_, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
        EXPECT_EQ(Records(), c.log);
        ASSERT_EQ(shown_.size(), c.question ? 1u : 0u);
        if (c.question) {
            EXPECT_EQ(shown_[0].text, c.question);
        }
        DestroyWindow(window_);
        TakeQuitMessage();
    }
}

}  // namespace
}  // namespace horalo::test
