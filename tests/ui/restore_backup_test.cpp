// Restoring a kept time log from the time log window: the list of backups,
// the question, and a restore that brings back what a deleted range took,
// shown at once in the window and kept reversible.
#include <gtest/gtest.h>

#include <filesystem>

#include "browser_fixture.h"
#include "core/calendar/calendar_date.h"
#include "core/io/backups.h"
#include "core/timelog/record_edits.h"
#include "modal_script.h"
#include "ui/browser/restore_dialog.h"

namespace horalo::test {
namespace {

using RestoreBackupTest = LogBrowserTest;

TEST_F(RestoreBackupTest, ARestoreAfterADeletedRangeBringsTheDaysBack) {
    std::vector<LogRecord> log = Day(2024, 2, 4, 8, 16);
    for (const LogRecord& record : Day(2024, 2, 5, 8, 17)) log.push_back(record);
    WriteLog(log);
    const std::string before = ReadBytes(folder_ + "horalo.log");
    now_ = LocalAt(2024, 2, 20, 12, 0);
    ASSERT_EQ(DeleteDateRange(app_->host(), CalendarDate::Of(2024, 2, 5), CalendarDate::Of(2024, 2, 5)), std::nullopt);
    const std::string afterDelete = ReadBytes(folder_ + "horalo.log");
    now_ += 90;
    OpenBrowser();
    ASSERT_EQ(RecordRows().size(), 3u);

    const struct {
        int answer;
        const std::string& log;  // afterwards
        std::size_t backups;
    } cases[] = {{IDNO, afterDelete, 1}, {IDYES, before, 2}};
    for (const auto& c : cases) {
        shown_.clear();
        answer_ = c.answer;
        std::vector<std::string> firstRow;
        ModalScript driver(IDC_BACKUP_LIST, [&](HWND dialog) {
            win::ListView backups(GetDlgItem(dialog, IDC_BACKUP_LIST));
            for (int column = 0; column < 4; ++column) firstRow.push_back(backups.Text(0, column));
            // The newest comes chosen: Restore takes it at once.
            EXPECT_EQ(backups.SelectedRows(), std::vector<int>{0});
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_RESTORE_BACKUP)));
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RESTORE_BACKUP, BN_CLICKED), 0);
            if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        Click(IDC_BROWSER_RESTORE);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.Rescued());
        const std::vector<std::string> expected = {"20.03.2024 12:00:00", std::to_string(before.size()), "6",
                                                   "05.03.2024"};
        EXPECT_EQ(firstRow, expected);
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].text, win::FormatText(IDS_RESTORE_QUESTION, "20.03.2024 12:00:00"));
        EXPECT_EQ(ReadBytes(folder_ + "horalo.log"), c.log);
        EXPECT_EQ(ListBackups(folder_ + "horalo.log").size(), c.backups);
        EXPECT_EQ(RecordRows(), Positions()) << "the window shows the log as it is";
    }
    // The log the restore replaced is the newest backup: the restore can be taken back.
    EXPECT_EQ(ReadBytes(ListBackups(folder_ + "horalo.log").at(0).path), afterDelete);
}

}  // namespace
}  // namespace horalo::test
