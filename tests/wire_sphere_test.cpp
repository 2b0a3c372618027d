// The white wire-frame spheres, built into both the toolkit's and the
// quadric version: seen from the pole, 10 spokes and concentric rings.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "program_harness.h"
#include "sanitizers.h"

namespace {

// Whether the point at radius r and angle a (device coordinates, about the
// window's centre) is lit. One-pixel lines drawn at a slant touch only at
// their pixels' corners, so a path crossing one could slip between two of
// them: a point counts as lit when any pixel of the 3 x 3 block around it is.
bool lit_at(const Image& image, double r, double a)
{
    const int x = static_cast<int>((r * std::cos(a) + 1) / 2 * image.width);
    const int y = image.height - 1 - static_cast<int>((r * std::sin(a) + 1) / 2 * image.height);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.at(x + dx, y + dy).r > 100)
                return true;
    return false;
}

// Lit or not at n points evenly round the circle of radius r.
std::vector<bool> around(const Image& image, double r, int n)
{
    std::vector<bool> lit(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        lit[static_cast<size_t>(i)] = lit_at(image, r, 2 * M_PI * (i + 0.5) / n);
    return lit;
}

// Separate lit runs along a path; on a closed path a run may wrap round.
int count_runs(const std::vector<bool>& lit, bool closed)
{
    int runs = 0;
    for (size_t i = 0; i < lit.size(); ++i)
        runs += lit[i] && !(i > 0 ? lit[i - 1] : closed && lit.back());
    return runs;
}

using WireSphere = ProgramTest;

} // namespace

TEST_F(WireSphere, TenSpokesCrossedByConcentricRings)
{
    const int w = window_width(), h = window_height();
    EXPECT_TRUE(probe_rgb(w / 2 + w * 2 / 5, h / 2, {0, 0, 0})) << "outside the sphere";
    const Image image = read_image();
    // Between rings, a circle about the pole crosses the 10 spokes once each.
    for (double radius : {0.15, 0.33, 0.52})
        EXPECT_EQ(count_runs(around(image, radius, 2000), true), 10) << "radius " << radius;
    // Going out between two spokes, the rings are crossed at 0.75 sin(18 k
    // degrees): 0.23, 0.44, 0.61, 0.71 and the rim at 0.75. The ray runs
    // through the middle of the first gap after a spoke.
    const std::vector<bool> circle = around(image, 0.33, 3600);
    size_t gap_start = 1;
    while (gap_start < circle.size() && !(circle[gap_start - 1] && !circle[gap_start]))
        ++gap_start;
    size_t gap_end = gap_start;
    while (gap_end < gap_start + circle.size() && !circle[gap_end % circle.size()])
        ++gap_end;
    const double between = 2 * M_PI * ((gap_start + gap_end) / 2.0 + 0.5) / 3600;
    std::vector<bool> ray;
    for (int i = 0; i < 400; ++i)
        ray.push_back(lit_at(image, 0.12 + 0.7 * i / 400, between));
    const int rings = count_runs(ray, false);
    EXPECT_GE(rings, 4);
    EXPECT_LE(rings, 5) << rings;
}

TEST_F(WireSphere, RepaintingAllocatesNothing)
{
#if DEMO_ADDRESS_SANITIZER
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
