#pragma once
// Which reminders the user wants, in a registry value of its own beside the
// settings record, which keeps its size and layout.
#include "app/registry.h"
#include "core/settings/reminder_settings.h"

namespace horalo {

inline constexpr const char* kRemindersValue = "Reminders";

// A value that is missing, unreadable or of an unknown version reads as the
// defaults; a shorter or longer record reads what it holds.
ReminderSettings LoadReminderSettings();
bool StoreReminderSettings(const ReminderSettings& settings);

}  // namespace horalo
