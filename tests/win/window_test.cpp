// The layer for windows that are no dialogs, and the one message loop that
// gives every modeless dialog its keyboard and the active frame its
// accelerators.
#include <memory>
#include <vector>

#include "dialog_fixture.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace horalo::win::test {
namespace {

constexpr UINT kDestroyInHandler = WM_APP + 10;
constexpr WORD kRefreshCommand = 123;

// A frame that records what reaches it and may own itself.
class TestFrame : public Window {
public:
    TestFrame(bool ownsItself, bool* deleted) : ownsItself_(ownsItself), deleted_(deleted) {}
    ~TestFrame() override {
        if (deleted_) *deleted_ = true;
    }
    bool Open(bool failCreation = false) {
        failCreation_ = failCreation;
        return Create({"HoraloTestFrame"}, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {10, 10, 300, 200});
    }

    std::vector<UINT> messages;
    std::vector<WORD> commands;
    bool* aliveAfterItsDestroy = nullptr;  // set by the handler that destroys the window

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        if (message == WM_CREATE && failCreation_) return -1;
        if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
        if (message == kDestroyInHandler) {
            bool* alive = aliveAfterItsDestroy;
            DestroyWindow(Handle());
            if (alive) *alive = !*deleted_;
            return 0;
        }
        return Window::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {
        if (ownsItself_) delete this;
    }

private:
    bool ownsItself_;
    bool failCreation_ = false;
    bool* deleted_;
};

class WindowTest : public DialogFixture {};

TEST_F(WindowTest, TheObjectTravelsWithTheCreationAndAFrameThatOwnsItselfGoesAfterItsLastMessage) {
    bool deleted = false;
    auto* frame = new TestFrame(true, &deleted);
    ASSERT_TRUE(frame->Open());
    HWND window = frame->Handle();
    EXPECT_EQ(frame->messages.front(), static_cast<UINT>(WM_NCCREATE)) << "no message before it is lost";
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(frame));

    bool alive = false;
    frame->aliveAfterItsDestroy = &alive;
    SendMessageA(window, kDestroyInHandler, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(alive) << "the handler that destroyed the window still had its object";
    EXPECT_TRUE(deleted) << "deleted once the window is gone";
}

TEST_F(WindowTest, AFrameOwnedByItsCallerStaysAndAFailedCreationLeavesNoWindow) {
    bool deleted = false;
    HWND window = nullptr;
    {
        TestFrame frame(false, &deleted);
        EXPECT_FALSE(frame.Open(true));
        EXPECT_EQ(frame.Handle(), nullptr);
        EXPECT_FALSE(deleted);
        ASSERT_TRUE(frame.Open());
        window = frame.Handle();
        SendMessageA(window, kDestroyInHandler, 0, 0);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(deleted);
        EXPECT_EQ(frame.Handle(), nullptr);
        ASSERT_TRUE(frame.Open()) << "the object can make a window again";
        window = frame.Handle();
    }
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(window)) << "deleting the object takes its window with it";
}

MSG KeyDown(HWND window, WPARAM key) {
    MSG message{};
    message.hwnd = window;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    return message;
}

TEST_F(WindowTest, TheLoopGivesEveryModelessDialogItsKeyboard) {
    ExchangeDialog& first = Open();
    ExchangeDialog& second = Open();
    SetActiveWindow(second.Handle());
    SetFocus(second.Item(IDC_TEST_TEXT));
    ASSERT_EQ(GetFocus(), second.Item(IDC_TEST_TEXT));
    MSG tab = KeyDown(GetFocus(), VK_TAB);
    EXPECT_TRUE(PreTranslate(tab));
    EXPECT_EQ(GetFocus(), second.Item(IDC_TEST_NUMBER)) << "Tab moves on in the dialog that has it";

    SetActiveWindow(first.Handle());
    SetFocus(first.Item(IDC_TEST_NUMBER));
    tab = KeyDown(GetFocus(), VK_TAB);
    EXPECT_TRUE(PreTranslate(tab));
    EXPECT_EQ(GetFocus(), first.Item(IDC_TEST_CHECK));

    // Gone, a dialog is forgotten: its keys are dispatched as any others.
    HWND edit = second.Item(IDC_TEST_TEXT);
    MSG stale = KeyDown(edit, VK_TAB);
    DestroyWindow(second.Handle());
    EXPECT_FALSE(PreTranslate(stale));
}

TEST_F(WindowTest, AFramesAcceleratorsWorkOnlyWhileItIsActive) {
    ACCEL refresh{FVIRTKEY, VK_F5, kRefreshCommand};
    HACCEL table = CreateAcceleratorTableA(&refresh, 1);
    TestFrame frame(false, nullptr);
    ASSERT_TRUE(frame.Open());
    frame.SetAccelerators(table);
    ExchangeDialog& dialog = Open();

    SetActiveWindow(frame.Handle());
    ASSERT_EQ(GetActiveWindow(), frame.Handle());
    MSG key = KeyDown(frame.Handle(), VK_F5);
    EXPECT_TRUE(PreTranslate(key));
    EXPECT_EQ(frame.commands, std::vector<WORD>{kRefreshCommand});

    SetActiveWindow(dialog.Handle());
    key = KeyDown(dialog.Item(IDC_TEST_TEXT), VK_F5);
    PreTranslate(key);
    EXPECT_EQ(frame.commands.size(), 1u) << "F5 in another window is that window's";
    DestroyWindow(frame.Handle());
    DestroyAcceleratorTable(table);
}

TEST_F(WindowTest, TheLoopEndsWithTheQuitMessagesCode) {
    PostQuitMessage(7);
    EXPECT_EQ(RunMessageLoop(), 7);
}

}  // namespace
}  // namespace horalo::win::test
