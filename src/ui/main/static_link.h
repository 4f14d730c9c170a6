#pragma once
// A static text of a dialog that behaves as a hyperlink: underlined, blue
// until opened and purple afterwards, opened with the shell on a click.
//
// Our dialog layer reflects no messages to controls, so the link hooks its
// dialog (a comctl32 subclass, chained) and takes from it the two messages
// that concern this control only: its click notification and its colouring.
// Everything else reaches the dialog as before.
#include <windows.h>

#include <functional>
#include <string>

namespace horalo {

class CStaticLink {
public:
    CStaticLink() = default;
    ~CStaticLink();
    CStaticLink(const CStaticLink&) = delete;
    CStaticLink& operator=(const CStaticLink&) = delete;

    // False when the dialog has no such control. A second Attach moves the
    // link to the new control.
    bool Attach(HWND dialog, int controlId);
    bool Visited() const { return visited_ != 0; }

    // Opens a link and returns the shell's result (above 32 on success).
    // Tests replace it; an empty function restores ShellExecuteA.
    using Opener = std::function<INT_PTR(const std::string& link)>;
    static void SetOpener(Opener opener);

private:
    static LRESULT CALLBACK DialogHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
    void Detach();
    void OnClick();
    // nullptr when the control is no text control: the dialog colours it.
    HBRUSH OnColor(HDC dc);

    COLORREF unvisitedColor_ = 0x00FF0000;
    COLORREF visitedColor_ = 0x00800080;
    int visited_ = 0;
    std::string link_;  // empty: the control's own text
    HFONT font_ = nullptr;          // the control's font, underlined
    HFONT originalFont_ = nullptr;  // given back when the link goes
    HWND dialog_ = nullptr;
    HWND control_ = nullptr;
};

}  // namespace horalo
