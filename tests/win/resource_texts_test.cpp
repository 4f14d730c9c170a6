// Texts of any length from the resource module, printf-style formatting and
// the message-box hook.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "test_ids.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo::win {
namespace {

// The test program's own string table stands in for the language library.
class ResourceTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = ResourceModule();
        SetResourceModule(GetModuleHandleA(nullptr));
    }
    void TearDown() override {
        SetResourceModule(previous_);
        SetMessageBoxHook({});
    }

private:
    HINSTANCE previous_ = nullptr;
};

std::string LongText() {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "0123456789";
    return text;
}

TEST_F(ResourceTextsTest, TextsAreNeitherTruncatedNorInvented) {
    EXPECT_EQ(ResourceModule(), GetModuleHandleA(nullptr));
    EXPECT_EQ(LoadText(IDS_TEST_PLAIN), "plain text");
    EXPECT_EQ(LoadText(IDS_TEST_LONG), LongText());
    EXPECT_EQ(LoadText(9998), "");

    const std::string argument = LongText() + LongText();
    EXPECT_EQ(FormatText(IDS_TEST_FORMAT, argument.c_str(), 4000000000u), argument + "|4000000000");
    EXPECT_EQ(FormatText(IDS_TEST_FORMAT, "", 0u), "|0");
    EXPECT_EQ(FormatText(9998, "unused", 1u), "");
}

TEST_F(ResourceTextsTest, MessagesGoToTheHookWithTheirStyle) {
    std::string text;
    UINT style = 0;
    int calls = 0;
    SetMessageBoxHook([&](const std::string& shownText, UINT shownStyle) {
        text = shownText;
        style = shownStyle;
        ++calls;
        return IDNO;
    });
    EXPECT_EQ(ShowMessageId(nullptr, IDS_TEST_PLAIN, MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(text, "plain text");
    EXPECT_EQ(style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));

    EXPECT_EQ(ShowMessageBox(nullptr, "direct", MB_ICONHAND), IDNO);
    EXPECT_EQ(text, "direct");
    EXPECT_EQ(style, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace horalo::win
