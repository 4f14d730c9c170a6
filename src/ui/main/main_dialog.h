#pragma once
// The main window: records the start and end of work and is where the
// program ends. Modeless; the object deletes itself when its window is gone.
#include "core/store/log_record.h"
#include "win/dialog.h"

namespace horalo {

class RecorderApp;

// Window property by which other programs (and a second start) find the
// main dialog among the desktop's windows.
inline constexpr const char* kMainDialogProperty = "Horalo.MainDialog";

class MainDialog : public win::Dialog {
public:
    explicit MainDialog(RecorderApp& app);
    ~MainDialog() override;

    // Appends a WorkStart (now minus the way time) unless present already.
    // With loadSpecialEntries the special days are loaded first.
    bool StartWork(bool loadSpecialEntries);
    // Appends a WorkEnd (now plus the way time) when present. With
    // saveSpecialEntries the special days are saved and released.
    bool EndWork(bool saveSpecialEntries);
    void UpdateButtons();

    bool present() const { return present_; }
    bool onBreak() const { return onBreak_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Append(const LogRecord& record);
    void RunEndOfWorkSequence();
    void QuitProgram();

    RecorderApp& app_;
    bool onBreak_ = false;
    bool present_ = false;
};

}  // namespace horalo
