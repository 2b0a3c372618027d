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

// Pixel of a normalised device coordinate across size pixels.
int pixel_of(double ndc, int size) { return static_cast<int>((ndc + 1) / 2 * size); }

void expect_upright_square(int w, int h)
{
    for (double x : {-0.45, 0.0, 0.45})
        for (double y : {-0.45, 0.0, 0.45})
            EXPECT_TRUE(probe_rgb(pixel_of(x, w), pixel_of(y, h), red)) << "inside at " << x << ", " << y;
    for (auto [x, y] : {std::pair{-0.55, 0.0}, std::pair{0.55, 0.0}, std::pair{0.0, 0.55}, std::pair{0.0, -0.55}})
        EXPECT_TRUE(probe_rgb(pixel_of(x, w), pixel_of(y, h), black)) << "outside at " << x << ", " << y;
}

class Square : public testing::Test {
protected:
    void SetUp() override
    {
        start_program(program);
        redraw();
    }
};

} // namespace

TEST_F(Square, BufferingMatchesTheProgram)
{
    const bool double_buffered = std::strcmp(program.name, "square_double") == 0;
    EXPECT_EQ(glutGet(GLUT_WINDOW_DOUBLEBUFFER) != 0, double_buffered);
    EXPECT_EQ(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
}

TEST_F(Square, UprightBeforeAnyIdleCallAndAgainAfterNinety)
{
    expect_upright_square(500, 500);
    idle_steps(program, 90);
    redraw();
    EXPECT_EQ(square_angle, 90.0);
    expect_upright_square(500, 500);
}

TEST_F(Square, TurnsAnticlockwiseThroughADiamond)
{
    idle_steps(program, 45);
    redraw();
    // At 45 degrees the corners point up, down and sideways, 0.707 out.
    EXPECT_TRUE(probe_rgb(pixel_of(0, 500), pixel_of(0.66, 500), red)) << "top corner";
    EXPECT_TRUE(probe_rgb(pixel_of(0.66, 500), pixel_of(0, 500), red)) << "right corner";
    EXPECT_TRUE(probe_rgb(pixel_of(0.45, 500), pixel_of(0.45, 500), black)) << "where the upright corner was";
    idle_steps(program, 15); // 60 degrees: the first corner (-0.5, -0.5) has moved to below the centre
    redraw();
    EXPECT_TRUE(probe_rgb(pixel_of(0.15, 500), pixel_of(-0.66, 500), red)) << "corner turned anticlockwise";
    EXPECT_TRUE(probe_rgb(pixel_of(-0.15, 500), pixel_of(-0.66, 500), black));
}

TEST_F(Square, AnglePassesThreeSixtyWithoutWrapping)
{
    idle_steps(program, 400);
    EXPECT_EQ(square_angle, 400.0);
    idle_steps(program, 50);
    redraw();
    expect_upright_square(500, 500); // 450 degrees looks like 90
}

TEST_F(Square, WideWindowStretchesTheSquare)
{
    resize(800, 400);
    redraw();
    expect_upright_square(800, 400);
    // 0.5 in device coordinates is 200 pixels across but 100 up.
    EXPECT_TRUE(probe_rgb(400 + 190, 200, red));
    EXPECT_TRUE(probe_rgb(400, 200 + 110, black));
}
