#include "ui/browser/restore_dialog.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "core/calendar/local_time.h"
#include "core/text/string_list.h"
#include "core/timelog/log_backups.h"
#include "resource_ids.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr int kColumns = 4;
constexpr int kColumnPadding = 20;

std::string LocalText(TimeValue time, const char* format) {
    std::tm local{};
    char text[32] = "";
    if (ToLocalTime(time, local)) std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string KeptOn(const BackupFile& backup) { return LocalText(backup.time, "%d.%m.%Y %H:%M:%S"); }

}  // namespace

RestoreDialog::RestoreDialog(Host& host) : Dialog(IDD_RESTORE_BACKUP), host_(host) {}

bool RestoreDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    list_ = win::ListView(Item(IDC_BACKUP_LIST));
    list_.AddExtendedStyle(LVS_EX_FULLROWSELECT);
    StringList headers = SplitStringResource(host_, IDS_BACKUP_COLUMNS);
    headers.resize(kColumns);
    const char* const widest[kColumns] = {"00.00.0000 00:00:00", "00000000", "000000", "00.00.0000"};
    for (int i = 0; i < kColumns; ++i)
        list_.AddColumn(headers[i], std::max(list_.TextWidth(headers[i]), list_.TextWidth(widest[i])) + kColumnPadding);

    backups_ = ListBackups(host_.ProgramFolder() + kLogFileName);
    for (std::size_t row = 0; row < backups_.size(); ++row) {
        const std::optional<LogSummary> summary = SummariseLogFile(backups_[row].path);
        const std::string texts[kColumns] = {
            KeptOn(backups_[row]), std::to_string(backups_[row].size),
            summary ? std::to_string(summary->records) : "?",
            summary && summary->lastTime ? LocalText(*summary->lastTime, "%d.%m.%Y") : ""};
        list_.AddRow(texts, static_cast<LPARAM>(row));
    }

    OnCommand(IDC_RESTORE_BACKUP, [this] { Restore(); });
    OnNotify(IDC_BACKUP_LIST, LVN_ITEMCHANGED, [this](NMHDR*) {
        EnableWindow(Item(IDC_RESTORE_BACKUP), list_.SelectedCount() == 1);
        return LRESULT{0};
    });
    OnNotify(IDC_BACKUP_LIST, NM_DBLCLK, [this](NMHDR*) {
        Restore();
        return LRESULT{0};
    });
    // The newest is the log the last change replaced: the one a regretted
    // delete wants back, so Restore takes it at once.
    if (!backups_.empty()) {
        list_.Select(0, true);
        list_.Focus(0);
    }
    SetFocus(list_.Handle());
    return false;
}

void RestoreDialog::OnOK() { Restore(); }

void RestoreDialog::Restore() {
    const std::vector<int> rows = list_.SelectedRows();
    if (rows.size() != 1) return;
    const BackupFile& backup = backups_.at(static_cast<std::size_t>(list_.Value(rows[0])));
    const std::string question = win::FormatText(IDS_RESTORE_QUESTION, KeptOn(backup).c_str());
    if (win::ShowMessageBox(Handle(), question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const WithOutcome<RestoreResult> restored = RestoreLog(host_, backup.path);
    switch (restored.value) {
    case RestoreResult::Done:
        EndDialog(IDOK);
        break;
    case RestoreResult::Unreadable:
        win::ShowMessageId(Handle(), IDS_BACKUP_UNREADABLE, MB_OK | MB_ICONEXCLAMATION);
        break;
    case RestoreResult::NotWritten:
        win::ShowOutcome(restored.outcome);
        break;
    }
}

}  // namespace horalo
