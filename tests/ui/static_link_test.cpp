// The hyperlink control on a window of its own: colouring and font through
// the parent's messages, clicks through the static's own notification, and
// the shell replaced by a recorder.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/main/static_link.h"

namespace horalo {
namespace {

constexpr int kLinkId = 20001;
constexpr int kOtherId = 20002;
constexpr int kIconId = 20003;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kPurple = 0x00800080;
const char kAddress[] = "https://pellwick.example/horalo";

class StaticLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "HoraloLinkTestParent";
        RegisterClassA(&windowClass);
        parent = CreateWindowExA(0, windowClass.lpszClassName, "Links", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        font = CreateFontA(-24, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY,
                           0, "Arial");
        link = Child(kAddress, SS_LEFT, kLinkId, 10);
        other = Child("plain", SS_LEFT, kOtherId, 60);
        SendMessageA(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        CStaticLink::SetOpener([this](const std::string& opened) {
            this->opened.push_back(opened);
            return openResult;
        });
        dc = CreateCompatibleDC(nullptr);
    }
    void TearDown() override {
        CStaticLink::SetOpener({});
        DeleteDC(dc);
        if (IsWindow(parent)) DestroyWindow(parent);
        DeleteObject(font);
    }

    HWND Child(const char* text, DWORD style, int id, int top) {
        return CreateWindowExA(0, "Static", text, WS_CHILD | WS_VISIBLE | style, 10, top, 360, 40, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }
    HBRUSH Colour(HWND control) {
        SetTextColor(dc, 0x00123456);
        return reinterpret_cast<HBRUSH>(
            SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    }
    void ClickLink() { SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    bool NeedsRepaint() {
        RECT update{};
        return GetUpdateRect(link, &update, FALSE) != FALSE;
    }

    HWND parent = nullptr;
    HWND link = nullptr;
    HWND other = nullptr;
    HFONT font = nullptr;
    HDC dc = nullptr;
    std::vector<std::string> opened;
    INT_PTR openResult = 42;
};

TEST_F(StaticLinkTest, ColoursOnlyItsOwnTextControlUnderlinedInItsFont) {
    const HBRUSH plainBrush = Colour(other);
    const COLORREF plainText = GetTextColor(dc);
    ASSERT_NE(plainBrush, GetStockObject(NULL_BRUSH));
    ASSERT_NE(plainText, kBlue);

    CStaticLink hyperlink;
    EXPECT_FALSE(hyperlink.Attach(parent, 999));
    ASSERT_TRUE(hyperlink.Attach(parent, kLinkId));
    EXPECT_TRUE(GetWindowLongPtrA(link, GWL_STYLE) & SS_NOTIFY) << "clicks would not be reported";

    EXPECT_EQ(Colour(link), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetTextColor(dc), kBlue);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    LOGFONTA selected{}, original{};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(selected), &selected);
    GetObjectA(font, sizeof(original), &original);
    EXPECT_TRUE(selected.lfUnderline);
    EXPECT_EQ(selected.lfHeight, original.lfHeight);
    EXPECT_STREQ(selected.lfFaceName, original.lfFaceName);

    // Other statics of the dialog keep the dialog's own colouring.
    EXPECT_EQ(Colour(other), plainBrush);
    EXPECT_EQ(GetTextColor(dc), plainText);

    // Not a text control: left to the dialog too.
    SetWindowLongPtrA(link, GWL_STYLE, (GetWindowLongPtrA(link, GWL_STYLE) & ~0xFF) | SS_BLACKRECT);
    EXPECT_EQ(Colour(link), plainBrush);
    EXPECT_EQ(GetTextColor(dc), plainText);
}

TEST_F(StaticLinkTest, SuccessfulClickOpensTheTextAndTurnsPurple) {
    CStaticLink hyperlink;
    ASSERT_TRUE(hyperlink.Attach(parent, kLinkId));
    UpdateWindow(parent);
    ValidateRect(link, nullptr);

    ClickLink();
    ASSERT_EQ(opened, std::vector<std::string>{kAddress});
    EXPECT_TRUE(hyperlink.Visited());
    EXPECT_TRUE(NeedsRepaint());
    Colour(link);
    EXPECT_EQ(GetTextColor(dc), kPurple);

    // Opened again on every click, still from the text of the first.
    SetWindowTextA(link, "changed");
    ClickLink();
    EXPECT_EQ(opened, (std::vector<std::string>{kAddress, kAddress}));
    Colour(link);
    EXPECT_EQ(GetTextColor(dc), kPurple);
}

TEST_F(StaticLinkTest, FailedOpenKeepsTheColour) {
    openResult = SE_ERR_NOASSOC;
    CStaticLink hyperlink;
    ASSERT_TRUE(hyperlink.Attach(parent, kLinkId));
    UpdateWindow(parent);
    ValidateRect(link, nullptr);

    ClickLink();
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_FALSE(hyperlink.Visited());
    EXPECT_FALSE(NeedsRepaint());
    Colour(link);
    EXPECT_EQ(GetTextColor(dc), kBlue);

    openResult = 32;  // the last failure code
    ClickLink();
    EXPECT_FALSE(hyperlink.Visited());
}

TEST_F(StaticLinkTest, DrawsTheTextBlueAndUnderlined) {
    CStaticLink hyperlink;
    ASSERT_TRUE(hyperlink.Attach(parent, kLinkId));
    RECT area;
    GetClientRect(link, &area);
    HDC screen = GetDC(link);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageA(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);

    int bluePixels = 0;
    int longestRun = 0;
    for (int y = 0; y < area.bottom; ++y) {
        int run = 0;
        for (int x = 0; x < area.right; ++x) {
            const bool blue = GetPixel(memory, x, y) == kBlue;
            bluePixels += blue;
            run = blue ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(link, screen);
    EXPECT_GT(bluePixels, 0);
    EXPECT_GT(longestRun, 100) << "no underline under the text";
}

TEST_F(StaticLinkTest, AfterTheLinkIsGoneTheControlIsPlainAgain) {
    {
        CStaticLink hyperlink;
        ASSERT_TRUE(hyperlink.Attach(parent, kLinkId));
    }
    EXPECT_NE(Colour(link), GetStockObject(NULL_BRUSH));
    ClickLink();
    EXPECT_TRUE(opened.empty());

    // Gone after drawing: the control has its own font back, not a deleted one.
    {
        CStaticLink hyperlink;
        ASSERT_TRUE(hyperlink.Attach(parent, kLinkId));
        Colour(link);
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), font);
}

}  // namespace
}  // namespace horalo
