// The turning red square, built into both the single- and the double-buffered
// program.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstring>

#include "program_harness.h"
#include "rotating_square.h"

namespace {

const Rgb red{255, 0, 0};
const Rgb black{0, 0, 0};

const View device{1, 1};

// Corners at +-0.5 in device coordinates, whatever the window's shape.
void expect_upright_square()
{
    for (double x : {-0.45, 0.0, 0.45})
        for (double y : {-0.45, 0.0, 0.45})
            EXPECT_TRUE(probe_view(device, x, y, red)) << "inside at " << x << ", " << y;
    for (auto [x, y] : {std::pair{-0.55, 0.0}, std::pair{0.55, 0.0}, std::pair{0.0, 0.55}, std::pair{0.0, -0.55}})
        EXPECT_TRUE(probe_view(device, x, y, black)) << "outside at " << x << ", " << y;
}

using Square = ProgramTest;

} // namespace

TEST_F(Square, BufferingMatchesTheProgram)
{
    const bool double_buffered = std::strcmp(program_about.name, "square_double") == 0;
    EXPECT_EQ(glutGet(GLUT_WINDOW_DOUBLEBUFFER) != 0, double_buffered);
    EXPECT_EQ(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
}

TEST_F(Square, UprightBeforeAnyIdleCallAndAgainAfterNinety)
{
    expect_upright_square();
    idle_steps(program, 90);
    redraw();
    EXPECT_EQ(square_angle, 90.0);
    expect_upright_square();
}

TEST_F(Square, TurnsAnticlockwiseThroughADiamond)
{
    idle_steps(program, 45);
    redraw();
    // At 45 degrees the corners point up, down and sideways, 0.707 out.
    EXPECT_TRUE(probe_view(device, 0, 0.66, red)) << "top corner";
    EXPECT_TRUE(probe_view(device, 0.66, 0, red)) << "right corner";
    EXPECT_TRUE(probe_view(device, 0.45, 0.45, black)) << "where the upright corner was";
    idle_steps(program, 15); // 60 degrees: the first corner (-0.5, -0.5) has moved to below the centre
    redraw();
    EXPECT_TRUE(probe_view(device, 0.15, -0.66, red)) << "corner turned anticlockwise";
    EXPECT_TRUE(probe_view(device, -0.15, -0.66, black));
}

TEST_F(Square, AnglePassesThreeSixtyWithoutWrapping)
{
    idle_steps(program, 400);
    EXPECT_EQ(square_angle, 400.0);
    idle_steps(program, 50);
    redraw();
    expect_upright_square(); // 450 degrees looks like 90
}

TEST_F(Square, WideWindowStretchesTheSquare)
{
    resize(800, 400);
    redraw();
    expect_upright_square();
    // 0.5 in device coordinates is 200 pixels across but 100 up.
    EXPECT_TRUE(probe_rgb(400 + 190, 200, red));
    EXPECT_TRUE(probe_rgb(400, 200 + 110, black));
}
