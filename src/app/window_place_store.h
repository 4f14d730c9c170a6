#pragma once
// Where each resizable window was last closed, in a registry value of its
// own per window beside the settings record.
#include <optional>

#include "app/registry.h"
#include "core/settings/window_place.h"

namespace horalo {

// The registry value that keeps the window's place.
const char* WindowPlaceValue(WindowId window);

// A value that is missing, of another size or of another version reads as
// no place kept.
std::optional<WindowPlace> LoadWindowPlace(WindowId window);
bool StoreWindowPlace(WindowId window, const WindowPlace& place);

}  // namespace horalo
