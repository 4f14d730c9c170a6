// The program started on a log whose last record was cut short, as a user
// meets it after a power cut: the day is recorded behind the last whole
// record, and the cut bytes wait beside the log.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/timelog/cut_record.h"
#include "program_run_fixture.h"
#include "ui/main/main_dialog.h"

namespace horalo {
namespace {

using test::Int32At;

std::string Words(std::initializer_list<std::int32_t> values) {
    std::string bytes;
    for (const std::int32_t value : values)
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
    return bytes;
}

// The text of a library string before its first argument.
std::string LibraryTextUpToArguments(UINT id) {
    static const HMODULE library = LoadLibraryA((test::TestProgramFolder() + "HoraloRDLL.dll").c_str());
    char text[1024] = {};
    LoadStringA(library, id, text, sizeof text);
    const std::string whole = text;
    return whole.substr(0, whole.find('%'));
}

std::vector<std::string> CutFiles(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "horalo.log.cut-*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        names.push_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return names;
}

class CutRecordRun : public test::ProgramRun {
protected:
    void WriteLog(const std::string& bytes) {
        HANDLE file = CreateFileA((folder_ + "horalo.log").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
};

// Yesterday's whole day, then a note whose length says 20 with only 5 of
// its text bytes there.
const std::string kYesterday = Words({1, 1765090800}) + Words({0, 1765120000});
const std::string kCutNote = Words({3, 1765110000, 20}) + "Calle";

TEST_F(CutRecordRun, TheCutBytesGoBesideTheLogAndTheNewDayIsReadable) {
    CopyProgram();
    StoreSettings(DefaultSettings());
    WriteLog(kYesterday + kCutNote);
    const std::string earliest = CutFileName(Now());
    // As a Linux user's environment holds it; this test program took it away.
    SetEnvironmentVariableA("TZ", "Europe/Berlin");
    Start();
    SetEnvironmentVariableA("TZ", nullptr);
    HWND notice = test::WaitForBox(process_.dwProcessId, process_.hProcess,
                                   LibraryTextUpToArguments(IDS_LOG_CUT_SET_ASIDE));
    ASSERT_NE(notice, nullptr);
    const std::vector<std::string> cutFiles = CutFiles(folder_);
    ASSERT_EQ(cutFiles.size(), 1u);
    // Berlin's wall clock, not the C runtime's misreading of TZ.
    EXPECT_LE(earliest, cutFiles[0]);
    EXPECT_GE(CutFileName(Now()), cutFiles[0]);
    EXPECT_NE(test::BoxTexts(notice).find(folder_ + cutFiles[0]), std::string::npos) << "the notice names the file";
    EXPECT_EQ(test::ReadFile(folder_ + cutFiles[0]), kCutNote);
    // The start is recorded while the notice waits for the user.
    EXPECT_EQ(Log().size(), kYesterday.size() + 8);
    PostMessageA(notice, WM_COMMAND, IDOK, 0);

    HWND main = test::WaitForWindow(process_.dwProcessId, kMainDialogProperty, process_.hProcess);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_HORALO_QUIT_REQUEST, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);

    const std::string log = Log();
    ASSERT_EQ(log.size(), kYesterday.size() + 16);
    EXPECT_EQ(log.substr(0, kYesterday.size()), kYesterday);
    EXPECT_EQ(Int32At(log, 16), 1) << "today's WorkStart, a record of its own";
    EXPECT_EQ(Int32At(log, 24), 0) << "today's WorkEnd";
    EXPECT_GE(Int32At(log, 28), Int32At(log, 20));
    EXPECT_EQ(CutFiles(folder_).size(), 1u) << "kept";
}

TEST_F(CutRecordRun, DamageBeyondAnInterruptedWriteStopsTheStartAndChangesNothing) {
    CopyProgram();
    StoreSettings(DefaultSettings());
    // A note length no note has, with whole records behind it that must stay.
    const std::string damaged = kYesterday + Words({3, 1765110000, 100000}) + kYesterday;
    WriteLog(damaged);
    Start();
    HWND box = test::WaitForBox(process_.dwProcessId, process_.hProcess, LibraryTextUpToArguments(IDS_LOG_DAMAGED_END));
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(WaitForExit(), 0u);
    EXPECT_EQ(Log(), damaged);
    EXPECT_TRUE(CutFiles(folder_).empty());
}

}  // namespace
}  // namespace horalo
