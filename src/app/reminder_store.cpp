#include "app/reminder_store.h"

namespace horalo {
namespace {
// Far more than any version of the record will need; a value longer than
// this is nothing the program wrote.
constexpr DWORD kMostReminderBytes = 1024;
}  // namespace

ReminderSettings LoadReminderSettings() {
    Bytes bytes;
    if (ReadRegistryBytes(kRemindersValue, bytes, kMostReminderBytes) != ValueRead::Read) return {};
    return DecodeReminderSettings(bytes);
}

bool StoreReminderSettings(const ReminderSettings& settings) {
    const Bytes bytes = EncodeReminderSettings(settings);
    return WriteRegistryValue(kRemindersValue, bytes.data(), static_cast<DWORD>(bytes.size()), false);
}

}  // namespace horalo
