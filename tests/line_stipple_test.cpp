// The wide stippled line loop.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <string>

#include "program_harness.h"

namespace {

// Lit (1) or dark (0) along the loop's first edge, from its first vertex
// (-0.5, -0.5) upwards, read down the middle of the 4-pixel-wide line.
std::string first_edge(int length)
{
    const int w = window_width(), h = window_height();
    const int x = w / 4 - 1, y0 = h / 4;
    std::string run;
    for (int i = 0; i < length; ++i)
        run += read_rgb(x, y0 + i).r > 128 ? '1' : '0';
    return run;
}

using LineStipple = ProgramTest;

} // namespace

TEST_F(LineStipple, DefaultSingleBufferedWindowWithDepth)
{
    EXPECT_FALSE(glutGet(GLUT_WINDOW_DOUBLEBUFFER));
    EXPECT_GT(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
}

TEST_F(LineStipple, DashesRepeatFourOffFourOnStartingWithTheGap)
{
    EXPECT_EQ(first_edge(32), "00001111000011110000111100001111");
}

TEST_F(LineStipple, LinesAreFourPixelsWideAndWhite)
{
    const int w = window_width(), h = window_height();
    const std::string edge = first_edge(64);
    const int lit_y = h / 4 + static_cast<int>(edge.find('1')) + 1;
    int lit = 0;
    for (int x = w / 4 - 8; x <= w / 4 + 8; ++x) {
        const Rgb c = read_rgb(x, lit_y);
        if (c.r > 128) {
            ++lit;
            EXPECT_EQ(c, (Rgb{255, 255, 255})) << "at " << x << ", " << lit_y;
        }
    }
    EXPECT_EQ(lit, 4);
    EXPECT_TRUE(probe_rgb(w / 2, h / 2, {0, 0, 0})) << "the loop is not filled";
}

TEST_F(LineStipple, ResizingKeepsDashesAndWidthInPixels)
{
    resize(500, 400);
    redraw();
    EXPECT_EQ(first_edge(32), "00001111000011110000111100001111");
}
