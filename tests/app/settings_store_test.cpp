// The settings record, the program folder and the autostart entry in the
// registry of the test prefix, and what a run of the program writes of them.
#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "app/recorder_app.h"
#include "app/reminder_store.h"
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
    ASSERT_EQ(LoadSettings(loaded), ValueRead::Read);
    EXPECT_EQ(loaded, settings);

    for (DWORD size : {179u, 181u, 0u}) {
        std::string bytes(size, '\x01');
        WriteRegistryValue(kSettingsValue, bytes.data(), size, false);
        SettingsRecord untouched = DefaultSettings();
        EXPECT_EQ(LoadSettings(untouched), ValueRead::Unreadable) << size;
        EXPECT_EQ(untouched, DefaultSettings()) << size;
    }
}

TEST_F(SettingsStoreTest, MissingKeyOrValueIsMissing) {
    SettingsRecord settings;
    EXPECT_EQ(LoadSettings(settings), ValueRead::Missing);
    WriteRegistryValue(kPathValue, "C:\\", 3, true);
    EXPECT_EQ(LoadSettings(settings), ValueRead::Missing);
}

// A run as far as the settings go: the start reads them, the end of work
// writes. One bad read must not cost the user the stored record.
TEST_F(SettingsStoreTest, TheEndOfARunWritesTheRecordOnlyWhenNoneWasThereOrOptionsWereStored) {
    const SettingsBytes defaults = EncodeSettings(DefaultSettings());
    const std::string wrongSize(179, '\x05');
    const struct {
        std::optional<std::string> stored;  // none: no value at all
        bool optionsStored;
        std::string after;
    } cases[] = {{std::nullopt, false, std::string(defaults.begin(), defaults.end())},
                 {wrongSize, false, wrongSize},
                 {wrongSize, true, std::string(defaults.begin(), defaults.end())}};
    for (const auto& c : cases) {
        test::DeleteProgramValues();
        if (c.stored) WriteRegistryValue(kSettingsValue, c.stored->data(), static_cast<DWORD>(c.stored->size()), false);
        RecorderApp app;
        app.programPath = "C:\\Tools\\horalo.exe";
        app.LoadSettings();
        EXPECT_EQ(app.settings(), DefaultSettings());
        if (c.optionsStored) app.OptionsStored();
        app.StoreSettings();
        EXPECT_EQ(test::ReadRawValue(kProgramKey, kSettingsValue)->bytes, c.after) << c.optionsStored;
        EXPECT_EQ(ReadProgramFolder(), "C:\\Tools\\");
    }
}

// The reminders have a value of their own: read at the start, written as
// soon as the user confirms the options, and read back by the next run.
TEST_F(SettingsStoreTest, RemindersAreReadAtTheStartAndWrittenWhenOptionsAreStored) {
    const auto load = [] {
        RecorderApp app;
        app.LoadSettings();
        return app.reminders();
    };
    EXPECT_EQ(load(), ReminderSettings{});

    ReminderSettings changed;
    changed.awayAsBreak = true;
    changed.secondBreak = {8 * 60, 20};
    {
        RecorderApp app;
        app.LoadSettings();
        app.reminders() = changed;
        app.StoreSettings();
        EXPECT_FALSE(test::ReadRawValue(kProgramKey, kRemindersValue)) << "only stored options are written";
        app.OptionsStored();
        const auto raw = test::ReadRawValue(kProgramKey, kRemindersValue);
        ASSERT_TRUE(raw);
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
    }
    EXPECT_EQ(load(), changed);

    // A record from before the later fields: version, required reached on,
    // maximum warning off; the rest as the defaults.
    const unsigned char older[] = {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    WriteRegistryValue(kRemindersValue, older, sizeof older, false);
    ReminderSettings expected;
    expected.requiredReached = true;
    expected.maximumWarning = false;
    EXPECT_EQ(load(), expected);

    // Text where bytes belong is nothing this program wrote.
    WriteRegistryValue(kRemindersValue, "1", 1, true);
    EXPECT_EQ(load(), ReminderSettings{});
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
