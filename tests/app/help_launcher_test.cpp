// The help control is loaded once, on first use, also when its registration
// is missing.
#include "app/help_launcher.h"

#include <gtest/gtest.h>

namespace horalo {
namespace {

constexpr UINT kCloseAll = 0x12;  // asks the control to close its windows; shows nothing
constexpr const char* kRegistration = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

TEST(HelpControlLoader, LoadsOnceAndReusesTheControl) {
    HelpControlLoader loader;
    loader(nullptr, nullptr, kCloseAll, 0);
    loader(nullptr, nullptr, kCloseAll, 0);
    EXPECT_FALSE(loader.Failed());
    EXPECT_EQ(loader.LoadAttempts(), 1);
}

TEST(HelpControlLoader, FallsBackToTheBareNameWithoutRegistration) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, kRegistration, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    char saved[MAX_PATH] = {};
    DWORD savedSize = sizeof saved;
    DWORD type = REG_SZ;
    const bool hadValue = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(saved), &savedSize) ==
                          ERROR_SUCCESS;
    // A registration that names a file that is not there.
    const char bogus[] = "C:\\nowhere\\hhctrl.ocx";
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(bogus), sizeof bogus);

    HelpControlLoader loader;
    loader(nullptr, nullptr, kCloseAll, 0);
    EXPECT_FALSE(loader.Failed());

    if (hadValue)
        RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(saved), savedSize);
    else
        RegDeleteValueA(key, nullptr);
    RegCloseKey(key);
}

}  // namespace
}  // namespace horalo
