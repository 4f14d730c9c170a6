#include "core/sheet/canvas_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace horalo {
namespace {

constexpr int kBar = 17;  // both bars, as the usual system metrics give them

// An A4 form in portrait (0.01 mm) in an 800 x 600 client: 424 x 600 at zoom 1.
CanvasLayout A4In800x600() {
    CanvasLayout layout;
    layout.formWidth = 21000;
    layout.formHeight = 29700;
    layout.verticalBarWidth = layout.horizontalBarHeight = kBar;
    SetBaseImage(layout, 800, 600);
    return layout;
}

// What the window does with each change: a bar takes its room from the
// client, which sends WM_SIZE and so the next update.
std::vector<BarChange> SettleBars(CanvasLayout& layout) {
    std::vector<BarChange> changes;
    for (int round = 0; round < 8; ++round) {
        const BarChange change = UpdateScrollBars(layout);
        changes.push_back(change);
        switch (change) {
        case BarChange::None: return changes;
        case BarChange::ShowVertical: layout.clientWidth -= layout.verticalBarWidth; break;
        case BarChange::HideVertical: layout.clientWidth += layout.verticalBarWidth; break;
        case BarChange::ShowHorizontal: layout.clientHeight -= layout.horizontalBarHeight; break;
        case BarChange::HideHorizontal: layout.clientHeight += layout.horizontalBarHeight; break;
        }
    }
    ADD_FAILURE() << "the bars never settle";
    return changes;
}

TEST(CanvasLayout, BaseImageIsAsHighAsTheClient) {
    const struct {
        int formWidth, formHeight, clientWidth, clientHeight;
        int baseWidth, baseHeight;
    } cases[] = {
        {21000, 29700, 800, 600, 424, 600},    // 424.24 truncated
        {29700, 21000, 800, 600, 848, 600},    // landscape: 848.57 truncated
        {100000, 30000, 10, 30000, 100000, 30000},  // 30000 * 100000 needs more than 32 bits
        {21000, 0, 800, 600, 0, 600},          // a form without height
        {-21000, 29700, 800, 600, 0, 600},     // a damaged frame
        {INT_MAX, 1, 800, 600, INT_MAX / kMaxZoom, 600},  // every zoom of it stays an int
    };
    for (const auto& c : cases) {
        CanvasLayout layout;
        layout.formWidth = c.formWidth;
        layout.formHeight = c.formHeight;
        SetBaseImage(layout, c.clientWidth, c.clientHeight);
        EXPECT_EQ(layout.baseWidth, c.baseWidth) << c.formWidth << " x " << c.formHeight;
        EXPECT_EQ(layout.baseHeight, c.baseHeight) << c.formWidth << " x " << c.formHeight;
        EXPECT_EQ(layout.clientWidth, c.clientWidth);
        EXPECT_EQ(layout.clientHeight, c.clientHeight);
    }
}

TEST(CanvasLayout, BarsComeAndGoOneAtATime) {
    using enum BarChange;
    CanvasLayout layout = A4In800x600();
    EXPECT_EQ(SettleBars(layout), std::vector<BarChange>{None});
    EXPECT_FALSE(layout.verticalShown || layout.horizontalShown);

    // 848 x 1200 in 800 x 600: the vertical bar first, and the width it
    // takes leaves 783, too narrow too.
    layout.zoom = 2;
    EXPECT_EQ(SettleBars(layout), (std::vector<BarChange>{ShowVertical, ShowHorizontal, None}));
    EXPECT_TRUE(layout.verticalShown && layout.horizontalShown);
    EXPECT_EQ(layout.clientWidth, 783);
    EXPECT_EQ(layout.clientHeight, 583);

    // Back to 424 x 600 in 783 x 583: still too high while the horizontal
    // bar takes its room; that bar goes first, then the vertical one.
    layout.verticalPosition = 300;
    layout.horizontalPosition = 40;
    layout.zoom = 1;
    EXPECT_EQ(SettleBars(layout), (std::vector<BarChange>{HideHorizontal, HideVertical, None}));
    EXPECT_FALSE(layout.verticalShown || layout.horizontalShown);
    EXPECT_EQ(layout.verticalPosition, 0);
    EXPECT_EQ(layout.horizontalPosition, 0);
    EXPECT_EQ(layout.clientWidth, 800);
    EXPECT_EQ(layout.clientHeight, 600);
}

TEST(CanvasLayout, OneUpdateStep) {
    using enum BarChange;
    // A shown bar stays while the form would overflow even with the other
    // bar's room given back: at least client + bar, not just above client.
    const struct {
        const char* name;
        int clientWidth, clientHeight, baseWidth, baseHeight;
        bool verticalShown, horizontalShown;
        BarChange change;
    } cases[] = {
        {"exactly as large as the client", 800, 600, 800, 600, false, false, None},
        {"one pixel higher", 800, 600, 800, 601, false, false, ShowVertical},
        {"one pixel wider", 800, 600, 801, 600, false, false, ShowHorizontal},
        {"fits again", 783, 600, 424, 600, true, false, HideVertical},
        {"would fit without the horizontal bar", 783, 583, 1000, 599, true, true, HideVertical},
        {"needs both either way", 783, 583, 1000, 600, true, true, None},
        {"would fit without the vertical bar", 783, 583, 799, 1000, true, true, HideHorizontal},
        {"vertical first when both are needed", 800, 600, 1000, 1000, false, false, ShowVertical},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CanvasLayout layout;
        layout.verticalBarWidth = layout.horizontalBarHeight = kBar;
        layout.clientWidth = c.clientWidth;
        layout.clientHeight = c.clientHeight;
        layout.baseWidth = c.baseWidth;
        layout.baseHeight = c.baseHeight;
        layout.verticalShown = c.verticalShown;
        layout.horizontalShown = c.horizontalShown;
        layout.verticalPosition = layout.horizontalPosition = 1;
        EXPECT_EQ(UpdateScrollBars(layout), c.change);
        EXPECT_EQ(layout.verticalShown, c.change == ShowVertical || (c.verticalShown && c.change != HideVertical));
        EXPECT_EQ(layout.horizontalShown,
                  c.change == ShowHorizontal || (c.horizontalShown && c.change != HideHorizontal));
        if (c.change == HideVertical) {
            EXPECT_EQ(layout.verticalPosition, 0);
        }
        if (c.change == HideHorizontal) {
            EXPECT_EQ(layout.horizontalPosition, 0);
        }
    }
}

TEST(CanvasLayout, PositionsStayInTheirRange) {
    // 848 x 1200 in 783 x 583: positions 0..65 across, 0..617 down.
    const struct {
        int horizontal, vertical, horizontalAfter, verticalAfter;
    } cases[] = {
        {0, 0, 0, 0}, {65, 617, 65, 617}, {66, 618, 65, 617}, {5000, 50000, 65, 617}, {-5, -50, 0, 0},
    };
    for (const auto& c : cases) {
        CanvasLayout layout = A4In800x600();
        layout.zoom = 2;
        SettleBars(layout);
        layout.horizontalPosition = c.horizontal;
        layout.verticalPosition = c.vertical;
        EXPECT_EQ(UpdateScrollBars(layout), BarChange::None);
        EXPECT_EQ(layout.horizontalPosition, c.horizontalAfter) << c.horizontal;
        EXPECT_EQ(layout.verticalPosition, c.verticalAfter) << c.vertical;
    }
}

TEST(CanvasLayout, FormRectangleCentresWhatFits) {
    const struct {
        int clientWidth, clientHeight, zoom;
        CanvasRect rect;
    } cases[] = {
        {800, 600, 1, {188, 0, 612, 600}},
        {801, 601, 1, {188, 0, 612, 600}},
        {800, 600, 2, {0, 0, 848, 1200}},
        // -49 / 2 truncates to -24, so the form starts at the edge one
        // pixel narrower: the window's own arithmetic.
        {799, 1300, 2, {0, 50, 847, 1250}},
        {424, 600, 1, {0, 0, 424, 600}},
    };
    for (const auto& c : cases) {
        CanvasLayout layout;
        layout.baseWidth = 424;
        layout.baseHeight = 600;
        layout.clientWidth = c.clientWidth;
        layout.clientHeight = c.clientHeight;
        layout.zoom = c.zoom;
        const CanvasRect r = FormRectangle(layout);
        EXPECT_EQ((std::vector{r.left, r.top, r.right, r.bottom}),
                  (std::vector{c.rect.left, c.rect.top, c.rect.right, c.rect.bottom}))
            << c.clientWidth << " x " << c.clientHeight << " zoom " << c.zoom;
    }
}

TEST(CanvasLayout, ScrollSteps) {
    using enum ScrollCode;
    // Zoomed 1200 in a client of 600: positions 0 to 600.
    const struct {
        ScrollCode code;
        int position, thumb, step;
    } cases[] = {
        {LineUp, 0, 0, 0},       {LineUp, 5, 0, -1},
        {LineDown, 0, 0, 1},     {LineDown, 600, 0, 1},  // the range's last line
        {LineDown, 601, 0, 0},
        {PageUp, 0, 0, 0},       {PageUp, 7, 0, -7},     {PageUp, 10, 0, -10},  {PageUp, 300, 0, -10},
        {PageDown, 0, 0, 10},    {PageDown, 595, 0, 5},  {PageDown, 600, 0, 0}, {PageDown, 601, 0, 0},
        {ThumbPosition, 10, 40, 30}, {ThumbPosition, 500, 0, -500},
        {Other, 300, 40, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollStep(c.code, c.position, 1200, 600, c.thumb), c.step)
            << static_cast<int>(c.code) << " at " << c.position;
    }
    // A form that fits scrolls nowhere.
    EXPECT_EQ(ScrollStep(LineDown, 0, 500, 600, 0), 0);
    EXPECT_EQ(ScrollStep(PageDown, 0, 500, 600, 0), 0);
}

TEST(CanvasLayout, ZoomStaysWithinItsLimits) {
    const struct {
        int zoom, in, out;
    } cases[] = {{1, 2, 1}, {2, 3, 1}, {3, 4, 2}, {4, 4, 3}, {0, 1, 1}, {INT_MAX, 4, 4}, {INT_MIN, 1, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ZoomIn(c.zoom), c.in) << c.zoom;
        EXPECT_EQ(ZoomOut(c.zoom), c.out) << c.zoom;
    }
}

}  // namespace
}  // namespace horalo
