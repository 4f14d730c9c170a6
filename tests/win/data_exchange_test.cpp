// Data exchange driven through a real dialog: members to controls and back,
// and validation that tells the user, focuses the control and stops the pass.
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "resource_ids.h"

namespace horalo::win {
namespace {

using namespace test;
using DataExchangeTest = DialogFixture;

TEST_F(DataExchangeTest, LoadPutsEveryMemberIntoItsControl) {
    ExchangeDialog& dialog = Open();  // OnInitDialog loads
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_TEXT)), "hello");
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_TEST_TEXT), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_NUMBER)), "42");
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
    const SYSTEMTIME shownTime = PickerTime(dialog.Item(IDC_TEST_TIME));
    EXPECT_EQ(shownTime.wHour, 13);
    EXPECT_EQ(shownTime.wMinute, 47);
    EXPECT_EQ(PickerTime(dialog.Item(IDC_TEST_OPTIONAL_TIME)).wHour, 6);
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_SECOND)), "7");
    EXPECT_EQ(dialog.button, GetDlgItem(dialog.Handle(), IDC_TEST_BUTTON));
    EXPECT_NE(dialog.button, nullptr);

    dialog.check = 0;
    dialog.number = 4294967295u;
    dialog.time = At(0, 0);
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_NUMBER)), "4294967295");
    EXPECT_EQ(PickerTime(dialog.Item(IDC_TEST_TIME)).wHour, 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DataExchangeTest, SaveReadsEveryControlBack) {
    ExchangeDialog& dialog = Open();
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "0123456789");  // exactly the maximum
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, " \t999  ");   // the maximum, padded
    SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    SYSTEMTIME picked = At(8, 5);
    SendMessageA(dialog.Item(IDC_TEST_TIME), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&picked));
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_SECOND, "0");
    dialog.button = nullptr;

    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.text, "0123456789");
    EXPECT_EQ(dialog.number, 999u);
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.time.wHour, 8);
    EXPECT_EQ(dialog.time.wMinute, 5);
    EXPECT_EQ(dialog.second, 0u);
    EXPECT_EQ(dialog.absentText, "kept");  // no control: the member stays
    EXPECT_EQ(dialog.button, dialog.Item(IDC_TEST_BUTTON));

    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "5");  // the minimum
    SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog.Item(IDC_TEST_OPTIONAL_TIME), DTM_SETSYSTEMTIME, GDT_NONE, 0);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 5u);
    EXPECT_EQ(dialog.check, 1);
    EXPECT_EQ(dialog.optionalTime.wHour, 6);  // a picker showing "none" keeps the member
    EXPECT_EQ(dialog.optionalTime.wMinute, 30);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DataExchangeTest, NumbersUpToTheLargest32BitValue) {
    ExchangeDialog& dialog = Open();
    dialog.numberMin = 0;
    dialog.numberMax = 4294967295u;
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "4294967295");
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 4294967295u);
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "4294967296");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.number, 4294967295u);
    EXPECT_EQ(shown.size(), 1u);
}

struct BadInput {
    int control;
    const char* input;
    UINT message;
    std::vector<const char*> numbersInMessage;
};

TEST_F(DataExchangeTest, EachValidationFailureKeepsTheDialogOpenOnTheOffendingControl) {
    const std::vector<BadInput> cases = {
        {IDC_TEST_TEXT, "01234567890", IDS_DDX_TEXT_TOO_LONG, {"10"}},
        {IDC_TEST_NUMBER, "4", IDS_DDX_NUMBER_RANGE, {"5", "999"}},
        {IDC_TEST_NUMBER, "1000", IDS_DDX_NUMBER_RANGE, {"5", "999"}},
        {IDC_TEST_NUMBER, "18446744073709551621", IDS_DDX_NUMBER_RANGE, {"5", "999"}},  // 2^64 + 5
        {IDC_TEST_NUMBER, "", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "   ", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "abc", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "12a", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "1 2", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "-5", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_NUMBER, "+7", IDS_DDX_NOT_A_NUMBER, {}},
        {IDC_TEST_SECOND, "60", IDS_DDX_NUMBER_RANGE, {"0", "59"}},
    };
    ExchangeDialog& dialog = Open();
    HWND window = dialog.Handle();
    for (const BadInput& bad : cases) {
        SCOPED_TRACE(std::string("input \"") + bad.input + "\"");
        shown.clear();
        ASSERT_TRUE(dialog.UpdateData(false));  // every control back to its member
        HWND control = dialog.Item(bad.control);
        SetWindowTextA(control, bad.input);
        SetFocus(dialog.Item(IDC_TEST_BUTTON));

        dialog.Send(IDOK);

        ASSERT_TRUE(IsWindow(window)) << "OK closed the dialog";
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
        if (!LoadText(bad.message).empty()) {
            EXPECT_FALSE(shown[0].text.empty());
            for (const char* number : bad.numbersInMessage)
                EXPECT_NE(shown[0].text.find(number), std::string::npos) << shown[0].text;
        }
        EXPECT_EQ(GetFocus(), control);
        DWORD start = 1, end = 0;
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, std::string(bad.input).size());
    }
    EXPECT_EQ(dialog.text, "hello");
    EXPECT_EQ(dialog.number, 42u);
    EXPECT_EQ(dialog.second, 7u);
}

TEST_F(DataExchangeTest, TheFirstFailureEndsThePass) {
    ExchangeDialog& dialog = Open();
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "much too long for ten");
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_NUMBER, "not a number either");
    SendMessageA(dialog.Item(IDC_TEST_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    dialog.button = nullptr;

    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_TEST_TEXT));
    EXPECT_EQ(dialog.check, 1);
    EXPECT_EQ(dialog.button, nullptr);

    // Once the text is right, the next failure is the number's.
    SetDlgItemTextA(dialog.Handle(), IDC_TEST_TEXT, "short");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_TEST_NUMBER));
    EXPECT_EQ(dialog.text, "short");
    EXPECT_EQ(dialog.check, 1);
}

}  // namespace
}  // namespace horalo::win
