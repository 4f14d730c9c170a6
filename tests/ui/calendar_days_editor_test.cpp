// The special-entries editor run modally as the main dialog runs it, driven
// by a script inside its own loop, over a list loaded from a horalo.spc in
// a temporary program folder. Checked afterwards: the program's list, the
// names the box listed, the messages, and the file read back by the core.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/calendar/year_info.h"
#include "core/calendar_days/calendar_day_table.h"
#include "core/calendar_days/calendar_entry_file.h"
#include "dialog_fixture.h"
#include "modal_script.h"
#include "resource_ids.h"
#include "ui/app_services.h"
#include "ui/extras/calendar_days_editor.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {
namespace {

using test::ModalScript;

constexpr char kUntouched[] = "written by the test, never by the program";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

SpecialEntry Entry(const char* name, std::int16_t day, std::int32_t month) {
    SpecialEntry entry;
    entry.name = name;
    entry.day = day;
    entry.month = month;
    return entry;
}

// Each field away from 0 in one entry or another, negative numbers too.
SpecialEntryList Initial() {
    SpecialEntry eve = Entry("Mother's Day Eve", 0, 4);
    eve.ordinal = 2;
    eve.weekday = 6;
    eve.offset = -1;
    eve.weekdayRule = eve.extra = true;
    SpecialEntry ash = Entry("Ash Wednesday", -46, 0);
    ash.easter = true;
    ash.secondText = "Aschermittwoch";
    SpecialEntry year = Entry("New Year", 1, 0);
    year.holiday = true;
    SpecialEntryList list;
    for (SpecialEntry* entry : {&eve, &ash, &year}) list.Append(*entry);
    return list;
}

const std::vector<std::string> kInitialNames = {"Mother's Day Eve", "Ash Wednesday", "New Year"};

class TestHost : public Host {
public:
    std::string ProgramFolder() override { return folder; }
    std::string LoadText(unsigned stringId) override { return win::LoadText(stringId); }

    std::string folder;
};

class TestServices : public AppServices {
public:
    Host& host() override { return host_; }
    SettingsRecord& settings() override { return settings_; }
    SpecialEntryStore& specialDays() override { return store_; }
    ReminderSettings& reminders() override { return reminders_; }
    void StoreSettings() override {}
    void OptionsStored() override {}
    void KeepLastSeen(const LastSeen&) override {}
    std::optional<WindowPlace> KeptPlace(WindowId) override { return std::nullopt; }
    void KeepPlace(WindowId, const WindowPlace&) override {}
    void ShowHelp(HelpTopic) override {}
    void OpenPreview(int, int, HWND) override {}
    void OpenYear(int) override {}
    void OpenCalendar() override {}
    void WatchLog(LogWatcher&) override {}
    void UnwatchLog(LogWatcher&) override {}

    TestHost host_;
    SettingsRecord settings_;
    ReminderSettings reminders_;
    SpecialEntryStore store_{host_};
};

// Dialog controls, read and set as the user sees and types them.
std::string Text(HWND dialog, int id) { return win::test::TextOf(GetDlgItem(dialog, id)); }
int Selected(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }
bool Ticked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// The Close button, or the title bar's close box (as Escape: cancel).
void Close(HWND dialog, int how) {
    if (how == IDOK) return Click(dialog, IDOK);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}
bool RuleEnabled(HWND dialog) {
    const bool weekday = IsWindowEnabled(GetDlgItem(dialog, IDC_SPECIAL_WEEKDAY));
    EXPECT_EQ(weekday, IsWindowEnabled(GetDlgItem(dialog, IDC_SPECIAL_ORDINAL)) != FALSE);
    return weekday;
}

std::vector<std::string> Items(HWND dialog, int id) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[300] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// Runs posted input through the dialog as its own loop does.
void Pump(HWND dialog) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dialog, &message)) DispatchMessageA(&message);
}

HWND NameEdit(HWND dialog) { return FindWindowExA(GetDlgItem(dialog, IDC_SPECIAL_NAME), nullptr, "Edit", nullptr); }

// The user steps onto a name of the box's list with an arrow key, from its
// neighbour. As with any real selection, the box's edit still shows the
// neighbour's name when the box reports the new selection.
void SelectName(HWND dialog, int index) {
    const int from = index > 0 ? index - 1 : 1;
    SendDlgItemMessageA(dialog, IDC_SPECIAL_NAME, CB_SETCURSEL, from, 0);
    PostMessageA(NameEdit(dialog), WM_KEYDOWN, index > from ? VK_DOWN : VK_UP, 1);
    Pump(dialog);
    ASSERT_EQ(Selected(dialog, IDC_SPECIAL_NAME), index);
}

// What the form shows, as an entry; empty texts count as none.
SpecialEntry Shown(HWND dialog) {
    SpecialEntry entry;
    if (std::string name = Text(dialog, IDC_SPECIAL_NAME); !name.empty()) entry.name = name;
    if (std::string text = Text(dialog, IDC_SPECIAL_TEXT); !text.empty()) entry.secondText = text;
    entry.month = Selected(dialog, IDC_SPECIAL_MONTH);
    entry.weekday = Selected(dialog, IDC_SPECIAL_WEEKDAY);
    entry.easter = Ticked(dialog, IDC_SPECIAL_EASTER);
    entry.weekdayRule = Ticked(dialog, IDC_SPECIAL_WEEKDAY_RULE);
    entry.extra = Ticked(dialog, IDC_SPECIAL_EXTRA);
    entry.holiday = Ticked(dialog, IDC_SPECIAL_HOLIDAY);
    entry.day = static_cast<std::int16_t>(std::stoi(Text(dialog, IDC_SPECIAL_DAY)));
    entry.offset = static_cast<std::int16_t>(std::stoi(Text(dialog, IDC_SPECIAL_OFFSET)));
    entry.ordinal = static_cast<std::int16_t>(std::stoi(Text(dialog, IDC_SPECIAL_ORDINAL)));
    return entry;
}

// Types the entry into the form, the weekday rule's tick last so that the
// ordinal and weekday are typed while they are enabled.
void Type(HWND dialog, const SpecialEntry& entry) {
    SetDlgItemTextA(dialog, IDC_SPECIAL_NAME, entry.name.value_or("").c_str());
    SetDlgItemTextA(dialog, IDC_SPECIAL_TEXT, entry.secondText.value_or("").c_str());
    SendDlgItemMessageA(dialog, IDC_SPECIAL_MONTH, CB_SETCURSEL, entry.month, 0);
    SendDlgItemMessageA(dialog, IDC_SPECIAL_WEEKDAY, CB_SETCURSEL, entry.weekday, 0);
    const std::pair<int, bool> boxes[] = {{IDC_SPECIAL_EASTER, entry.easter},
                                          {IDC_SPECIAL_EXTRA, entry.extra},
                                          {IDC_SPECIAL_HOLIDAY, entry.holiday}};
    for (const auto& [id, ticked] : boxes)
        if (Ticked(dialog, id) != ticked) Click(dialog, id);
    SetDlgItemTextA(dialog, IDC_SPECIAL_DAY, std::to_string(entry.day).c_str());
    SetDlgItemTextA(dialog, IDC_SPECIAL_OFFSET, std::to_string(entry.offset).c_str());
    if (!RuleEnabled(dialog)) Click(dialog, IDC_SPECIAL_WEEKDAY_RULE);
    SetDlgItemTextA(dialog, IDC_SPECIAL_ORDINAL, std::to_string(entry.ordinal).c_str());
    if (!entry.weekdayRule) Click(dialog, IDC_SPECIAL_WEEKDAY_RULE);
}

class SpecialEntriesEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(win::test::LanguageLibrary(), nullptr) << "HoraloRDLL.dll beside the test program";
        win::SetResourceModule(win::test::LanguageLibrary());
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "Horalo spc " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        app_.host_.folder = folder_;
        win::SetMessageBoxHook([this](const std::string& text, UINT style) {
            told_.push_back(text);
            toldStyles_.push_back(style);
            return IDOK;
        });
    }

    void TearDown() override {
        win::SetMessageBoxHook({});
        DeleteFileA(Spc().c_str());
        RemoveDirectoryA((Spc() + ".new").c_str());
        DeleteFileA((Spc() + ".new").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // The program's list as loaded at start; the file then holds bytes that
    // no save would write, so any write shows.
    void Load(const SpecialEntryList& list) {
        ASSERT_EQ(WriteSpecialFile(Spc(), list), kSpecialFileOk);
        ASSERT_EQ(app_.specialDays().Load(), std::nullopt);
        HANDLE file = CreateFileA(Spc().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, kUntouched, sizeof kUntouched - 1, &written, nullptr);
        CloseHandle(file);
    }

    // Runs the editor as the main dialog does; the script must close it.
    void Run(std::function<void(HWND)> script) {
        ModalScript driver(IDC_SPECIAL_WEEKDAY_RULE, std::move(script));
        SpecialEntriesEditor(app_).RunModal(nullptr);
        EXPECT_TRUE(driver.Ran()) << "the editor never showed";
        EXPECT_FALSE(driver.Rescued()) << "the script left the editor open";
    }

    const SpecialEntryList& List() { return app_.specialDays().entries(); }
    std::string Spc() const { return folder_ + kSpecialFileName; }
    SpecialEntryList FileList() const {
        SpecialEntryList list;
        EXPECT_EQ(ReadSpecialFile(Spc(), list), kSpecialFileOk);
        return list;
    }

    std::string folder_;
    TestServices app_;
    std::vector<std::string> told_;  // every message box shown, the editor's and the save's
    std::vector<UINT> toldStyles_;   // their styles
};

// Opened on the first entry (or on an empty form), then each name picked
// from the box shows its entry.
TEST_F(SpecialEntriesEditorTest, ShowsTheFirstEntryOrAnEmptyFormThenEachSelectedEntry) {
    for (const SpecialEntryList& list : {Initial(), SpecialEntryList{}}) {
        Load(list);
        Run([&](HWND dialog) {
            const std::vector<SpecialEntry> entries(list.begin(), list.end());
            EXPECT_EQ(Items(dialog, IDC_SPECIAL_NAME).size(), entries.size());
            const SpecialEntry first = entries.empty() ? SpecialEntry{} : entries.front();
            EXPECT_EQ(Shown(dialog), first);
            EXPECT_EQ(RuleEnabled(dialog), first.weekdayRule);
            for (int index = static_cast<int>(entries.size()) - 1; index >= 0; --index) {
                SelectName(dialog, index);
                EXPECT_EQ(Shown(dialog), entries[index]) << index;
                EXPECT_EQ(RuleEnabled(dialog), entries[index].weekdayRule) << index;
            }
            const std::vector<std::string> months = Items(dialog, IDC_SPECIAL_MONTH);
            ASSERT_EQ(months.size(), 12u);
            EXPECT_EQ(months.front(), "January");
            EXPECT_EQ(Items(dialog, IDC_SPECIAL_WEEKDAY),
                      (std::vector<std::string>{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
                                                "Sunday"}));
            Click(dialog, IDOK);
        });
    }
}

TEST_F(SpecialEntriesEditorTest, CommandsWithoutEffectChangeNeitherListNorBoxNorFile) {
    struct Case {
        const char* what;
        std::function<void(HWND)> act;
        std::vector<int> fieldTold;  // the number edits the user was told about
        int close;
    };
    const auto store = [](const char* name, int id, const char* number) {
        return [=](HWND dialog) {
            SpecialEntry entry = Entry(name, 3, 3);
            entry.weekdayRule = true;  // every number edit enabled
            Type(dialog, entry);
            SetDlgItemTextA(dialog, id, number);
            Click(dialog, IDC_SPECIAL_STORE);
        };
    };
    const Case cases[] = {
        {"look at every entry",
         [](HWND d) {
             for (int index : {2, 1, 0}) SelectName(d, index);
         },
         {}, IDCANCEL},
        {"store without a name", store("", IDC_SPECIAL_DAY, "x"), {}, IDOK},
        {"delete right after opening", [](HWND d) { Click(d, IDC_SPECIAL_DELETE); }, {}, IDCANCEL},
        {"delete an empty name after a selection",
         [](HWND d) {
             SelectName(d, 1);
             SetDlgItemTextA(d, IDC_SPECIAL_NAME, "");
             Click(d, IDC_SPECIAL_DELETE);
         },
         {}, IDOK},
        {"delete an unknown name after a selection",
         [](HWND d) {
             SelectName(d, 1);
             SetDlgItemTextA(d, IDC_SPECIAL_NAME, "new year");  // names match case and all
             Click(d, IDC_SPECIAL_DELETE);
         },
         {}, IDOK},
        {"store a day that is no number", store("Day", IDC_SPECIAL_DAY, "12x"), {IDC_SPECIAL_DAY}, IDOK},
        {"store an ordinal beyond 16 bits", store("Day", IDC_SPECIAL_ORDINAL, "32768"), {IDC_SPECIAL_ORDINAL},
         IDCANCEL},
        {"store an offset below 16 bits", store("Day", IDC_SPECIAL_OFFSET, "-32769"), {IDC_SPECIAL_OFFSET}, IDOK},
        {"store an empty day", store("Day", IDC_SPECIAL_DAY, ""), {IDC_SPECIAL_DAY}, IDOK},
    };
    Load(Initial());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        told_.clear();
        Run([&](HWND dialog) {
            c.act(dialog);
            EXPECT_EQ(Items(dialog, IDC_SPECIAL_NAME), kInitialNames);
            EXPECT_EQ(told_.size(), c.fieldTold.size());
            if (!c.fieldTold.empty()) {
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, c.fieldTold[0]));
            }
            Close(dialog, c.close);
        });
        EXPECT_EQ(told_.size(), c.fieldTold.size()) << "nothing saved, nothing more told";
        EXPECT_EQ(List(), Initial());
        EXPECT_EQ(ReadBytes(Spc()), kUntouched);
    }
}

TEST_F(SpecialEntriesEditorTest, StoreAddsANewNameOrReplacesTheEntryOfItsName) {
    SpecialEntry carnival = Entry("Carnival Monday", -48, 11);
    carnival.easter = carnival.holiday = carnival.extra = carnival.weekdayRule = true;
    carnival.secondText = "Rosenmontag";
    carnival.offset = -32768;
    carnival.ordinal = 32767;
    carnival.weekday = 0;
    SpecialEntry ash = Entry("Ash Wednesday", 22, 10);  // replaced; its second text goes
    ash.weekdayRule = true;
    ash.ordinal = -1;
    ash.weekday = 2;
    SpecialEntry lower = Entry("new year", 2, 0);  // another name than "New Year"

    struct Case {
        SpecialEntry typed;
        int replaces;  // the element it replaces, -1 appended
        int close;
    };
    for (const Case& c : {Case{carnival, -1, IDOK}, Case{ash, 1, IDCANCEL}, Case{lower, -1, IDOK}}) {
        SCOPED_TRACE(*c.typed.name);
        Load(Initial());
        SpecialEntryList expected;
        int index = 0;
        for (const SpecialEntry& entry : Initial()) expected.Append(index++ == c.replaces ? c.typed : entry);
        std::vector<std::string> names = kInitialNames;
        if (c.replaces < 0) {
            expected.Append(c.typed);
            names.push_back(*c.typed.name);
        }
        Run([&](HWND dialog) {
            Type(dialog, c.typed);
            Click(dialog, IDC_SPECIAL_STORE);
            EXPECT_EQ(Items(dialog, IDC_SPECIAL_NAME), names);
            EXPECT_EQ(List(), expected);
            EXPECT_EQ(ReadBytes(Spc()), kUntouched) << "written before the editor closed";
            Close(dialog, c.close);
        });
        EXPECT_EQ(List(), expected) << "the list must outlive the save";
        EXPECT_EQ(FileList(), expected);
    }
    EXPECT_TRUE(told_.empty());
}

// The day is computed from the ordinal alone: stored with the rule unticked,
// the greyed ordinal must not move it. The weekday stays for a later tick.
TEST_F(SpecialEntriesEditorTest, WeekdayRuleTickEnablesItsControlsAndUntickedStoresNoOrdinal) {
    const struct {
        bool ticked;
        std::int16_t ordinal;
        int dayOfYear;  // in 2026: the day before the second Sunday after 30 April, or before 30 April
    } cases[] = {{true, 2, 129}, {false, 0, 119}};
    for (const auto& c : cases) {
        Load(Initial());  // the first entry has the rule ticked, its ordinal 2, its weekday Sunday
        Run([&](HWND dialog) {
            for (bool enabled : {false, true, false}) {
                Click(dialog, IDC_SPECIAL_WEEKDAY_RULE);
                EXPECT_EQ(RuleEnabled(dialog), enabled);
            }
            SelectName(dialog, 0);  // shown again with the rule: enabled again, 2 in the ordinal
            EXPECT_TRUE(RuleEnabled(dialog));
            if (!c.ticked) Click(dialog, IDC_SPECIAL_WEEKDAY_RULE);
            Click(dialog, IDC_SPECIAL_STORE);
            Click(dialog, IDOK);
        });
        SpecialEntry expected = Initial().front();
        expected.weekdayRule = c.ticked;
        expected.ordinal = c.ordinal;
        ASSERT_FALSE(List().empty());
        EXPECT_EQ(List().front(), expected) << c.ticked;
        EXPECT_EQ(FileList(), List());
        EXPECT_EQ(SpecialEntryDay(List().front(), MakeYearInfo(2026)), c.dayOfYear) << c.ticked;
    }
}

TEST_F(SpecialEntriesEditorTest, DeleteAfterASelectionRemovesTheEntryAndItsName) {
    struct Case {
        int select;
        const char* typed;  // nullptr: the selected name as it is
        int removed;
    };
    // The second case types another name than the selected one: the name
    // that goes from the box must be the one deleted.
    for (const Case& c : {Case{1, nullptr, 1}, Case{0, "New Year", 2}}) {
        Load(Initial());
        SpecialEntryList expected;
        std::vector<std::string> names;
        int index = 0;
        for (const SpecialEntry& entry : Initial())
            if (index++ != c.removed) {
                expected.Append(entry);
                names.push_back(*entry.name);
            }
        Run([&](HWND dialog) {
            SelectName(dialog, c.select);
            if (c.typed) SetDlgItemTextA(dialog, IDC_SPECIAL_NAME, c.typed);
            Click(dialog, IDC_SPECIAL_DELETE);
            EXPECT_EQ(Items(dialog, IDC_SPECIAL_NAME), names);
            Click(dialog, IDC_SPECIAL_DELETE);  // gone already: nothing more
            EXPECT_EQ(Items(dialog, IDC_SPECIAL_NAME), names);
            Close(dialog, IDCANCEL);
        });
        EXPECT_EQ(List(), expected);
        EXPECT_EQ(FileList(), expected);
    }
}

// Enter in the name box stores what was typed; the dialog stays open.
TEST_F(SpecialEntriesEditorTest, EnterInTheNameBoxStores) {
    Load(Initial());
    Run([&](HWND dialog) {
        HWND edit = NameEdit(dialog);
        ASSERT_NE(edit, nullptr);
        SetFocus(edit);
        SetWindowTextA(edit, "Typed Day");
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
        Pump(dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(Items(dialog, IDC_SPECIAL_NAME).back(), "Typed Day");
        Click(dialog, IDOK);
    });
    ASSERT_EQ(List().size(), 4u);
    EXPECT_EQ(List().back().name, "Typed Day");
    EXPECT_EQ(FileList(), List());
}

TEST_F(SpecialEntriesEditorTest, AFailedSaveKeepsTheOldFileAndTheListAndTellsOnce) {
    struct Case {
        const char* what;
        std::function<HANDLE(const std::string& spc)> obstruct;
    };
    const Case cases[] = {
        {"the file is held open without sharing its deletion",
         [](const std::string& spc) {
             return CreateFileA(spc.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
        {"the new file cannot be made beside it",
         [](const std::string& spc) {
             CreateDirectoryA((spc + ".new").c_str(), nullptr);
             return INVALID_HANDLE_VALUE;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(Initial());
        told_.clear();
        toldStyles_.clear();
        const HANDLE held = c.obstruct(Spc());
        Run([&](HWND dialog) {
            Type(dialog, Entry("Unsaved Day", 5, 5));
            Click(dialog, IDC_SPECIAL_STORE);
            Click(dialog, IDOK);
        });
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        RemoveDirectoryA((Spc() + ".new").c_str());
        EXPECT_EQ(told_, std::vector<std::string>{win::LoadText(IDS_SPECIAL_WRITE_FAILED)});
        EXPECT_EQ(toldStyles_, std::vector<UINT>{kMessageStop});
        EXPECT_EQ(ReadBytes(Spc()), kUntouched);

        // The program's end saves the list the editor left.
        SpecialEntryList expected = Initial();
        expected.Append(Entry("Unsaved Day", 5, 5));
        EXPECT_EQ(List(), expected);
        EXPECT_EQ(app_.specialDays().Save(), std::nullopt);
        EXPECT_EQ(FileList(), expected);
    }
}

}  // namespace
}  // namespace horalo
