// The main dialog's life in the notification area and the system's
// messages: tray clicks, the blinking break icon, log-off, suspend and resume,
// lock and unlock.
#include <pbt.h>

#include "app/single_instance.h"
#include "main_dialog_fixture.h"
#include "ui/main/tray_icon.h"

namespace horalo::test {
namespace {

LogRecord WorkStart(TimeValue time) { return LogRecord::Of(LogRecordType::WorkStart, time); }
LogRecord WorkEnd(TimeValue time) { return LogRecord::Of(LogRecordType::WorkEnd, time); }

TEST_F(MainDialogTest, LeftClickOnTheIconEndsARunningBreakAndNothingElse) {
    Start();
    TrayClick(WM_LBUTTONDOWN);
    EXPECT_EQ(Records().size(), 1u);

    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    SendMessageA(window_, WM_TIMER, HORALO_TIMER_BLINK, 0);
    now_ = At(12, 20);
    TrayClick(WM_LBUTTONDOWN);
    EXPECT_FALSE(dialog_->onBreak());
    EXPECT_EQ(dialog_->blinkPhase(), 0);
    EXPECT_EQ(Buttons(), "0110");
    TrayClick(WM_LBUTTONDOWN);
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(12, 20))}));
}

TEST_F(MainDialogTest, RightClickOnTheIconShowsTheHiddenDialog) {
    Start();
    EXPECT_FALSE(IsWindowVisible(window_));  // as created, before the start shows it
    TrayClick(WM_RBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(window_));
    Command(IDC_HIDE);
    EXPECT_FALSE(IsWindowVisible(window_));
    TrayClick(WM_MOUSEMOVE);
    EXPECT_FALSE(IsWindowVisible(window_));
    TrayClick(WM_RBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(Records().size(), 1u);
}

TEST_F(MainDialogTest, TheIconBlinksOnlyDuringABreak) {
    Start();
    const TrayIcon& tray = dialog_->trayIcon();
    EXPECT_TRUE(tray.Added());
    auto tick = [this] { SendMessageA(window_, WM_TIMER, HORALO_TIMER_BLINK, 0); };
    auto shown = [&tray] { return std::pair{tray.IconId(), tray.TooltipId()}; };
    using Shown = std::pair<int, UINT>;
    const Shown normal{IDI_TRAY, IDS_TIP_PRESENT};
    EXPECT_EQ(shown(), normal);
    tick();
    EXPECT_EQ(shown(), normal);

    Command(IDC_BEGIN_BREAK);
    tick();
    EXPECT_EQ(shown(), (Shown{IDI_TRAY_BREAK, IDS_TIP_BREAK}));
    EXPECT_EQ(dialog_->blinkPhase(), 1);
    tick();
    EXPECT_EQ(shown(), (Shown{IDI_TRAY, IDS_TIP_BREAK}));
    tick();
    EXPECT_EQ(shown(), (Shown{IDI_TRAY_BREAK, IDS_TIP_BREAK}));
    Command(IDC_END_BREAK);
    EXPECT_EQ(shown(), normal);
    EXPECT_EQ(dialog_->blinkPhase(), 0);

    // The next break starts with the break icon again.
    Command(IDC_BEGIN_BREAK);
    tick();
    EXPECT_EQ(shown(), (Shown{IDI_TRAY_BREAK, IDS_TIP_BREAK}));
}

TEST_F(MainDialogTest, LogOffEndsTheWorkOnceAndKeepsTheWindow) {
    Start();
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    now_ = At(17, 0);
    EXPECT_EQ(SendMessageA(window_, WM_ENDSESSION, FALSE, 0), 0);
    EXPECT_TRUE(dialog_->onBreak()) << "a cancelled log-off changes nothing";

    EXPECT_EQ(SendMessageA(window_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF), 0);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(TakeQuitMessage());
    EXPECT_FALSE(dialog_->trayIcon().Added());
    EXPECT_TRUE(ReadRawValue(kProgramKey, kSettingsValue));
    const auto expected = std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(17, 0)), WorkEnd(At(17, 10))};
    EXPECT_EQ(Records(), expected);
    EXPECT_EQ(ReadBytes(Spc()), specialDays_);

    // Should the window still be destroyed, the released special days must
    // not be saved again over the file as an empty list.
    DestroyWindow(window_);
    EXPECT_EQ(Records(), expected);
    EXPECT_EQ(ReadBytes(Spc()), specialDays_);
    EXPECT_TRUE(shown_.empty());
}

TEST_F(MainDialogTest, SuspendAndResumeRecordOnlyWithPowerEvents) {
    Start();
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    now_ = At(12, 30);
    EXPECT_EQ(SendMessageA(window_, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), 1);
    EXPECT_EQ(SendMessageA(window_, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), 1);
    EXPECT_TRUE(dialog_->onBreak());
    EXPECT_EQ(Records().size(), 1u);

    app_->settings().powerEvents = 1;
    EXPECT_EQ(SendMessageA(window_, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), 1);
    EXPECT_TRUE(dialog_->onBreak());
    EXPECT_EQ(SendMessageA(window_, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), 1);
    EXPECT_EQ(Buttons(), "1000");
    now_ = At(13, 0);
    EXPECT_EQ(SendMessageA(window_, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), 1);
    EXPECT_EQ(Buttons(), "0110");
    // Woken the same day: the day goes on, the sleep counted as a break.
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(12, 30)),
                                      LogRecord::Break(At(12, 30), At(12, 50))}));
}

constexpr TimeValue kDay = 24 * 60 * 60;

TEST_F(MainDialogTest, ANightInSuspendBecomesTwoDaysOnlyWhenTheUserSaysYes) {
    Start();
    auto power = [this](WPARAM event) { SendMessageA(window_, WM_POWERBROADCAST, event, 0); };
    auto session = [this](WPARAM change) { SendMessageA(window_, WM_WTSSESSION_CHANGE, change, 0); };
    // The first night: no, and not asked again that day, not even after a
    // lock of an hour.
    now_ = At(18, 0);
    power(PBT_APMSUSPEND);
    now_ = At(8, 0) + kDay;
    answer_ = IDNO;
    power(PBT_APMRESUMESUSPEND);
    session(WTS_SESSION_LOCK);
    now_ = At(9, 0) + kDay;
    session(WTS_SESSION_UNLOCK);
    EXPECT_EQ(shown_.size(), 1u);
    EXPECT_EQ(Records(), std::vector{WorkStart(At(7, 50))});

    // The second night, on a break and locked before the suspend: yes.
    now_ = At(17, 30) + kDay;
    Command(IDC_BEGIN_BREAK);
    now_ = At(18, 0) + kDay;
    session(WTS_SESSION_LOCK);
    now_ = At(18, 5) + kDay;
    power(PBT_APMSUSPEND);
    now_ = At(8, 0) + 2 * kDay;
    answer_ = IDYES;
    power(PBT_APMRESUMEAUTOMATIC);
    power(PBT_APMRESUMESUSPEND);
    session(WTS_SESSION_UNLOCK);
    ASSERT_EQ(shown_.size(), 2u) << "asked once, at the first sign of the return";
    EXPECT_NE(shown_[1].text.find("06.03.2024 at 18:00"), std::string::npos) << shown_[1].text;
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(17, 30) + kDay, At(18, 0) + kDay),
                                      WorkEnd(At(18, 10) + kDay), WorkStart(At(7, 50) + 2 * kDay)}));
    EXPECT_EQ(Buttons(), "0110");
}

TEST(TrayTooltip, IsCutToWhatTheNotificationAreaHolds) {
    EXPECT_EQ(TrayTooltip(std::string(127, 't')), std::string(127, 't'));
    EXPECT_EQ(TrayTooltip(std::string(128, 't') + "more"), std::string(127, 't'));
    EXPECT_EQ(TrayTooltip(""), "");
}

TEST(SingleInstance, OnlyTheFirstHolderOfTheNameRuns) {
    const std::string name = "Local\\Horalo.Test." + std::to_string(GetCurrentProcessId());
    {
        SingleInstance first;
        ASSERT_TRUE(first.Acquire(name));
        SingleInstance second;
        EXPECT_FALSE(second.Acquire(name));
        EXPECT_FALSE(second.Acquire(name)) << "still held";
    }
    SingleInstance later;
    EXPECT_TRUE(later.Acquire(name)) << "released with its holder";
    EXPECT_NE(InstanceMutexName(), "Local\\Horalo.Recorder.");
}

}  // namespace
}  // namespace horalo::test
