#pragma once
// The client area of the time-sheet preview: the form at zoom 1 to 4,
// centred while it fits and scrollable while it does not. A left click
// zooms in, a right click zooms out.
#include <windows.h>

#include "core/sheet/canvas_layout.h"
#include "print/form_template.h"
#include "win/window.h"

namespace horalo {

class PreviewCanvas : public win::Window {
public:
    explicit PreviewCanvas(FormTemplate& form) : form_(form) {}

    // A child of `frame` filling `area`; the form's size at zoom 1 is taken
    // from this first client area and kept.
    bool Create(HWND frame, const RECT& area, HCURSOR cursor);

    void SetZoom(int zoom);
    int Zoom() const { return layout_.zoom; }
    const CanvasLayout& Layout() const { return layout_; }

    // Draws the canvas as it shows now into `dc` (client size): what each
    // paint does, offered for the benchmark and tests.
    void Render(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateScrollBars();
    void Scroll(int bar, ScrollCode code, int thumb);
    void ScrollBy(int bar, int step);
    void Paint();

    FormTemplate& form_;
    CanvasLayout layout_;
};

}  // namespace horalo
