#pragma once
// The arithmetic of the time-sheet canvas: the zoomed form's rectangle in
// the window, which scroll bars it needs, and how far a scroll moves.
// Pixels throughout; the window code applies the results.
namespace horalo {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 4;

struct CanvasLayout {
    int formWidth = 0, formHeight = 0;      // the form's frame, 0.01 mm
    int baseWidth = 0, baseHeight = 0;      // the form at zoom 1: the client's height
    int clientWidth = 0, clientHeight = 0;
    int verticalBarWidth = 0, horizontalBarHeight = 0;
    int verticalPosition = 0, horizontalPosition = 0;
    bool verticalShown = false, horizontalShown = false;
    int zoom = kMinZoom;

    int ZoomedWidth() const { return zoom * baseWidth; }
    int ZoomedHeight() const { return zoom * baseHeight; }
};

// Stores the client size and the base image for it: as high as the client,
// as wide as the form's aspect ratio gives (truncated); 0 wide for a form
// without height or with a frame of negative size. Kept small enough that
// every zoom of it is an int.
void SetBaseImage(CanvasLayout& layout, int clientWidth, int clientHeight);

enum class BarChange { None, ShowVertical, HideVertical, ShowHorizontal, HideHorizontal };

// One step of bringing the scroll bars up to date. Showing or hiding a bar
// changes the client size, and the window runs this again from its WM_SIZE;
// so a change is returned at once (the layout's flag already set, a hidden
// bar's position already 0). On None the positions are clamped to their
// ranges and the shown bars take range 0..zoomed size, page client size.
BarChange UpdateScrollBars(CanvasLayout& layout);

struct CanvasRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The zoomed form centred in the client while it fits, from the client's
// edge while it does not; in content coordinates (before the scroll offset).
CanvasRect FormRectangle(const CanvasLayout& layout);

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, Other };

// How far one scroll request moves a position in 0..zoomed - client.
int ScrollStep(ScrollCode code, int position, int zoomedSize, int clientSize, int thumbPosition);

// Zoom after a mouse release: left raises to kMaxZoom, right lowers to kMinZoom.
int ZoomIn(int zoom);
int ZoomOut(int zoom);

}  // namespace horalo
