#pragma once
// Today at a glance, made every minute: the day's figures and the month's
// account with today's running day in it. The month is read once and kept
// until the log changes or a new day begins, so a minute costs no read.
#include "core/calendar_days/calendar_entry.h"
#include "core/evaluation/loaded_month.h"
#include "core/host.h"
#include "core/recorder/day_figures.h"
#include "core/settings/settings_record.h"

namespace horalo {

struct Glance {
    DayFigures day;
    // Seconds: the month's final balance so far (carried in, less the hours
    // deducted), with what today's running day has made up to now.
    long long balance = 0;
};

class GlanceSource {
public:
    // The next glance reads the month again.
    void LogChanged() { stale_ = true; }
    // A log that cannot be read shows as an empty month: the glance tells
    // nothing every minute, the windows that read the log do.
    Glance At(Host& host, TimeValue now, TimeValue breakStart, const SettingsRecord& settings,
              const SpecialEntryList& specialEntries);
    int reads() const { return reads_; }

private:
    bool stale_ = true;
    long day_ = 0;  // the local day the month was read on
    LoadedMonth month_;
    std::vector<DayEntry> entries_;  // the day before the month's first included, for a day run past midnight
    int reads_ = 0;
};

}  // namespace horalo
