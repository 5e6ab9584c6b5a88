// The main window at the display scales of today's desktops: every length of the layout
// follows the DPI of the window's monitor, and at 96 DPI nothing moves by a pixel.
#include "AppFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192, 288};

// A start on a monitor of this DPI.
std::unique_ptr<App> StartedAt(int dpi) {
    return std::make_unique<App>(std::vector<std::string>{},
                                 [dpi](headless::HeadlessHost& machine) {
                                     machine.screen.width = 3840;
                                     machine.screen.height = 2160;
                                     machine.application.dpi = dpi;
                                 });
}

// The controls the user sees or may see; the media player sits outside the window on purpose.
std::vector<TControl*> LaidOut(TFormVorlane& form) {
    std::vector<TControl*> controls;
    for (TControl* control : form.Controls()) {
        if (control != &form.mplMediaPlayer) {
            controls.push_back(control);
        }
    }
    return controls;
}

// How two spans along one axis lie to each other: apart, touching, or overlapping.
int Relation(int firstEnd, int secondStart) {
    return firstEnd < secondStart ? -1 : (firstEnd == secondStart ? 0 : 1);
}

TEST(DisplayScale, EveryControlScalesWithTheDpiAndNeighboursStayAsDesigned) {
    for (const int dpi : kDpis) {
        SCOPED_TRACE(::testing::Message() << dpi << " DPI");
        const std::unique_ptr<App> app = StartedAt(dpi);
        TFormVorlane& f = app->f();
        const double scale = dpi / 96.0;
        EXPECT_EQ(f.Dpi(), dpi);
        EXPECT_EQ(f.Width(), std::lround(171 * scale));
        EXPECT_EQ(f.Height(), std::lround(238 * scale));

        const std::vector<TControl*> controls = LaidOut(f);
        for (const TControl* control : controls) {
            SCOPED_TRACE(control->Name());
            const Rect& design = control->DesignBounds();
            const Rect& shown = control->Bounds();
            // Each edge within half a pixel of the exact scaled edge.
            EXPECT_LE(std::abs(shown.left - design.left * scale), 0.5);
            EXPECT_LE(std::abs(shown.top - design.top * scale), 0.5);
            EXPECT_LE(std::abs(shown.left + shown.width - (design.left + design.width) * scale),
                      0.5);
            EXPECT_LE(std::abs(shown.top + shown.height - (design.top + design.height) * scale),
                      0.5);
            // Nothing leaves the window.
            EXPECT_GE(shown.left, 0);
            EXPECT_GE(shown.top, 0);
            EXPECT_LE(shown.left + shown.width, f.Width());
            EXPECT_LE(shown.top + shown.height, f.Height());
        }
        // Edges that meet in the design meet at every scale; apart stays apart, overlapping
        // stays overlapping.
        for (const TControl* a : controls) {
            for (const TControl* b : controls) {
                const Rect& da = a->DesignBounds();
                const Rect& db = b->DesignBounds();
                const Rect& sa = a->Bounds();
                const Rect& sb = b->Bounds();
                SCOPED_TRACE(a->Name() + " and " + b->Name());
                EXPECT_EQ(Relation(sa.left + sa.width, sb.left),
                          Relation(da.left + da.width, db.left));
                EXPECT_EQ(Relation(sa.top + sa.height, sb.top),
                          Relation(da.top + da.height, db.top));
            }
        }
    }
}

TEST(DisplayScale, PlacesAt96And144AndTwiceAsLargeAt192) {
    const struct {
        int dpi;
        const char* control;
        Rect bounds;
    } cases[] = {
        // At 96 DPI the rectangles of the design itself.
        {96, "btnPlusFiveNormal", {113, 130, 56, 56}},
        {96, "edtTimeMinutes", {47, 47, 34, 21}},
        {96, "edtSecondTextLine", {35, 77, 100, 15}},
        {96, "imgBackgroundBlink", {24, 36, 122, 70}},
        // 113 * 1.5 = 169.5 rounds to 170, its right edge 169 * 1.5 = 253.5 to 254.
        {144, "btnPlusFiveNormal", {170, 195, 84, 84}},
        // 47 * 1.5 = 70.5 to 71, right edge 81 * 1.5 = 121.5 to 122, bottom 68 * 1.5 = 102.
        {144, "edtTimeMinutes", {71, 71, 51, 31}},
        {144, "edtSecondTextLine", {53, 116, 150, 22}},
        {192, "btnPlusFiveNormal", {226, 260, 112, 112}},
        {192, "edtTimeColon", {164, 94, 14, 42}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.control << " at " << c.dpi << " DPI");
        const std::unique_ptr<App> app = StartedAt(c.dpi);
        const TControl* found = nullptr;
        for (const TControl* control : app->f().Controls()) {
            if (control->Name() == c.control) {
                found = control;
            }
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->Bounds(), c.bounds);
    }
}

TEST(DisplayScale, TheRoundShapeFollowsTheDpi) {
    const struct {
        int dpi;
        int left, top, right, bottom;
    } cases[] = {
        {96, -1, -1, 173, 240},
        {144, -2, -2, 260, 360}, // -1.5 rounds away from zero; 173 * 1.5 = 259.5 to 260
        {192, -2, -2, 346, 480},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dpi << " DPI");
        const std::unique_ptr<App> app = StartedAt(c.dpi);
        const auto& region = app->window().region;
        EXPECT_EQ(region.left, c.left);
        EXPECT_EQ(region.top, c.top);
        EXPECT_EQ(region.right, c.right);
        EXPECT_EQ(region.bottom, c.bottom);
    }
}

TEST(DisplayScale, AMoveToAMonitorOfAnotherDpiLaysTheWindowOutAgainOnce) {
    App app;
    app.Running();
    TFormVorlane& f = app.f();
    std::vector<std::string>& calls = app.host.log.calls;
    calls.clear();

    Dispatch([&] { f.DpiChanged(144, Rect{2000, 300, 257, 357}); });

    int bounds = 0;
    int regions = 0;
    for (const std::string& call : calls) {
        bounds += call.rfind("bounds ", 0) == 0 ? 1 : 0;
        regions += call == "region" ? 1 : 0;
    }
    EXPECT_EQ(bounds, 1);
    EXPECT_EQ(regions, 1);
    // The suggested place, the size of the design at the new DPI.
    EXPECT_TRUE(app.host.log.Contains("bounds 2000,300,257,357"));
    EXPECT_EQ(f.Left(), 2000);
    EXPECT_EQ(f.Top(), 300);
    EXPECT_EQ(app.window().region.right, 260);
    EXPECT_EQ(f.btnPlusFive.Normal.Bounds(), (Rect{170, 195, 84, 84}));
    EXPECT_EQ(f.edtTimeMinutes.Bounds(), (Rect{71, 71, 51, 31}));

    // The same DPI again changes nothing.
    calls.clear();
    Dispatch([&] { f.DpiChanged(144, Rect{2000, 300, 257, 357}); });
    EXPECT_TRUE(calls.empty());
}

TEST(DisplayScale, SnapDistanceFollowsTheDpi) {
    for (const int dpi : {96, 192}) {
        SCOPED_TRACE(::testing::Message() << dpi << " DPI");
        const std::unique_ptr<App> app = StartedAt(dpi);
        app->Running();
        app->host.screen.workArea = Rect{0, 0, 3840, 2120};
        const int distance = 10 * dpi / 96;
        for (const int offset : {distance, distance + 1}) {
            Rect proposed{offset, 500, app->f().Width(), app->f().Height()};
            Dispatch([&] { app->f().Moving(proposed); });
            EXPECT_EQ(proposed.left, offset == distance ? 0 : offset) << "offset " << offset;
        }
    }
}

} // namespace
} // namespace vorlane::testing
