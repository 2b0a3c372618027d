// The unlit solid sphere: a flat red decagon.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

#include "program_harness.h"

namespace {

using SolidSphere = ProgramTest;

int red_pixels()
{
    const Image image = read_image();
    int n = 0;
    for (const Rgb& c : image.pixels) {
        if (c == Rgb{255, 0, 0})
            ++n;
        else
            EXPECT_EQ(c, (Rgb{0, 0, 0})) << "only flat red on black";
    }
    return n;
}

} // namespace

TEST_F(SolidSphere, FlatRedDecagonOfCircumradiusThreeQuarters)
{
    const int w = window_width(), h = window_height();
    ASSERT_GT(w, 100);
    EXPECT_TRUE(glutGet(GLUT_WINDOW_DOUBLEBUFFER));
    EXPECT_TRUE(probe_rgb(w / 2, h / 2, {255, 0, 0}, 0));
    // A regular decagon of circumradius 0.75 covers 5 r^2 sin 36 of the 4
    // square units of the window; a round disc would cover 7% more.
    const double decagon = 5 * 0.75 * 0.75 * std::sin(M_PI / 5) / 4;
    EXPECT_NEAR(static_cast<double>(red_pixels()) / (w * h), decagon, 0.01);
    // Inside its inradius (0.713) it is red in every direction, beyond 0.76 black.
    for (int i = 0; i < 36; ++i) {
        const double a = i * M_PI / 18;
        const double c = std::cos(a), s = std::sin(a);
        EXPECT_TRUE(probe_view({}, 0.69 * c, 0.69 * s, {255, 0, 0}, 0)) << "direction " << i * 10 << " degrees";
        EXPECT_TRUE(probe_view({}, 0.77 * c, 0.77 * s, {0, 0, 0}, 0)) << "direction " << i * 10 << " degrees";
    }
}

TEST_F(SolidSphere, WideWindowStretchesIt)
{
    resize(600, 300);
    redraw();
    // 0.7 in device coordinates is 210 pixels across but only 105 up.
    EXPECT_TRUE(probe_rgb(300 + 200, 150, {255, 0, 0}, 0));
    EXPECT_TRUE(probe_rgb(300, 150 + 110, {0, 0, 0}, 0));
}
