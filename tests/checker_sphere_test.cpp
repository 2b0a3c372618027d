// The checkerboard image, and the sphere whose eye-linear pattern stays fixed
// to the view.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <tuple>

#include "checker_colour.h"
#include "checker_texture.h"
#include "program_harness.h"
#include "spin_control.h"

namespace {

const View square{2, 2}; // 500 x 500 window, extent 2

// Probes the centre of every checker square whose centre lies well inside the
// disc; eye-linear generation gives s = x and t = y in eye coordinates.
void expect_pattern_fixed_to_the_view()
{
    int probed = 0;
    for (int i = -5; i < 5; ++i)
        for (int j = -5; j < 5; ++j) {
            const double x = (i + 0.5) / 8, y = (j + 0.5) / 8;
            if (x * x + y * y > 0.6 * 0.6)
                continue;
            EXPECT_TRUE(probe_view(square, x, y, checker_colour(x, y), 2)) << "square at " << x << ", " << y;
            ++probed;
        }
    EXPECT_GT(probed, 50);
}

using CheckerSphere = ProgramTest;

} // namespace

TEST(CheckerImage, EightByEightSquaresStartingBlack)
{
    static GLubyte image[checker_size][checker_size][3];
    build_checker_image(image);
    for (auto [i, j, v] :
         {std::tuple{0, 0, 0}, {7, 7, 0}, {0, 8, 255}, {7, 8, 255}, {8, 7, 255}, {8, 8, 0}, {63, 63, 0}, {63, 0, 255}})
        EXPECT_EQ(image[i][j][0], v) << i << ", " << j;
    for (int i = 0; i < checker_size; ++i)
        for (int j = 0; j < checker_size; ++j) {
            ASSERT_EQ(image[i][j][1], image[i][j][0]) << i << ", " << j;
            ASSERT_EQ(image[i][j][2], image[i][j][0]) << i << ", " << j;
            ASSERT_EQ(image[i][j][0], ((i / 8 + j / 8) % 2) * 255) << i << ", " << j;
        }
}

TEST_F(CheckerSphere, PatternFollowsEyeCoordinatesOnWhite)
{
    EXPECT_TRUE(probe_view(square, 1.5, 1.5, {255, 255, 255})) << "background";
    expect_pattern_fixed_to_the_view();
}

TEST_F(CheckerSphere, PatternStaysPutWhileTheSphereTurns)
{
    idle_steps(program, 20); // 40 degrees about z
    press(GLUT_LEFT_BUTTON);
    idle_steps(program, 17); // 34 degrees about x
    press(GLUT_MIDDLE_BUTTON);
    idle_steps(program, 11); // 22 degrees about y
    redraw();
    EXPECT_EQ(spin_state.theta[0], 34.0f);
    EXPECT_EQ(spin_state.theta[1], 22.0f);
    EXPECT_EQ(spin_state.theta[2], 40.0f);
    expect_pattern_fixed_to_the_view();
}

TEST_F(CheckerSphere, TwoStopsTheTurningAndPressesStillChooseTheAxis)
{
    idle_steps(program, 3);
    key('2');
    press(GLUT_MIDDLE_BUTTON);
    run_event_loop(0.3);
    EXPECT_EQ(spin_state.axis, 1);
    EXPECT_EQ(spin_state.theta[1], 0.0f) << "no idle steps after '2'";
    EXPECT_EQ(spin_state.theta[2], 6.0f);
}

TEST_F(CheckerSphere, OneResumesOnTheNewlyChosenAxis)
{
    idle_steps(program, 3);
    key('2');
    press(GLUT_LEFT_BUTTON);
    key('1');
    run_event_loop(0.3);
    EXPECT_GT(spin_state.theta[0], 0.0f) << "'1' must register the spin step again";
    EXPECT_EQ(spin_state.theta[2], 6.0f);
}
