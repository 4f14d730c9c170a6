// A whole working day recorded through the running program: start, a break
// ended from the notification icon, a note, a changed option, and the quit
// request another program may send.
#include <windows.h>

#include <gtest/gtest.h>

#include "program_run_fixture.h"
#include "resource_ids.h"
#include "ui/main/main_dialog.h"

namespace horalo {
namespace {

using test::Int32At;
using test::WaitForWindow;

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitUntilGone(HWND window) {
    for (int i = 0; i < 200 && IsWindow(window); ++i) Sleep(50);
    return !IsWindow(window);
}

class WorkingDay : public test::ProgramRun {};

TEST_F(WorkingDay, IsRecordedFromStartToQuit) {
    CopyProgram();
    const auto before = static_cast<std::int32_t>(time(nullptr));
    Start();
    HWND main = WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
    ASSERT_NE(main, nullptr);
    // Shown once it is ready for commands.
    for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
    ASSERT_TRUE(IsWindowVisible(main));

    Click(main, IDC_BEGIN_BREAK);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_END_WORK)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_END_BREAK)));
    Sleep(1100);
    SendMessageA(main, WM_HORALO_TRAY_CALLBACK, HORALO_TRAY_ICON_ID, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_END_WORK)));

    const std::string note = "Called the customer about the May invoice";
    SetDlgItemTextA(main, IDC_NOTE_EDIT, note.c_str());
    Click(main, IDC_ADD_NOTE);
    char left[80] = {};
    GetDlgItemTextA(main, IDC_NOTE_EDIT, left, sizeof left);
    EXPECT_STREQ(left, "");

    // The options dialog is modal in the program's own thread: post, then
    // find it among the program's windows by its way-time field.
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS, BN_CLICKED), 0);
    HWND options = WaitForWindow(process_.dwProcessId, nullptr, process_.hProcess, IDC_WAY_MINUTES);
    ASSERT_NE(options, nullptr);
    SetDlgItemTextA(options, IDC_WAY_MINUTES, "10");
    PostMessageA(options, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntilGone(options));

    const auto quitting = static_cast<std::int32_t>(time(nullptr));
    PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);
    const auto ended = static_cast<std::int32_t>(time(nullptr));

    // WorkStart 8 bytes, Break 12, Note 13 + text, WorkEnd 8.
    const std::string log = Log();
    ASSERT_EQ(log.size(), 8 + 12 + 13 + note.size() + 8);
    EXPECT_EQ(Int32At(log, 0), 1);
    const std::int32_t started = Int32At(log, 4);
    EXPECT_GE(started, before);

    EXPECT_EQ(Int32At(log, 8), 2);
    const std::int32_t breakStart = Int32At(log, 12);
    const std::int32_t breakEnd = Int32At(log, 16);
    EXPECT_GE(breakStart, started);
    EXPECT_GE(breakEnd, breakStart + 1);

    EXPECT_EQ(Int32At(log, 20), 3);
    EXPECT_GE(Int32At(log, 24), breakEnd);
    EXPECT_EQ(Int32At(log, 28), static_cast<std::int32_t>(note.size()));
    EXPECT_EQ(log.substr(32, note.size() + 1), note + '\0');

    const size_t end = 33 + note.size();
    EXPECT_EQ(Int32At(log, end), 0);
    // The new way time applies at once: the end is recorded 10 minutes late.
    EXPECT_GE(Int32At(log, end + 4), quitting + 600);
    EXPECT_LE(Int32At(log, end + 4), ended + 600);

    const auto settings = test::ReadRawValue(kProgramKey, kSettingsValue);
    ASSERT_TRUE(settings);
    EXPECT_EQ(Int32At(settings->bytes, 32), 10);
}

}  // namespace
}  // namespace horalo
