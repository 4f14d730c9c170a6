// The main dialog's recording: states and buttons, the records of every
// transition with the way time, notes, quitting and the special days.
#include "main_dialog_fixture.h"

#include <functional>

#include "core/calendar_days/calendar_entry_file.h"
#include "modal_script.h"

namespace horalo::test {
namespace {

using test::ModalScript;

LogRecord WorkStart(TimeValue time) { return LogRecord::Of(LogRecordType::WorkStart, time); }
LogRecord WorkEnd(TimeValue time) { return LogRecord::Of(LogRecordType::WorkEnd, time); }

TEST_F(MainDialogTest, ButtonsFollowTheStatesAndEveryTransitionWritesItsRecord) {
    MainDialog& dialog = Start();
    EXPECT_EQ(Buttons(), "0110");  // present
    EXPECT_EQ(Records(), std::vector{WorkStart(At(7, 50))});

    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    EXPECT_EQ(Buttons(), "0001");  // on break
    EXPECT_EQ(Records().size(), 1u) << "a break is written when it ends";

    now_ = At(12, 30);
    Command(IDC_END_BREAK);
    EXPECT_EQ(Buttons(), "0110");
    now_ = At(16, 0);
    Command(IDC_END_WORK);
    EXPECT_EQ(Buttons(), "1000");  // absent
    EXPECT_FALSE(dialog.present());

    // Back the same day: the day goes on, the time away is a break; the
    // way time is taken off both of its ends, as off the start and the end.
    now_ = At(16, 30);
    Command(IDC_START_WORK);
    EXPECT_EQ(Buttons(), "0110");
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(12, 30)),
                                      LogRecord::Break(At(16, 0), At(16, 20))}));
    EXPECT_EQ(dialog.trayIcon().told(), win::FormatText(IDS_DAY_CONTINUED, 16, 0, 16, 20));
}

// The program ended at 12:05 and started again at 12:47, or ended the day
// before: the first goes on with the day and says so beside the tray icon.
TEST_F(MainDialogTest, AStartOnADayEndedTodayContinuesIt) {
    const struct {
        const char* name;
        TimeValue end;  // as written, the way time added
        std::vector<LogRecord> after;
        std::string told;
    } cases[] = {
        {"today", At(12, 15), {WorkStart(At(7, 50)), LogRecord::Break(At(12, 5), At(12, 37))},
         win::FormatText(IDS_DAY_CONTINUED, 12, 5, 12, 37)},
        {"yesterday", At(12, 15) - 86400, {WorkStart(At(7, 50)), WorkEnd(At(12, 15) - 86400), WorkStart(At(12, 37))},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes;
        for (const LogRecord& record : {WorkStart(At(7, 50)), WorkEnd(c.end)}) {
            const Bytes encoded = EncodeRecord(record);
            bytes.append(encoded.begin(), encoded.end());
        }
        std::ofstream(folder_ + "horalo.log", std::ios::binary | std::ios::trunc) << bytes;
        now_ = At(12, 47);
        MainDialog& dialog = Start();
        EXPECT_EQ(Records(), c.after);
        EXPECT_EQ(dialog.trayIcon().told(), c.told);
        EXPECT_EQ(Buttons(), "0110");
        DestroyWindow(window_);
        TakeQuitMessage();
    }
}

TEST_F(MainDialogTest, CommandsOutsideTheirStateWriteNothing) {
    Start();
    Command(IDC_START_WORK);  // present already
    Command(IDC_END_BREAK);   // no break running
    Command(IDC_UNUSED_1004);
    Command(IDC_UNUSED_1005);
    Command(IDC_END_WORK);
    Command(IDC_BEGIN_BREAK);  // absent: a break could never be ended
    Command(IDC_END_WORK);
    EXPECT_EQ(Buttons(), "1000");
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), WorkEnd(At(8, 10))}));
}

TEST_F(MainDialogTest, ExitWhileOnBreakWritesTheBreakThenTheEndAndStoresEverything) {
    app_->settings().autostart = 1;
    Start();
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    now_ = At(13, 0);
    answer_ = IDYES;
    Command(IDCANCEL);

    EXPECT_FALSE(IsWindow(window_));
    EXPECT_TRUE(TakeQuitMessage());
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].text, win::LoadText(IDS_QUIT_QUESTION));
    EXPECT_EQ(shown_[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(13, 0)), WorkEnd(At(13, 10))}));

    EXPECT_EQ(ReadRawValue(kProgramKey, kPathValue)->bytes, folder_);
    EXPECT_EQ(ReadRawValue(kRunKey, kRunValue)->bytes, "\"" + folder_ + "horalo.exe\"");
    const SettingsBytes stored = EncodeSettings(app_->settings());
    EXPECT_EQ(ReadRawValue(kProgramKey, kSettingsValue)->bytes, std::string(stored.begin(), stored.end()));
    EXPECT_EQ(ReadBytes(Spc()), specialDays_);
    EXPECT_TRUE(app_->specialDays().table().empty());
}

TEST_F(MainDialogTest, AnsweringNoToTheQuitQuestionKeepsEverything) {
    Start();
    answer_ = IDNO;
    Command(IDCANCEL);
    EXPECT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(TakeQuitMessage());
    EXPECT_EQ(Records(), std::vector{WorkStart(At(7, 50))});
    // Enter goes to the note's default button, never ends the window.
    SendMessageA(window_, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(MainDialogTest, NotesAreWrittenWholeAndEmptyOnesNotAtAll) {
    Start();
    HWND edit = GetDlgItem(window_, IDC_NOTE_EDIT);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 64);

    Command(IDC_ADD_NOTE);
    EXPECT_EQ(Records().size(), 1u);

    const std::string note64 = std::string(60, 'n') + "1234";
    SetWindowTextA(edit, note64.c_str());
    now_ = At(9, 15);
    Command(IDC_ADD_NOTE);
    EXPECT_EQ(win::test::TextOf(edit), "");
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Note(At(9, 15), note64)}));
}

TEST_F(MainDialogTest, AnUnopenableLogChangesNoStateAndKeepsTheBreakRunning) {
    Start();
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    // Another program holds the log without sharing it.
    const std::string log = folder_ + "horalo.log";
    HANDLE held = CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Command(IDC_END_BREAK);
    EXPECT_TRUE(dialog_->onBreak());
    EXPECT_EQ(shown_.size(), 1u);  // the log's own message
    CloseHandle(held);

    now_ = At(12, 45);
    Command(IDC_END_BREAK);
    EXPECT_FALSE(dialog_->onBreak());

    held = CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Command(IDC_END_WORK);
    EXPECT_TRUE(dialog_->present());
    EXPECT_EQ(Buttons(), "0110");
    CloseHandle(held);
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(12, 45))}));
}

TEST_F(MainDialogTest, QuitRequestEndsLikeAConfirmedQuitWithoutAsking) {
    Start();
    now_ = At(17, 0);
    SendMessageA(window_, WM_HORALO_QUIT_REQUEST, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), WorkEnd(At(17, 10))}));
}

// Hiding a shown window may wait on the system for seconds (a window
// manager under Wine); the day's end must be on the disk before that.
TEST_F(MainDialogTest, TheDaysEndIsOnDiskBeforeTheWindowIsHidden) {
    Start();
    TrayClick(WM_RBUTTONDOWN);
    ASSERT_TRUE(IsWindowVisible(window_));
    now_ = At(12, 0);
    Command(IDC_BEGIN_BREAK);
    now_ = At(17, 0);
    struct Seen {
        std::function<std::vector<LogRecord>()> records;
        std::vector<LogRecord> whenHidden{};
        bool hidden = false;
    } seen{[this] { return Records(); }};
    const auto watch = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto* seen = reinterpret_cast<Seen*>(data);
        if (message == WM_WINDOWPOSCHANGING && (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) &&
            !seen->hidden) {
            seen->hidden = true;
            seen->whenHidden = seen->records();
        }
        return DefSubclassProc(window, message, wParam, lParam);
    };
    SetWindowSubclass(window_, watch, 1, reinterpret_cast<DWORD_PTR>(&seen));
    SendMessageA(window_, WM_HORALO_QUIT_REQUEST, 0, 0);
    TakeQuitMessage();
    ASSERT_TRUE(seen.hidden);
    EXPECT_EQ(seen.whenHidden, (std::vector{WorkStart(At(7, 50)), LogRecord::Break(At(12, 0), At(17, 0)),
                                            WorkEnd(At(17, 10))}));
}

TEST_F(MainDialogTest, WithoutSpecialDaysNothingIsWritten) {
    DeleteFileA(Spc().c_str());
    MainDialog* dialog = new MainDialog(*app_);
    EXPECT_FALSE(dialog->StartWork(true));
    delete dialog;
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].text, win::LoadText(IDS_SPECIAL_READ_FAILED));
    EXPECT_EQ(shown_[0].style, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(GetFileAttributesA((folder_ + "horalo.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainDialogTest, SpecialDaysAreLoadedAtStartAndSavedWithTheirChangesAtTheEnd) {
    Start();
    SpecialEntryList onDisk;
    ASSERT_EQ(ReadSpecialFile(Spc(), onDisk), kSpecialFileOk);
    ASSERT_FALSE(onDisk.empty());
    EXPECT_EQ(app_->specialDays().entries(), onDisk);
    EXPECT_EQ(app_->specialDays().countAtLoad(), onDisk.size());
    EXPECT_EQ(app_->specialDays().table().size(), onDisk.size());

    SpecialEntry added;
    added.day = 24;
    added.month = 11;
    added.name = "Christmas Eve";
    app_->specialDays().entries().Append(added);
    DestroyWindow(window_);
    TakeQuitMessage();

    onDisk.Append(added);
    SpecialEntryList saved;
    ASSERT_EQ(ReadSpecialFile(Spc(), saved), kSpecialFileOk);
    EXPECT_EQ(saved, onDisk);
    EXPECT_TRUE(app_->specialDays().entries().empty()) << "released once saved";
}

TEST_F(MainDialogTest, SystemMenuOffersTheAboutBox) {
    Start();
    HMENU menu = GetSystemMenu(window_, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT_BOX));
    char text[128] = {};
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(text, win::LoadText(IDS_ABOUT_MENU));
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(MainDialogTest, CancelledOptionsChangeNothing) {
    Start();
    ModalScript cancelled(IDC_WAY_MINUTES, [](HWND options) {
        SetDlgItemTextA(options, IDC_WAY_MINUTES, "40");
        SendMessageA(GetDlgItem(options, IDCANCEL), BM_CLICK, 0, 0);
    });
    Command(IDC_OPTIONS);
    EXPECT_TRUE(cancelled.Ran());
    EXPECT_EQ(app_->settings().wayMinutes, 10);
}

TEST_F(MainDialogTest, OptionsOkTakesTheirSettings) {
    Start();
    {
        ModalScript confirmed(IDC_WAY_MINUTES, [](HWND options) {
            SetDlgItemTextA(options, IDC_WAY_MINUTES, "25");
            SendMessageA(GetDlgItem(options, IDOK), BM_CLICK, 0, 0);
        });
        Command(IDC_OPTIONS);
        EXPECT_TRUE(confirmed.Ran());
        EXPECT_FALSE(confirmed.Rescued());
    }
    EXPECT_EQ(app_->settings().wayMinutes, 25);
    now_ = At(16, 0);
    Command(IDC_END_WORK);
    EXPECT_EQ(Records(), (std::vector{WorkStart(At(7, 50)), WorkEnd(At(16, 25))}));
}

TEST_F(MainDialogTest, SystemMenuEntryOpensTheAboutBox) {
    Start();
    ModalScript about(IDC_VERSION_LINE, [](HWND box) { SendMessageA(box, WM_COMMAND, IDOK, 0); });
    SendMessageA(window_, WM_SYSCOMMAND, IDM_ABOUT_BOX, 0);
    EXPECT_TRUE(about.Ran());
    EXPECT_FALSE(about.Rescued());
}

}  // namespace
}  // namespace horalo::test
