#include "print/preview_canvas.h"

#include <algorithm>

namespace horalo {
namespace {

ScrollCode CodeOf(WORD request) {
    switch (request) {
    case SB_LINEUP: return ScrollCode::LineUp;
    case SB_LINEDOWN: return ScrollCode::LineDown;
    case SB_PAGEUP: return ScrollCode::PageUp;
    case SB_PAGEDOWN: return ScrollCode::PageDown;
    case SB_THUMBPOSITION: return ScrollCode::ThumbPosition;
    default: return ScrollCode::Other;
    }
}

// The grey a page lies on, as print previews show it.
constexpr COLORREF kDeskColour = RGB(128, 128, 128);
constexpr int kWheelStep = 40;  // pixels per notch of the mouse wheel

}  // namespace

bool PreviewCanvas::Create(HWND frame, const RECT& area, HCURSOR cursor) {
    const RECTL frameRect = form_.FrameRect();
    layout_ = CanvasLayout{};
    layout_.formWidth = frameRect.right - frameRect.left;
    layout_.formHeight = frameRect.bottom - frameRect.top;
    layout_.verticalBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    layout_.horizontalBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    const win::WindowClass windowClass{.name = "HoraloPreviewCanvas", .style = 0, .cursor = cursor};
    const win::WindowPlacement placement{area.left, area.top, area.right - area.left, area.bottom - area.top};
    if (!win::Window::Create(windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, placement, frame))
        return false;
    RECT client{};
    GetClientRect(Handle(), &client);
    SetBaseImage(layout_, client.right, client.bottom);
    UpdateScrollBars();
    return true;
}

void PreviewCanvas::SetZoom(int zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == layout_.zoom) return;
    layout_.zoom = zoom;
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PreviewCanvas::UpdateScrollBars() {
    switch (horalo::UpdateScrollBars(layout_)) {
    // Showing or hiding a bar resizes the client: WM_SIZE comes back here.
    case BarChange::ShowVertical: ShowScrollBar(Handle(), SB_VERT, TRUE); return;
    case BarChange::HideVertical: ShowScrollBar(Handle(), SB_VERT, FALSE); return;
    case BarChange::ShowHorizontal: ShowScrollBar(Handle(), SB_HORZ, TRUE); return;
    case BarChange::HideHorizontal: ShowScrollBar(Handle(), SB_HORZ, FALSE); return;
    case BarChange::None: break;
    }
    const auto setBar = [this](int bar, int zoomed, int client, int position) {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, zoomed, static_cast<UINT>(client), position, 0};
        SetScrollInfo(Handle(), bar, &info, TRUE);
    };
    if (layout_.horizontalShown)
        setBar(SB_HORZ, layout_.ZoomedWidth(), layout_.clientWidth, layout_.horizontalPosition);
    if (layout_.verticalShown)
        setBar(SB_VERT, layout_.ZoomedHeight(), layout_.clientHeight, layout_.verticalPosition);
}

void PreviewCanvas::Scroll(int bar, ScrollCode code, int thumb) {
    const bool vertical = bar == SB_VERT;
    const int position = vertical ? layout_.verticalPosition : layout_.horizontalPosition;
    const int zoomed = vertical ? layout_.ZoomedHeight() : layout_.ZoomedWidth();
    const int client = vertical ? layout_.clientHeight : layout_.clientWidth;
    ScrollBy(bar, ScrollStep(code, position, zoomed, client, thumb));
}

void PreviewCanvas::ScrollBy(int bar, int step) {
    const bool vertical = bar == SB_VERT;
    if (step == 0 || !(vertical ? layout_.verticalShown : layout_.horizontalShown)) return;
    int& position = vertical ? layout_.verticalPosition : layout_.horizontalPosition;
    position += step;
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(Handle(), bar, &info, TRUE);
    ScrollWindowEx(Handle(), vertical ? 0 : -step, vertical ? -step : 0, nullptr, nullptr, nullptr, nullptr,
                   SW_INVALIDATE);
    UpdateWindow(Handle());
}

void PreviewCanvas::Render(HDC dc) {
    RECT client{0, 0, layout_.clientWidth, layout_.clientHeight};
    HBRUSH desk = CreateSolidBrush(kDeskColour);
    FillRect(dc, &client, desk);
    DeleteObject(desk);
    const CanvasRect page = FormRectangle(layout_);
    // The page lies under the scroll offset; the form plays onto white paper.
    RECT paper{page.left - layout_.horizontalPosition, page.top - layout_.verticalPosition,
               page.right - layout_.horizontalPosition, page.bottom - layout_.verticalPosition};
    FillRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    POINT oldOrigin{};
    SetViewportOrgEx(dc, -layout_.horizontalPosition, -layout_.verticalPosition, &oldOrigin);
    form_.Play(dc, RECT{page.left, page.top, page.right, page.bottom}, 0);
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

void PreviewCanvas::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Handle(), &paint);
    // Drawn into a bitmap first and copied in one step, so the grey desk
    // never flashes over the page while scrolling or zooming.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(layout_.clientWidth, 1), std::max(layout_.clientHeight, 1));
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    Render(memory);
    const RECT& dirty = paint.rcPaint;
    BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, memory, dirty.left,
           dirty.top, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(Handle(), &paint);
}

LRESULT PreviewCanvas::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything
    case WM_SIZE:
        layout_.clientWidth = LOWORD(lParam);
        layout_.clientHeight = HIWORD(lParam);
        UpdateScrollBars();
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, CodeOf(LOWORD(wParam)), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
            SetZoom(layout_.zoom + notches);
            return 0;
        }
        const int bar = (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) ? SB_HORZ : SB_VERT;
        const bool vertical = bar == SB_VERT;
        const int position = vertical ? layout_.verticalPosition : layout_.horizontalPosition;
        const int last = vertical ? layout_.ZoomedHeight() - layout_.clientHeight
                                  : layout_.ZoomedWidth() - layout_.clientWidth;
        ScrollBy(bar, std::clamp(position - notches * kWheelStep, 0, std::max(last, 0)) - position);
        return 0;
    }
    case WM_LBUTTONUP:
        SetZoom(ZoomIn(layout_.zoom));
        break;
    case WM_RBUTTONUP:
        SetZoom(ZoomOut(layout_.zoom));
        break;
    default:
        break;
    }
    return win::Window::WindowProc(message, wParam, lParam);
}

}  // namespace horalo
