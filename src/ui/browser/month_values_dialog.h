#pragma once
// One month's carried balance and hours deducted, typed in by hand: for a
// new month record, or loaded from an existing one to change it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/timelog/month_records.h"
#include "win/dialog.h"

namespace horalo {

class MonthValuesDialog : public win::Dialog {
public:
    // The present month, no carried balance and no hours deducted: OK alone
    // must take nothing off the balance.
    MonthValuesDialog();
    // The source's month and values.
    explicit MonthValuesDialog(const MonthRecordEntry& source);

    // What the user confirmed with OK; the month counts from 0.
    int Year() const { return month_.wYear; }
    int Month() const { return month_.wMonth - 1; }
    std::int32_t CarriedBalance() const;
    std::int32_t HoursDeducted() const { return static_cast<std::int32_t>(hoursDeducted_); }

protected:
    void DoDataExchange(win::DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    bool CarriedHoursValid();

    SYSTEMTIME month_{};  // only the year and month count
    std::uint32_t hoursDeducted_ = 0;
    std::string carriedHours_ = "0";  // with the balance's sign
    std::uint32_t carriedMinutes_ = 0;
};

}  // namespace horalo
