#pragma once
// Asked at the start, before the new day's start is written: a day that
// was never ended may be ended at the time the program was last alive (or
// at any time the user picks), with the break that was running then.
#include <windows.h>

#include <optional>
#include <string>

#include "core/timelog/open_day.h"
#include "win/dialog.h"

namespace horalo {

class OpenDayDialog : public win::Dialog {
public:
    explicit OpenDayDialog(const OpenDay& day);

    // The end picked, on the open day's date.
    TimeValue end() const { return end_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(win::DataExchange& dx) override;

private:
    const OpenDay& day_;
    std::string text_;
    std::string breakText_;
    SYSTEMTIME time_{};
    TimeValue end_;
};

// The end of work to record, or none to leave the day open.
std::optional<TimeValue> AskOpenDayEnd(const OpenDay& day);

}  // namespace horalo
