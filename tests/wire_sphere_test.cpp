// The white wire-frame spheres, built into both the toolkit's and the
// quadric version: seen from the pole, 10 spokes and concentric rings.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>

#include "program_harness.h"

namespace {

// One-pixel lines drawn at a slant touch only at their pixels' corners, so a
// path crossing one could slip between two of them: a point counts as lit when
// any pixel of the 3 x 3 block around it is.
bool lit(const Image& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.at(x + dx, image.height - 1 - (y + dy)).r > 100)
                return true;
    return false;
}

// Separate lit runs met going once round a circle of the given radius (in
// device coordinates) about the window's centre.
int runs_around(const Image& image, double radius)
{
    const int w = image.width, h = image.height;
    const int steps = 2000;
    int runs = 0;
    bool previous = false, first = false;
    for (int i = 0; i < steps; ++i) {
        const double a = 2 * M_PI * (i + 0.5) / steps;
        const bool now = lit(image, static_cast<int>((radius * std::cos(a) + 1) / 2 * w),
                             static_cast<int>((radius * std::sin(a) + 1) / 2 * h));
        if (i == 0)
            first = now;
        else if (now && !previous)
            ++runs;
        previous = now;
    }
    if (first && !previous)
        ++runs; // a run that starts at angle 0
    if (first && previous && runs == 0)
        runs = 1;
    return runs;
}

class WireSphere : public testing::Test {
protected:
    void SetUp() override
    {
        start_program(program);
        redraw();
    }
};

} // namespace

TEST_F(WireSphere, TenSpokesCrossedByConcentricRings)
{
    const int w = window_width(), h = window_height();
    EXPECT_TRUE(probe_rgb(w / 2 + w * 2 / 5, h / 2, {0, 0, 0})) << "outside the sphere";
    const Image image = read_image();
    // Between rings, a circle about the pole crosses the 10 spokes once each.
    for (double radius : {0.15, 0.33, 0.52})
        EXPECT_EQ(runs_around(image, radius), 10) << "radius " << radius;
    // Going out between two spokes, the rings are crossed at 0.75 sin(18 k
    // degrees): 0.23, 0.44, 0.61, 0.71 and the rim at 0.75.
    auto lit_at = [&](int i) {
        const double a = 2 * M_PI * (i % 3600) / 3600;
        return lit(image, static_cast<int>((0.33 * std::cos(a) + 1) / 2 * w),
                   static_cast<int>((0.33 * std::sin(a) + 1) / 2 * h));
    };
    int gap_start = 1;
    while (gap_start < 3600 && !(lit_at(gap_start - 1) && !lit_at(gap_start)))
        ++gap_start;
    int gap_end = gap_start;
    while (gap_end < gap_start + 3600 && !lit_at(gap_end))
        ++gap_end;
    const double between = 2 * M_PI * (gap_start + gap_end) / 2 / 3600;
    int rings = 0;
    bool previous = false;
    for (int i = 0; i < 400; ++i) {
        const double r = 0.12 + 0.7 * i / 400;
        const bool now = lit(image, static_cast<int>((r * std::cos(between) + 1) / 2 * w),
                             static_cast<int>((r * std::sin(between) + 1) / 2 * h));
        rings += now && !previous;
        previous = now;
    }
    EXPECT_GE(rings, 4);
    EXPECT_LE(rings, 5) << rings;
}

TEST_F(WireSphere, RepaintingAllocatesNothing)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's allocator does not report through mallinfo2";
#endif
    for (int i = 0; i < 50; ++i)
        redraw();
    // Two batches of 300 repaints: an allocation made per repaint grows the
    // heap in both, while the toolkit or driver may allocate once, in either.
    auto growth_over_300_repaints = [] {
        const size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 300; ++i)
            redraw();
        return static_cast<long>(mallinfo2().uordblks) - static_cast<long>(before);
    };
    const long first = growth_over_300_repaints();
    const long second = growth_over_300_repaints();
    EXPECT_LT(std::min(first, second), 1024)
        << "the heap grew by " << first << " and then " << second << " bytes over two batches of 300 repaints";
}
