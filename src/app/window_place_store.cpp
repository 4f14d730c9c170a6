#include "app/window_place_store.h"

namespace horalo {

const char* WindowPlaceValue(WindowId window) {
    switch (window) {
    case WindowId::LogBrowser:
        return "LogBrowserPlace";
    case WindowId::MonthlyList:
        return "MonthlyListPlace";
    case WindowId::YearView:
        return "YearViewPlace";
    }
    return "WindowPlace";
}

std::optional<WindowPlace> LoadWindowPlace(WindowId window) {
    WindowPlaceBytes bytes{};
    DWORD size = static_cast<DWORD>(bytes.size());
    if (ReadRegistryValue(WindowPlaceValue(window), bytes.data(), size) != ValueRead::Read) return std::nullopt;
    return DecodeWindowPlace(bytes);
}

bool StoreWindowPlace(WindowId window, const WindowPlace& place) {
    const WindowPlaceBytes bytes = EncodeWindowPlace(place);
    return WriteRegistryValue(WindowPlaceValue(window), bytes.data(), static_cast<DWORD>(bytes.size()), false);
}

}  // namespace horalo
