// The lit sphere switched between colour tracking and a fixed material.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

#include "program_harness.h"

namespace {

const View square{1.5, 1.5}; // 500 x 500 window, extent 1.5

// Where the unit sphere faces halfway between the light (1, 1, 1) and the
// viewer (0, 0, 1): the centre of the specular highlight.
const double halfway = 1 / std::sqrt(1 + 1 + (1 + std::sqrt(3.0)) * (1 + std::sqrt(3.0)));

// The reddest pixel near the highlight, measured as red above green.
int highlight_red_excess()
{
    int best = -255;
    for (int dx = -12; dx <= 12; dx += 2)
        for (int dy = -12; dy <= 12; dy += 2) {
            const Rgb c = read_rgb(view_x(square, halfway) + dx, view_y(square, halfway) + dy);
            best = std::max(best, c.r - c.g);
        }
    return best;
}

// Diffuse factor of the face at the window's centre, normal (0, 0, 1).
const double centre_diffuse = 1 / std::sqrt(3.0);

using MaterialSphere = ProgramTest;

} // namespace

TEST_F(MaterialSphere, StartsGreyWithoutAHighlight)
{
    EXPECT_FALSE(glutGet(GLUT_WINDOW_DOUBLEBUFFER));
    const double grey = 0.7 * (0.2 + centre_diffuse);
    EXPECT_TRUE(probe_rgb(250, 250, rgb_from_unit(grey, grey, grey)));
    EXPECT_TRUE(probe_view(square, 1.3, 0, {0, 0, 0})) << "background";
    EXPECT_LT(highlight_red_excess(), 6) << "no coloured highlight at start";
}

TEST_F(MaterialSphere, FixedMaterialShowsRedAmbientGreenDiffuseAndARedHighlight)
{
    key('o');
    // At the centre the highlight has faded ((0.88)^50 is nearly 0): red is
    // the 0.2 global ambient, green the diffuse light.
    EXPECT_TRUE(probe_rgb(250, 250, rgb_from_unit(0.2, centre_diffuse, 0)));
    // On the side away from the light only the red ambient remains.
    EXPECT_TRUE(probe_view(square, -0.6, -0.6, rgb_from_unit(0.2, 0, 0), 12));
    const Rgb peak = read_view(square, halfway, halfway);
    EXPECT_GT(peak.r, 200) << "highlight " << peak;
    EXPECT_EQ(peak.b, 0) << "highlight " << peak;
}

TEST_F(MaterialSphere, BackToColourTrackingKeepsTheRedHighlight)
{
    key('o');
    key('o');
    const double grey = 0.7 * (0.2 + centre_diffuse);
    EXPECT_TRUE(probe_rgb(250, 250, rgb_from_unit(grey, grey, grey)));
    EXPECT_GT(highlight_red_excess(), 40) << "the red specular colour must stay in force";
}

TEST_F(MaterialSphere, CapitalOAndOtherKeysChangeNothing)
{
    const Image before = read_image();
    for (unsigned char k : {'O', 'p', '0', ' ', '\r'})
        key(k);
    redraw();
    EXPECT_TRUE(read_image().pixels == before.pixels);
}

TEST_F(MaterialSphere, WideWindowKeepsTheSphereRound)
{
    resize(800, 400); // model x -3..3, y -1.5..1.5
    redraw();
    const View wide{3, 1.5};
    EXPECT_TRUE(probe_view(wide, -1.1, 0, {0, 0, 0}, 0)) << "left of the rim";
    EXPECT_TRUE(probe_view(wide, 0, 1.1, {0, 0, 0}, 0)) << "above the rim";
    EXPECT_GT(read_view(wide, -0.9, 0).g, 10) << "inside the rim";
    EXPECT_GT(read_view(wide, 0, 0.9).g, 10) << "inside the rim";
}
