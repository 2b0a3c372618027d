// The colour cube, drawn by its real start-up and callbacks and read back.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

#include "program_harness.h"
#include "spin_control.h"

namespace {

// The cube's colour is (position + 1) / 2 everywhere, and so on every face point.
Rgb cube_colour(double x, double y, double z) { return rgb_from_unit((x + 1) / 2, (y + 1) / 2, (z + 1) / 2); }

const View square{2, 2}; // 500 x 500 window, extent 2
using ColorCube = ProgramTest;

} // namespace

TEST_F(ColorCube, StartPoseShowsTheFrontFaceOnBlack)
{
    ASSERT_EQ(window_width(), 500);
    ASSERT_EQ(window_height(), 500);
    EXPECT_TRUE(probe_view(square, -0.85, -0.85, cube_colour(-0.85, -0.85, 1))) << "blue corner, bottom left";
    EXPECT_TRUE(probe_view(square, 0.85, -0.85, cube_colour(0.85, -0.85, 1))) << "magenta corner, bottom right";
    EXPECT_TRUE(probe_view(square, 0.85, 0.85, cube_colour(0.85, 0.85, 1))) << "white corner, top right";
    EXPECT_TRUE(probe_view(square, -0.85, 0.85, cube_colour(-0.85, 0.85, 1))) << "cyan corner, top left";
    EXPECT_TRUE(probe_view(square, 0.3, -0.2, cube_colour(0.3, -0.2, 1)));
    for (auto [x, y] : {std::pair{1.3, 0.0}, std::pair{0.0, -1.3}, std::pair{-1.7, 1.7}})
        EXPECT_TRUE(probe_view(square, x, y, {0, 0, 0})) << "background at " << x << ", " << y;
}

TEST_F(ColorCube, StartAxisIsZSoTheFaceTurnsAnticlockwise)
{
    idle_steps(program, 45); // 90 degrees about z
    redraw();
    EXPECT_EQ(spin_state.theta[2], 90.0f);
    // A quarter turn anticlockwise carries the blue corner to the bottom right
    // and the cyan corner to the bottom left.
    EXPECT_TRUE(probe_view(square, 0.85, -0.85, cube_colour(-0.85, -0.85, 1)));
    EXPECT_TRUE(probe_view(square, -0.85, -0.85, cube_colour(-0.85, 0.85, 1)));
}

TEST_F(ColorCube, LeftButtonTurnsAboutXAndBringsTheTopFaceIntoView)
{
    press(GLUT_LEFT_BUTTON);
    idle_steps(program, 15); // 30 degrees about x
    redraw();
    EXPECT_EQ(spin_state.theta[0], 30.0f);
    EXPECT_EQ(spin_state.theta[2], 0.0f);
    const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    // The top face's middle line (y = 1, z = 0) is seen at height cos 30.
    for (double x : {-0.6, 0.0, 0.6})
        EXPECT_TRUE(probe_view(square, x, c, cube_colour(x, 1, 0))) << "top face at x " << x;
    // The front face (z = 1) is seen at height 0 where y = tan 30.
    EXPECT_TRUE(probe_view(square, 0.4, 0.0, cube_colour(0.4, s / c, 1)));
    EXPECT_TRUE(probe_view(square, 0.0, c + s + 0.1, {0, 0, 0})) << "above the back edge";
}

TEST_F(ColorCube, PictureDependsOnlyOnTheAngles)
{
    idle_steps(program, 7);
    redraw();
    const Image first = read_image();
    for (int i = 0; i < 4; ++i)
        redraw();
    EXPECT_TRUE(read_image().pixels == first.pixels) << "repainting must not turn the cube further";
}

TEST_F(ColorCube, WideAndTallWindowsKeepTheCubeSquare)
{
    resize(800, 400); // model x -4..4, y -2..2
    redraw();
    const View wide{4, 2};
    EXPECT_TRUE(probe_view(wide, 0.9, 0.9, cube_colour(0.9, 0.9, 1)));
    EXPECT_TRUE(probe_view(wide, -0.9, -0.9, cube_colour(-0.9, -0.9, 1)));
    EXPECT_TRUE(probe_view(wide, 1.15, 0.0, {0, 0, 0})) << "the cube must not stretch across";
    EXPECT_TRUE(probe_view(wide, -1.15, 0.0, {0, 0, 0}));

    resize(300, 600); // model x -2..2, y -4..4
    redraw();
    const View tall{2, 4};
    EXPECT_TRUE(probe_view(tall, 0.9, 0.9, cube_colour(0.9, 0.9, 1)));
    EXPECT_TRUE(probe_view(tall, 0.0, 1.15, {0, 0, 0})) << "the cube must not stretch upwards";
    EXPECT_TRUE(probe_view(tall, 0.0, -1.15, {0, 0, 0}));
}
