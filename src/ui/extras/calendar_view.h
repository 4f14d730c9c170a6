#pragma once
// The month calendar: a modeless window with one month as six weeks of day
// cells and their ISO week numbers, weekends, the selected day and the
// special days marked, and the special entries of the selected day listed.
// It reads the special days and the settings; it never touches the log.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "core/calendar/calendar_date.h"
#include "core/calendar/month_grid.h"
#include "core/calendar_days/year_days.h"
#include "core/text/string_list.h"
#include "ui/app_services.h"
#include "win/dialog.h"
#include "win/key_hook.h"

namespace horalo {

class CalendarView : public win::Dialog {
public:
    // Opens the view on today's month and shows it; null when its window
    // could not be made. `closed` runs once the window is gone, however it
    // was closed. The view owns itself.
    static CalendarView* Open(AppServices& app, std::function<void()> closed);

    // Restores a minimised view and makes it the foreground window.
    void BringToFront();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    CalendarView(AppServices& app, std::function<void()> closed);

    // Shows the month of the shown date; only cells whose number or look
    // changed are repainted.
    void ShowMonth();
    void ShowEntries(const YearInfo& year);
    // The day of month may exceed the month's length: it is kept as the
    // user moves through months and years, and shows no cell then.
    void GoTo(int year, int month, int day);
    void StepMonths(int months);
    void StepDays(int days);
    void ClickCell(int index);
    void OnStepKey(WPARAM key);
    INT_PTR CellColours(int index, HDC dc) const;

    struct BrushDeleter {
        void operator()(HBRUSH brush) const { DeleteObject(brush); }
    };
    using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

    // How a day cell is painted.
    enum class CellLook : std::uint8_t { OtherMonth, Selected, Holiday, Marked, Plain };
    struct Cell {
        std::int16_t day = 0;  // 0 until first shown
        CellLook look = CellLook::Plain;
    };

    AppServices& app_;
    std::function<void()> closed_;
    CalendarDate shown_;
    StringList monthNames_;
    std::array<Cell, kGridCells> cells_{};
    std::vector<std::string> lines_;  // what the list of entries shows
    Brush white_, red_, yellow_, grey_;
    win::KeyHook keys_;
};

}  // namespace horalo
