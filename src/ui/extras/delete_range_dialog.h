#pragma once
// Thins out the time log after a question: the whole log, everything up to
// the end of the month that lay 31 days back when the dialog opened, or the
// records of a range of days. Modal; closes after the question whatever the
// answer.
#include <windows.h>

#include <string>

#include "core/host.h"
#include "win/dialog.h"

namespace horalo {

class DeleteRangeDialog : public win::Dialog {
public:
    explicit DeleteRangeDialog(Host& host);

protected:
    void DoDataExchange(win::DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    enum Mode { kWholeLog, kToMonthEnd, kDays };
    void SetMode(Mode mode);
    bool Confirmed(const std::string& question);
    void Delete();

    Host& host_;
    Mode mode_ = kToMonthEnd;
    int year_ = 1970;
    int month_ = 0;  // 0 = January
    SYSTEMTIME firstDay_{};
    SYSTEMTIME lastDay_{};
};

}  // namespace horalo
