// The wire sphere whose rotations compound from pass to pass.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "program_harness.h"
#include "spin_control.h"

namespace {

// Column-major 4 x 4 matrices, as OpenGL stores them.
using Matrix = std::array<double, 16>;

Matrix identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix multiply(const Matrix& a, const Matrix& b)
{
    Matrix m{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return m;
}

// Rotation by degrees about coordinate axis 0, 1 or 2, anticlockwise looking
// down the axis towards the origin.
Matrix rotation(int axis, double degrees)
{
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    Matrix m = identity();
    m[i * 4 + i] = c;
    m[j * 4 + j] = c;
    m[i * 4 + j] = s;
    m[j * 4 + i] = -s;
    return m;
}

// One pass's rotations: x, then y, then z, multiplied on.
Matrix pass(const float theta[3])
{
    return multiply(multiply(rotation(0, theta[0]), rotation(1, theta[1])), rotation(2, theta[2]));
}

Matrix modelview()
{
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    Matrix result;
    std::copy(m, m + 16, result.begin());
    return result;
}

constexpr double matrix_tolerance = 2e-4;

bool matrices_near(const Matrix& a, const Matrix& b)
{
    for (int i = 0; i < 16; ++i)
        if (std::abs(a[i] - b[i]) > matrix_tolerance)
            return false;
    return true;
}

void expect_matrix_near(const Matrix& observed, const Matrix& expected)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(observed[i], expected[i], matrix_tolerance) << "entry " << i;
}

class WireSphereSpin : public ProgramTest {
protected:
    static void step_and_draw()
    {
        idle_steps(program, 1);
        callback_of<DisplayFunc>(program)();
    }
};

} // namespace

TEST_F(WireSphereSpin, EveryPassMultipliesItsRotationsOntoTheLast)
{
    const Matrix start = modelview();
    expect_matrix_near(start, identity());
    Matrix expected = start;
    for (int k = 1; k <= 12; ++k) {
        step_and_draw();
        expected = multiply(expected, pass(spin_state.theta));
    }
    expect_matrix_near(modelview(), expected);
    // About z alone the turns add up: 2 + 4 + ... + 24 = 12 * 13 degrees.
    expect_matrix_near(modelview(), rotation(2, 12 * 13));
}

TEST_F(WireSphereSpin, PerPassTurnFallsBackToTwoDegreesAfterTheWrap)
{
    for (int k = 1; k <= 180; ++k)
        step_and_draw();
    EXPECT_EQ(spin_state.theta[2], 360.0f);
    const Matrix at_360 = modelview();
    step_and_draw();
    EXPECT_EQ(spin_state.theta[2], 2.0f);
    expect_matrix_near(modelview(), multiply(at_360, rotation(2, 2)));
}

TEST_F(WireSphereSpin, OldAxisKeepsTurningByItsLastAngleAfterAnAxisChange)
{
    for (int k = 0; k < 5; ++k)
        step_and_draw(); // z reaches 10
    press(GLUT_LEFT_BUTTON);
    Matrix expected = modelview();
    for (int k = 1; k <= 4; ++k) {
        step_and_draw();
        expected = multiply(expected, multiply(rotation(0, 2 * k), rotation(2, 10)));
    }
    expect_matrix_near(modelview(), expected);
}

TEST_F(WireSphereSpin, ResizeKeepsTheAccumulatedOrientation)
{
    for (int k = 0; k < 6; ++k)
        step_and_draw();
    const Matrix before = modelview();
    resize(700, 400);
    // The resize repaints, and each pass adds one more copy of the current
    // rotations; nothing goes back to the identity.
    const Matrix after = modelview();
    Matrix candidate = before;
    bool matched = false;
    for (int passes = 0; passes < 8 && !matched; ++passes) {
        matched = matrices_near(after, candidate);
        candidate = multiply(candidate, pass(spin_state.theta));
    }
    EXPECT_TRUE(matched) << "the orientation after the resize is not the one before, turned on by whole passes";
}

TEST_F(WireSphereSpin, UnrotatedSphereShowsRedSpokesOnBlack)
{
    redraw();
    expect_matrix_near(modelview(), identity());
    const View square{2, 2};
    EXPECT_TRUE(probe_view(square, 1.6, 0, {0, 0, 0})) << "outside the sphere";
    // Ten spokes meet at the pole in the centre: a circle of radius 0.3 around
    // it crosses red lines.
    int red_hits = 0;
    for (int i = 0; i < 720; ++i) {
        const Rgb c = read_view(square, 0.3 * std::cos(i * M_PI / 360), 0.3 * std::sin(i * M_PI / 360));
        red_hits += c.r > 100 && c.g < 40 && c.b < 40;
    }
    EXPECT_GE(red_hits, 10);
}
