#include "core/sheet/canvas_layout.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace horalo {

namespace {

// The base image is kept small enough that every zoom of it is an int.
constexpr std::int64_t kLargestBase = INT_MAX / kMaxZoom;

int Halved(std::int64_t value) { return static_cast<int>(value / 2); }

// Below the threshold the bar is needed. While the other bar is shown the
// client is smaller by it, and this bar stays only as long as it would be
// needed without the other one too: otherwise two bars that each need the
// other would never go.
bool BarNeeded(int clientSize, int zoomedSize, bool otherShown, int otherBarSize) {
    const std::int64_t threshold = otherShown ? 1 - std::int64_t{otherBarSize} : 0;
    return std::int64_t{clientSize} - zoomedSize < threshold;
}

int Clamped(int position, int zoomedSize, int clientSize) {
    const std::int64_t largest = std::int64_t{zoomedSize} - clientSize;
    return static_cast<int>(std::max<std::int64_t>(std::min<std::int64_t>(position, largest), 0));
}

}  // namespace

void SetBaseImage(CanvasLayout& layout, int clientWidth, int clientHeight) {
    layout.clientWidth = clientWidth;
    layout.clientHeight = clientHeight;
    layout.baseHeight = static_cast<int>(std::clamp<std::int64_t>(clientHeight, 0, kLargestBase));
    // A damaged form header may give a frame of any size, even a negative one.
    const std::int64_t width =
        layout.formHeight == 0 ? 0 : std::int64_t{layout.baseHeight} * layout.formWidth / layout.formHeight;
    layout.baseWidth = static_cast<int>(std::clamp<std::int64_t>(width, 0, kLargestBase));
}

BarChange UpdateScrollBars(CanvasLayout& layout) {
    const int zoomedWidth = layout.ZoomedWidth();
    const int zoomedHeight = layout.ZoomedHeight();

    const bool verticalNeeded =
        BarNeeded(layout.clientHeight, zoomedHeight, layout.horizontalShown, layout.horizontalBarHeight);
    if (verticalNeeded && !layout.verticalShown) {
        layout.verticalShown = true;
        return BarChange::ShowVertical;
    }
    if (!verticalNeeded && layout.verticalShown) {
        layout.verticalShown = false;
        layout.verticalPosition = 0;
        return BarChange::HideVertical;
    }

    const bool horizontalNeeded =
        BarNeeded(layout.clientWidth, zoomedWidth, layout.verticalShown, layout.verticalBarWidth);
    if (horizontalNeeded && !layout.horizontalShown) {
        layout.horizontalShown = true;
        return BarChange::ShowHorizontal;
    }
    if (!horizontalNeeded && layout.horizontalShown) {
        layout.horizontalShown = false;
        layout.horizontalPosition = 0;
        return BarChange::HideHorizontal;
    }

    if (layout.horizontalShown)
        layout.horizontalPosition = Clamped(layout.horizontalPosition, zoomedWidth, layout.clientWidth);
    if (layout.verticalShown)
        layout.verticalPosition = Clamped(layout.verticalPosition, zoomedHeight, layout.clientHeight);
    return BarChange::None;
}

CanvasRect FormRectangle(const CanvasLayout& layout) {
    const std::int64_t zoomedWidth = layout.ZoomedWidth();
    const std::int64_t zoomedHeight = layout.ZoomedHeight();
    CanvasRect rect;
    rect.top = Halved(layout.clientHeight - zoomedHeight);
    rect.bottom = Halved(layout.clientHeight + zoomedHeight);
    rect.left = Halved(layout.clientWidth - zoomedWidth);
    rect.right = Halved(layout.clientWidth + zoomedWidth);
    if (rect.top < 0) {
        rect.bottom -= rect.top;
        rect.top = 0;
    }
    if (rect.left < 0) {
        rect.right -= rect.left;
        rect.left = 0;
    }
    return rect;
}

int ScrollStep(ScrollCode code, int position, int zoomedSize, int clientSize, int thumbPosition) {
    const std::int64_t room = std::int64_t{zoomedSize} - clientSize - position;
    switch (code) {
    case ScrollCode::LineUp: return position > 0 ? -1 : 0;
    // One line beyond the page's reach is allowed: the bar's range ends at
    // the zoomed size itself, so its last position is one further.
    case ScrollCode::LineDown: return room >= 0 ? 1 : 0;
    case ScrollCode::PageUp: return position < 10 ? -position : -10;
    case ScrollCode::PageDown: return room <= 0 ? 0 : static_cast<int>(std::min<std::int64_t>(room, 10));
    case ScrollCode::ThumbPosition:
        return static_cast<int>(std::int64_t{thumbPosition} - position);
    case ScrollCode::Other: return 0;
    }
    return 0;
}

// Clamped before the step, so that no zoom, however wrong, overflows.
int ZoomIn(int zoom) { return std::clamp(zoom, kMinZoom - 1, kMaxZoom - 1) + 1; }

int ZoomOut(int zoom) { return std::clamp(zoom, kMinZoom + 1, kMaxZoom + 1) - 1; }

}  // namespace horalo
