#include "win/data_exchange.h"

#include <commctrl.h>

#include <climits>

#include "core/text/format_text.h"
#include "resource_ids.h"
#include "win/dialog.h"
#include "win/message_box.h"
#include "win/resources.h"
#include "win/window_text.h"

namespace horalo::win {
namespace {

bool HasClass(HWND control, const char* name) {
    char className[32] = {};
    GetClassNameA(control, className, sizeof(className));
    return lstrcmpiA(className, name) == 0;
}

// Whole text, decimal digits only, spaces and tabs around them allowed.
// Numbers beyond 32 bits saturate just above the largest 32-bit value, so
// they fail every range check.
bool ParseNumber(const std::string& text, std::uint64_t& number) {
    constexpr std::uint64_t kBeyond = std::uint64_t{UINT32_MAX} + 1;
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    const auto last = text.find_last_not_of(" \t");
    number = 0;
    for (auto i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
        if (number > kBeyond) number = kBeyond;
    }
    return true;
}

// A sign (either) in front of the digits; the magnitude as ParseNumber reads it.
bool ParseSignedNumber(const std::string& text, std::int64_t& number) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    const bool negative = text[first] == '-';
    const bool sign = negative || text[first] == '+';
    std::uint64_t magnitude = 0;
    if (sign && text.find_first_not_of(" \t", first + 1) != first + 1) return false;
    if (!ParseNumber(sign ? text.substr(first + 1) : text, magnitude)) return false;
    number = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

}  // namespace

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), saving_(saveAndValidate) {}

HWND DataExchange::Find(int id) const { return failed_ ? nullptr : dialog_.Item(id); }

void DataExchange::Fail(HWND control, const std::string& message) {
    failed_ = true;
    HWND window = dialog_.Handle();
    ShowMessageBox(window, message, MB_ICONEXCLAMATION);
    if (!IsWindow(control)) return;
    // Through the dialog manager rather than SetFocus: it keeps the default
    // button in step and selects an edit's whole text for retyping.
    SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void DataExchange::Text(int id, std::string& value, std::size_t maxChars) {
    HWND control = Find(id);
    if (!control) return;
    if (!saving_) {
        SetWindowTextA(control, value.c_str());
        if (maxChars == 0) return;
        const WPARAM limit = maxChars < 0x7FFFFFFE ? maxChars : 0x7FFFFFFE;
        if (HasClass(control, WC_EDITA)) SendMessageA(control, EM_LIMITTEXT, limit, 0);
        if (HasClass(control, WC_COMBOBOXA)) SendMessageA(control, CB_LIMITTEXT, limit, 0);
        return;
    }
    std::string text = WindowText(control);
    if (maxChars != 0 && text.size() > maxChars) {
        const unsigned shown = maxChars < UINT_MAX ? static_cast<unsigned>(maxChars) : UINT_MAX;
        Fail(control, FormatText(IDS_DDX_TEXT_TOO_LONG, shown));
        return;
    }
    value = std::move(text);
}

void DataExchange::Number(int id, std::uint32_t& value, std::uint32_t min, std::uint32_t max) {
    HWND control = Find(id);
    if (!control) return;
    if (!saving_) {
        SetWindowTextA(control, std::to_string(value).c_str());
        return;
    }
    std::uint64_t number = 0;
    if (!ParseNumber(WindowText(control), number)) {
        Fail(control, LoadText(IDS_DDX_NOT_A_NUMBER));
        return;
    }
    if (number < min || number > max) {
        Fail(control, FormatText(IDS_DDX_NUMBER_RANGE, static_cast<unsigned>(min), static_cast<unsigned>(max)));
        return;
    }
    value = static_cast<std::uint32_t>(number);
}

void DataExchange::SignedNumber(int id, std::int32_t& value, std::int32_t min, std::int32_t max) {
    HWND control = Find(id);
    if (!control) return;
    if (!saving_) {
        SetWindowTextA(control, std::to_string(value).c_str());
        return;
    }
    std::int64_t number = 0;
    if (!ParseSignedNumber(WindowText(control), number)) {
        Fail(control, LoadText(IDS_DDX_NOT_A_NUMBER));
        return;
    }
    if (number < min || number > max) {
        std::string format = LoadText(IDS_DDX_NUMBER_RANGE);
        for (auto at = format.find("%u"); at != std::string::npos; at = format.find("%u", at + 2)) format[at + 1] = 'd';
        Fail(control, FormatString(format.c_str(), static_cast<int>(min), static_cast<int>(max)));
        return;
    }
    value = static_cast<std::int32_t>(number);
}

void DataExchange::Check(int id, int& value) {
    HWND control = Find(id);
    if (!control) return;
    if (saving_) {
        value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void DataExchange::Time(int id, SYSTEMTIME& value) {
    HWND control = Find(id);
    if (!control) return;
    if (saving_) {
        SYSTEMTIME time{};
        if (SendMessageA(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) == GDT_VALID) value = time;
    } else {
        SendMessageA(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    }
}

void DataExchange::Control(int id, HWND& handle) {
    if (!failed_) handle = dialog_.Item(id);
}

}  // namespace horalo::win
