#pragma once
// The kept time logs, newest first, with when each was kept, its size, its
// number of records and its last record's day; one of them can be made the
// time log again after a question. The restore is a rewrite like any
// other, so the log it replaces is kept in turn and every window that
// shows the log is told.
#include <windows.h>

#include <vector>

#include "core/host.h"
#include "core/io/backups.h"
#include "win/dialog.h"
#include "win/list_view.h"

namespace horalo {

class RestoreDialog : public win::Dialog {
public:
    explicit RestoreDialog(Host& host);

protected:
    bool OnInitDialog() override;
    // Enter restores the selected log rather than closing the list.
    void OnOK() override;

private:
    void Restore();

    Host& host_;
    win::ListView list_;
    std::vector<BackupFile> backups_;  // by row
};

}  // namespace horalo
