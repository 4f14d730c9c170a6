#pragma once
// The time-sheet preview: a top-level frame with the month's inputs in a
// bar at its top and the filled form below. The user steps between months
// and years, types the carried balance and the hours deducted, zooms,
// stores the month's values and prints.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/timelog/day_entries.h"
#include "core/timelog/month_records.h"
#include "print/form_template.h"
#include "print/preview_canvas.h"
#include "ui/app_services.h"
#include "win/window.h"

namespace horalo {

class PreviewBar;

class CPreView : public win::Window, public LogWatcher {
public:
    // Opens the preview of the month (0 to 11) and shows it; on failure the
    // user is told why and the result is null. `closed` runs when the frame
    // is gone. The frame owns itself.
    static CPreView* Open(AppServices& app, int month, int year, HWND owner, std::function<void()> closed);

    int Month() const { return month_; }
    int Year() const { return year_; }
    FormTemplate& Form() { return form_; }
    PreviewCanvas& Canvas() { return canvas_; }
    HWND Bar() const;
    // Shows the month (0 to 11) of the year, as stepping to it would.
    void GoTo(int month, int year);
    // Evaluates the month anew; month inputs the user has typed are kept.
    void OnLogChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    CPreView(AppServices& app, int month, int year, std::function<void()> closed);

    bool OnCreate();
    void OnCommand(int id, int code);
    void LayOut();
    void PlaceOnWorkArea();

    // One read of the log: the month records and the shown month's entries.
    void ReadMonth();
    // The month inputs as the month's record has them.
    void LoadMonthInputs();
    void ReadMonthInputs();
    // Evaluates the entries read with the month inputs; false when their
    // order makes no sheet.
    bool FillSheet(bool warn);
    void UpdateTitleAndMenu();
    void Move(int monthStep, int yearStep);
    void StoreMonthInputs();

    AppServices& app_;
    int month_;
    int year_;
    FormTemplate form_;
    PreviewCanvas canvas_{form_};
    MonthRecordList monthRecords_;
    std::vector<DayEntry> entries_;  // of the shown month
    PreviewBar* bar_ = nullptr;  // a child dialog; it goes with the frame
    unsigned error_ = 0;         // why creation failed, 0 when not known
    bool settingInputs_ = false;
    bool inputsTyped_ = false;  // the month inputs differ from the month's record by the user's hand
    std::function<void()> closed_;
};

}  // namespace horalo
