// The settings record, the program folder and the autostart entry in the
// registry of the test prefix.
#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "registry_fixture.h"

namespace horalo {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { test::DeleteProgramValues(); }
    void TearDown() override { test::DeleteProgramValues(); }

    static std::optional<std::string> RunValue() {
        auto value = test::ReadRawValue(kRunKey, kRunValue);
        if (!value) return std::nullopt;
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
        return value->bytes;
    }
};

TEST_F(SettingsStoreTest, StoredRecordLoadsBackWholeAndOtherSizesAreRejected) {
    SettingsRecord settings = DefaultSettings();
    settings.wayMinutes = 10;
    SetFormText(settings.formText2, "Department 7");
    ASSERT_TRUE(StoreSettings(settings));

    auto raw = test::ReadRawValue(kProgramKey, kSettingsValue);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw->bytes.size(), kSettingsRecordSize);

    SettingsRecord loaded;
    ASSERT_TRUE(LoadSettings(loaded));
    EXPECT_EQ(loaded, settings);

    for (DWORD size : {179u, 181u, 0u}) {
        std::string bytes(size, '\x01');
        WriteRegistryValue(kSettingsValue, bytes.data(), size, false);
        SettingsRecord untouched = DefaultSettings();
        EXPECT_FALSE(LoadSettings(untouched)) << size;
        EXPECT_EQ(untouched, DefaultSettings()) << size;
    }
}

TEST_F(SettingsStoreTest, MissingKeyOrValueFailsToLoad) {
    SettingsRecord settings;
    EXPECT_FALSE(LoadSettings(settings));
    WriteRegistryValue(kPathValue, "C:\\", 3, true);
    EXPECT_FALSE(LoadSettings(settings));
}

TEST_F(SettingsStoreTest, AutostartValueFollowsTheAutostartField) {
    SettingsRecord settings = DefaultSettings();
    ASSERT_TRUE(ApplyAutostartAndPath(settings, "C:\\Program Files\\Horalo\\horalo.exe"));
    EXPECT_EQ(RunValue(), "\"C:\\Program Files\\Horalo\\horalo.exe\"");

    for (int off : {0, 2, -1}) {
        ApplyAutostartAndPath(DefaultSettings(), "C:\\Tools\\horalo.exe");
        ASSERT_TRUE(RunValue());
        settings.autostart = off;
        ApplyAutostartAndPath(settings, "C:\\Tools\\horalo.exe");
        EXPECT_FALSE(RunValue()) << "autostart " << off;
    }
    // Deleting a value that is already gone is no error.
    EXPECT_TRUE(ApplyAutostartAndPath(settings, "C:\\Tools\\horalo.exe"));
}

TEST_F(SettingsStoreTest, PathComesFromTheWholeProgramPath) {
    struct Case {
        const char* program;
        const char* folder;
    };
    for (const Case& c : {Case{"C:\\Exercises\\horalo.exe", "C:\\Exercises\\"},
                          Case{"C:\\Tools\\Horalo.EXE", "C:\\Tools\\"},
                          Case{"D:\\exe\\my exe files\\horalo.exe", "D:\\exe\\my exe files\\"},
                          Case{"C:\\horalo.exe", "C:\\"}}) {
        ApplyAutostartAndPath(DefaultSettings(), c.program);
        EXPECT_EQ(ReadProgramFolder(), c.folder);
        EXPECT_EQ(RunValue(), std::string("\"") + c.program + "\"");
        auto raw = test::ReadRawValue(kProgramKey, kPathValue);
        ASSERT_TRUE(raw);
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
    }
}

TEST_F(SettingsStoreTest, ProgramFolderIsEmptyWhenUnreadable) {
    EXPECT_EQ(ReadProgramFolder(), "");
    const std::string tooLong(300, 'x');
    WriteRegistryValue(kPathValue, tooLong.data(), static_cast<DWORD>(tooLong.size()), true);
    EXPECT_EQ(ReadProgramFolder(), "");
}

TEST_F(SettingsStoreTest, ProgramPathIsTheRunningModule) {
    const std::string path = ProgramPath();
    EXPECT_EQ(FolderOf(path) + "..\\program\\", test::TestProgramFolder());
    EXPECT_NE(path.find("horalo_win_tests.exe"), std::string::npos);
}

}  // namespace
}  // namespace horalo
