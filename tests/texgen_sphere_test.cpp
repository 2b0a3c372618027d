// The sphere whose object-linear pattern is fixed to its surface.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

#include "checker_colour.h"
#include "program_harness.h"
#include "spin_control.h"

namespace {

const View square{2, 2}; // 500 x 500 window, extent 2

// Probes the front surface on a grid of screen points inside the disc, for a
// sphere turned by angle_z degrees about z: the surface point seen at (x, y)
// is turned back to the sphere's own coordinates, where s = z - x, t = 1 - y.
// Points near a square's edge are skipped: the 24-slice sphere is faceted, so
// its surface lies up to about 0.01 inside the true sphere.
void expect_pattern_on_the_surface(double angle_z)
{
    const double a = angle_z * M_PI / 180;
    int probed = 0;
    for (double x = -0.6; x <= 0.6; x += 0.05)
        for (double y = -0.6; y <= 0.6; y += 0.05) {
            if (x * x + y * y > 0.6 * 0.6)
                continue;
            const double z = std::sqrt(0.75 * 0.75 - x * x - y * y);
            const double ox = std::cos(a) * x + std::sin(a) * y, oy = -std::sin(a) * x + std::cos(a) * y;
            const double s = z - ox, t = 1 - oy;
            if (checker_edge_distance(s) < 0.03 || checker_edge_distance(t) < 0.03)
                continue;
            EXPECT_TRUE(probe_view(square, x, y, checker_colour(s, t), 2))
                << "surface seen at " << x << ", " << y << ": s " << s << ", t " << t;
            ++probed;
        }
    EXPECT_GT(probed, 40);
}

using TexgenSphere = ProgramTest;

} // namespace

TEST_F(TexgenSphere, PatternFollowsObjectCoordinatesAtTheStartPose)
{
    EXPECT_TRUE(probe_view(square, -1.5, 1.5, {255, 255, 255})) << "background";
    expect_pattern_on_the_surface(0);
}

TEST_F(TexgenSphere, PatternTurnsWithTheSphere)
{
    idle_steps(program, 20); // 40 degrees about z
    redraw();
    expect_pattern_on_the_surface(40);
}
