#pragma once
// Where a resizable window was when it was last closed, so it opens there
// again: its restored rectangle in screen pixels and whether it was
// maximised. Each window keeps its own in a registry value beside the
// settings record, which keeps its size and layout.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace horalo {

// The resizable windows, each with a place of its own.
enum class WindowId { LogBrowser, MonthlyList, YearView };

struct WindowPlace {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool maximised = false;
    bool operator==(const WindowPlace&) const = default;
};

// Stored little-endian: a 16-bit version (1), 16-bit flags (bit 0:
// maximised), then left, top, right and bottom as signed 32-bit values
// (a monitor left of or above the main one has negative coordinates).
inline constexpr std::size_t kWindowPlaceSize = 20;
inline constexpr std::uint16_t kWindowPlaceVersion = 1;
using WindowPlaceBytes = std::array<std::uint8_t, kWindowPlaceSize>;

WindowPlaceBytes EncodeWindowPlace(const WindowPlace& place);
// None for another version or an empty rectangle: the window then opens at
// its template size, as the first time.
std::optional<WindowPlace> DecodeWindowPlace(const WindowPlaceBytes& bytes);

}  // namespace horalo
