#pragma once
// One pass of a dialog's DoDataExchange: members to controls (load) or
// controls to members with validation (save). The first failed validation
// tells the user, puts the focus on the control and ends the pass: later
// exchanges of the same pass do nothing, and no member is changed by the
// failing exchange. An exchange with a control that does not exist leaves
// its member untouched.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace horalo::win {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate);
    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }

    // At most maxChars characters (0: no limit); the edit is limited to it too.
    void Text(int id, std::string& value, std::size_t maxChars);
    // A decimal number between min and max; spaces around it are ignored.
    void Number(int id, std::uint32_t& value, std::uint32_t min, std::uint32_t max);
    // The same with an optional sign in front; the range message shows the
    // bounds signed.
    void SignedNumber(int id, std::int32_t& value, std::int32_t min, std::int32_t max);
    // A check box: saved as 1 when checked, else 0.
    void Check(int id, int& value);
    // A date-time picker; a picker without a valid time leaves value as is.
    void Time(int id, SYSTEMTIME& value);
    // The control's window handle, in both directions.
    void Control(int id, HWND& handle);

private:
    HWND Find(int id) const;
    void Fail(HWND control, const std::string& message);

    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

}  // namespace horalo::win
