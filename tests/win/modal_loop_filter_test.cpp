// A modal dialog's own loop lends the program's modeless dialogs their
// keyboard handling, and keeps its own.
#include <gtest/gtest.h>

#include <vector>

#include "dialog_fixture.h"

namespace horalo::win::test {
namespace {

using ModalLoopFilterTest = DialogFixture;

TEST_F(ModalLoopFilterTest, TabMovesOnInTheModelessDialogAndInTheModalOne) {
    ExchangeDialog& modeless = Open();
    ExchangeDialog modal;
    int step = 0;
    HWND expected = nullptr;
    std::vector<bool> movedOn;
    // Each step posts a Tab and asks for the next step behind it, so the
    // key goes through the modal dialog's loop before the focus is read.
    const auto tab = [&](ExchangeDialog& dialog, ExchangeDialog& owner) {
        SetFocus(owner.Item(IDC_TEST_TEXT));
        expected = owner.Item(IDC_TEST_NUMBER);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        PostMessageA(dialog.Handle(), kRunScript, 0, 0);
    };
    modal.script = [&](ExchangeDialog& dialog) {
        if (step > 0) movedOn.push_back(GetFocus() == expected);
        if (step == 0) tab(dialog, modeless);
        if (step == 1) tab(dialog, dialog);
        if (step == 2) dialog.EndDialog(IDOK);
        ++step;
    };
    ASSERT_EQ(modal.RunModal(), IDOK);
    EXPECT_EQ(movedOn, (std::vector<bool>{true, true})) << "the modeless dialog's Tab, then the modal one's";
}

}  // namespace
}  // namespace horalo::win::test
