// Settings from a file, from a Wine prefix's user.reg, or the defaults, and
// the tool's texts against the language library's.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

#include "cli/cli_settings.h"
#include "cli/cli_texts.h"
#include "cli_test_folder.h"
#include "json_reader.h"

namespace horalo::test {
namespace {

using cli::ParseHoursMinutes;
using cli::RegistrySettingsBytes;

// The value as Wine writes it: 25 bytes a line, the rest behind backslashes.
std::string RegValue(const SettingsBytes& bytes) {
    std::string text = "\"SETTINGS\"=hex:";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        text += hex;
        if (i + 1 < bytes.size()) text += (i % 25 == 24) ? ",\\\r\n  " : ",";
    }
    return text + "\r\n";
}

SettingsRecord WithWork(int hours, int minutes) {
    SettingsRecord settings = DefaultSettings();
    settings.workHours = hours;
    settings.workMinutes = minutes;
    return settings;
}

TEST(RegistrySettingsTest, TheProgramsKeyAndValueAloneAreRead) {
    const std::string value = RegValue(EncodeSettings(WithWork(6, 30)));
    const std::string other = RegValue(EncodeSettings(WithWork(9, 0)));
    const struct {
        std::string text;
        bool found;
    } cases[] = {
        {"WINE REGISTRY Version 2\r\n\r\n[Software\\\\Pellwick\\\\HORALO] 1733000000\r\n#time=1\r\n\"Other\"=dword:1\r\n" +
             value,
         true},
        {"[Software\\\\Other\\\\HORALO] 1\r\n" + other + "\r\n[Software\\\\Pellwick\\\\HORALO] 2\r\n" + value, true},
        {"[Software\\\\Pellwick\\\\HORALO] 2\r\n" + value + "\r\n[Software\\\\Other] 1\r\n" + other, true},
        {"[Software\\\\Pellwick\\\\HORALO\\\\Sub] 1\r\n" + other, false},
        {"[Software\\\\Pellwick\\\\HORALO] 1\r\n\"SETTINGSX\"=hex:01\r\n", false},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto bytes = RegistrySettingsBytes(c.text, error);
        EXPECT_TRUE(error.empty()) << error;
        ASSERT_EQ(bytes.has_value(), c.found) << c.text;
        if (!c.found) continue;
        const auto settings = DecodeSettings(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
        ASSERT_TRUE(settings);
        EXPECT_EQ(*settings, WithWork(6, 30));
    }
    std::string error;
    EXPECT_FALSE(RegistrySettingsBytes("[Software\\\\Pellwick\\\\HORALO]\n\"SETTINGS\"=hex:0g,01\n", error));
    EXPECT_FALSE(error.empty());
}

TEST(RegistrySettingsTest, HoursAndMinutes) {
    const struct {
        const char* text;
        bool valid;
        int hours, minutes;
    } cases[] = {{"7:00", true, 7, 0},  {"0:45", true, 0, 45}, {"12:59", true, 12, 59}, {"7:60", false, 0, 0},
                 {"7", false, 0, 0},    {":30", false, 0, 0},  {"7:5", false, 0, 0},    {"-1:00", false, 0, 0},
                 {"7:0a", false, 0, 0}, {"1000:00", false, 0, 0}};
    for (const auto& c : cases) {
        const auto value = ParseHoursMinutes(c.text);
        ASSERT_EQ(value.has_value(), c.valid) << c.text;
        if (value) {
            EXPECT_EQ(*value, std::pair(c.hours, c.minutes)) << c.text;
        }
    }
}

using CliSettingsTest = CliFolderTest;

// The same day gives the surplus of the settings' source: the file before
// the registry, the registry before the defaults, the options over both.
TEST_F(CliSettingsTest, TheSettingsSourcesInTheirOrder) {
    WriteLog(Day(2026, 2, 2, 8, 16));
    const SettingsBytes file = EncodeSettings(WithWork(6, 0));
    WriteBytes("settings.bin", std::string(file.begin(), file.end()));
    const auto surplus = [this](std::vector<std::string> extra) {
        std::vector<std::string> args{"month", "2026-03", "--format", "csv"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun run = Run(args);
        EXPECT_EQ(run.code, 0) << run.err;
        const auto rows = ParseCsv(run.out);
        return rows.size() > 2 ? rows[2][5] + "/" + rows[2][6] : run.err;
    };
    EXPECT_EQ(surplus({}), "0:15/0:00") << "no registry: the defaults";
    WriteBytes("user.reg", "WINE REGISTRY Version 2\n[Software\\\\Pellwick\\\\HORALO] 1\n" +
                               RegValue(EncodeSettings(WithWork(7, 30))));
    EXPECT_EQ(surplus({}), "0:00/0:15");
    EXPECT_EQ(surplus({"--work", "5:00"}), "2:15/0:00");
    EXPECT_EQ(surplus({"--settings", File("settings.bin")}), "1:15/0:00");
    WriteBytes("user.reg", "[Software\\\\Pellwick\\\\HORALO] 1\n\"SETTINGS\"=hex:01,02\n");
    const CliRun shortValue = Run({"month", "2026-03"});
    EXPECT_EQ(shortValue.code, 2);
    EXPECT_NE(shortValue.err.find(File("user.reg") + ": the settings hold 2 bytes"), std::string::npos)
        << shortValue.err;
}

// The tool carries copies of the language library's texts; they must be
// the library's own, byte for byte.
TEST(CliTextsTest, EveryTextIsTheLanguageLibrarysText) {
    std::ifstream rcFile(HORALO_RC_FILE, std::ios::binary);
    ASSERT_TRUE(rcFile) << HORALO_RC_FILE;
    const std::string rc(std::istreambuf_iterator<char>(rcFile), {});
    std::string ids;
    for (const char* path : {HORALO_RESOURCE_IDS_FILE, HORALO_TEXT_IDS_FILE}) {
        std::ifstream idsFile(path, std::ios::binary);
        ids.append(std::istreambuf_iterator<char>(idsFile), {});
    }
    std::map<unsigned, std::string> names;
    const std::regex define(R"(#define\s+(IDS_\w+)\s+(\d+))");
    for (std::sregex_iterator it(ids.begin(), ids.end(), define), end; it != end; ++it)
        names[static_cast<unsigned>(std::stoul((*it)[2]))] = (*it)[1];
    ASSERT_FALSE(cli::CliTexts().empty());
    for (const cli::CliText& text : cli::CliTexts()) {
        ASSERT_TRUE(names.count(text.id)) << text.id;
        const std::regex entry("\\n\\s*" + names[text.id] + "\\s+\"((?:[^\"]|\"\")*)\"");
        std::smatch match;
        ASSERT_TRUE(std::regex_search(rc, match, entry)) << names[text.id];
        std::string unescaped;
        const std::string raw = match[1];
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == 'n') unescaped += '\n', ++i;
            else if (raw[i] == '"' && i + 1 < raw.size() && raw[i + 1] == '"') unescaped += '"', ++i;
            else unescaped += raw[i];
        }
        EXPECT_EQ(unescaped, text.text) << names[text.id];
    }
}

}  // namespace
}  // namespace horalo::test
