// The shared frame: start-up from a ProgramSetup row, the spin controller and
// the orthographic reshape.
#include <gtest/gtest.h>

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xutil.h>

#include <cmath>
#include <string>

#include "ortho_reshape.h"
#include "program_harness.h"
#include "spin_control.h"
#include "x_geometry.h"
#include "x_client.h"
#include "x_server.h"

namespace {

void clear_to_green()
{
    glClearColor(0, 1, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glFlush();
}

std::string shown_title() { return window_title(glXGetCurrentDisplay(), glXGetCurrentDrawable()); }

const ProgramSetup invocation_titled{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .geometry = {WindowPosition{40, 30}, WindowSize{320, 200}},
    .callbacks = {DisplayFunc{clear_to_green}},
};

const ProgramSetup fixed_title_default_mode{
    .title = "fixed title",
    .callbacks = {DisplayFunc{clear_to_green}},
};

const ProgramSetup explicit_single_mode{
    .display_mode = GLUT_RGB | GLUT_SINGLE,
    .geometry = {WindowSize{200, 300}, WindowPosition{60, 70}},
    .title = "mode zero",
    .callbacks = {DisplayFunc{clear_to_green}},
};

GLdouble projection_entry(int i)
{
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    return m[i];
}

} // namespace

TEST(AdvanceAngle, RunsUpToAndIncluding360ThenWrapsToTheNextStep)
{
    float angle = 0.0f;
    for (int i = 1; i <= 180; ++i) {
        angle = advance_angle(angle, 2.0);
        ASSERT_EQ(angle, 2.0f * i);
    }
    EXPECT_EQ(angle, 360.0f);
    EXPECT_EQ(advance_angle(angle, 2.0), 2.0f);
    EXPECT_EQ(advance_angle(359.0f, 1.0), 360.0f);
    EXPECT_EQ(advance_angle(360.0f, 1.0), 1.0f);
}

TEST(SpinMouse, PressesChooseTheAxisAndEverythingElseIsIgnored)
{
    spin_state = {{10.0f, 20.0f, 30.0f}, 2};
    spin_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5);
    EXPECT_EQ(spin_state.axis, 0);
    spin_mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 5, 5);
    EXPECT_EQ(spin_state.axis, 0) << "a release must not change the axis";
    spin_mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(spin_state.axis, 1);
    spin_mouse(3, GLUT_DOWN, 0, 0); // wheel
    spin_mouse(4, GLUT_DOWN, 0, 0);
    EXPECT_EQ(spin_state.axis, 1) << "the wheel must not change the axis";
    spin_mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(spin_state.axis, 2);
    EXPECT_EQ(spin_state.theta[0], 10.0f);
    EXPECT_EQ(spin_state.theta[1], 20.0f);
    EXPECT_EQ(spin_state.theta[2], 30.0f);
}

TEST(OrthoBounds, KeepsTheSquareVisibleAndUndistorted)
{
    struct Case {
        int w, h;
        double extent;
        OrthoBounds expected;
    };
    for (const Case& c : {Case{500, 500, 2.0, {-2, 2, -2, 2}}, Case{800, 400, 2.0, {-4, 4, -2, 2}},
                          Case{300, 900, 1.5, {-1.5, 1.5, -4.5, 4.5}}}) {
        const OrthoBounds b = ortho_bounds(c.w, c.h, c.extent);
        EXPECT_DOUBLE_EQ(b.left, c.expected.left) << c.w << " x " << c.h;
        EXPECT_DOUBLE_EQ(b.right, c.expected.right) << c.w << " x " << c.h;
        EXPECT_DOUBLE_EQ(b.bottom, c.expected.bottom) << c.w << " x " << c.h;
        EXPECT_DOUBLE_EQ(b.top, c.expected.top) << c.w << " x " << c.h;
    }

    // Model units per pixel are the same across and up, for any shape.
    for (auto [w, h] : {std::pair{640, 480}, std::pair{1, 900}, std::pair{2000, 1}}) {
        const OrthoBounds b = ortho_bounds(w, h, 2.0);
        EXPECT_NEAR((b.right - b.left) / w, (b.top - b.bottom) / h, 1e-12) << w << " x " << h;
        EXPECT_GE(std::min(b.right, b.top), 2.0) << w << " x " << h;
    }
}

TEST(DemoStart, TitlesWithArgv0AsTypedAndAppliesTheGeometry)
{
    start_program(invocation_titled, "frame_probe", "./some dir/frame probe");
    EXPECT_EQ(shown_title(), "./some dir/frame probe");
    EXPECT_EQ(window_width(), 320);
    EXPECT_EQ(window_height(), 200);
    EXPECT_EQ(glutGet(GLUT_WINDOW_X), 40);
    EXPECT_EQ(glutGet(GLUT_WINDOW_Y), 30);
    EXPECT_TRUE(glutGet(GLUT_WINDOW_DOUBLEBUFFER));
    EXPECT_GT(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
    redraw();
    EXPECT_TRUE(probe_rgb(160, 100, {0, 255, 0}));
}

TEST(DemoStart, EmptyInvocationNameFallsBackToTheProgramName)
{
    start_program(invocation_titled, "frame_probe", "");
    EXPECT_EQ(shown_title(), "frame_probe");
}

TEST(DemoStart, NoArgumentsAtAllFallsBackToTheProgramName)
{
    use_private_display();
    int argc = 0;
    char* argv[] = {nullptr};
    demo_start(argc, argv, invocation_titled, "frame_probe");
    pump_events();
    EXPECT_EQ(shown_title(), "frame_probe");
}

TEST(DemoStart, UnsetModeGivesTheToolkitDefaultWithDepth)
{
    start_program(fixed_title_default_mode, "frame_probe");
    EXPECT_EQ(shown_title(), "fixed title");
    EXPECT_FALSE(glutGet(GLUT_WINDOW_DOUBLEBUFFER));
    EXPECT_GT(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
    redraw();
    EXPECT_TRUE(probe_rgb(window_width() / 2, window_height() / 2, {0, 255, 0}));
}

TEST(DemoStart, ModeZeroIsSingleBufferedWithoutDepth)
{
    SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(true);
    start_program(explicit_single_mode, "frame_probe");
    EXPECT_FALSE(glutGet(GLUT_WINDOW_DOUBLEBUFFER));
    EXPECT_EQ(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
    EXPECT_EQ(window_width(), 200);
    EXPECT_EQ(window_height(), 300);
    EXPECT_EQ(glutGet(GLUT_WINDOW_X), 60);
    EXPECT_EQ(glutGet(GLUT_WINDOW_Y), 70);
}

TEST(OrthoReshape, ZeroSizeKeepsTheProjectionAndLeavesModelviewCurrent)
{
    SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(true);
    start_program(fixed_title_default_mode, "frame_probe");
    ortho_reshape(400, 200, 2.0, false);
    const GLdouble x_scale = projection_entry(0);
    EXPECT_NEAR(x_scale, 2.0 / 8.0, 1e-9);

    glMatrixMode(GL_PROJECTION);
    for (auto [w, h] : {std::pair{0, 200}, std::pair{400, 0}, std::pair{0, 0}}) {
        ortho_reshape(w, h, 2.0, false);
        EXPECT_EQ(projection_entry(0), x_scale) << w << " x " << h;
        for (int i = 0; i < 16; ++i)
            EXPECT_TRUE(std::isfinite(projection_entry(i))) << w << " x " << h;
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], w);
        EXPECT_EQ(viewport[3], h);
    }
}

TEST(OrthoReshape, ResetLoadsTheIdentityAndNoResetKeepsTheModelview)
{
    SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(true);
    start_program(fixed_title_default_mode, "frame_probe");
    GLfloat m[16];
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(30.0f, 0, 0, 1);
    ortho_reshape(300, 300, 2.0, false);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_NEAR(m[0], std::cos(30.0 * M_PI / 180.0), 1e-6);

    ortho_reshape(300, 300, 2.0, true);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(m[0], 1.0f);
    EXPECT_FLOAT_EQ(m[1], 0.0f);
}

// The frame's reading of -geometry, which every platform shares, reads each
// string as Xlib's own XParseGeometry does.
TEST(Frame, ReadsGeometryAsXlibDoes)
{
    for (const char* text : {"",
                             "=",
                             "300x200",
                             "=300x200+10+20",
                             "300x200-0-0",
                             "x200",
                             "300",
                             "300x",
                             "+10+20",
                             "-10-20",
                             "+10",
                             "-5",
                             "300x200+-5+5",
                             "300x200++5",
                             "300x200+5+",
                             "300X200",
                             "X200",
                             "3a0x200",
                             "300x200+5+5junk",
                             "300x-200",
                             "-+",
                             "99999999999x1",
                             "300x200+1+2+3",
                             " 300x200",
                             "300x200 "}) {
        int x = 0, y = 0;
        unsigned width = 0, height = 0;
        const int mask = XParseGeometry(text, &x, &y, &width, &height);
        const TypedGeometry read = parse_geometry(text);
        SCOPED_TRACE(std::string("\"") + text + "\"");
        EXPECT_EQ(read.has_width, (mask & WidthValue) != 0);
        EXPECT_EQ(read.has_height, (mask & HeightValue) != 0);
        EXPECT_EQ(read.has_x, (mask & XValue) != 0);
        EXPECT_EQ(read.has_y, (mask & YValue) != 0);
        EXPECT_EQ(read.from_right, (mask & XNegative) != 0);
        EXPECT_EQ(read.from_bottom, (mask & YNegative) != 0);
        // What the string does not give stays 0; Xlib leaves it alone.
        EXPECT_EQ(read.width, (mask & WidthValue) ? width : 0u);
        EXPECT_EQ(read.height, (mask & HeightValue) ? height : 0u);
        EXPECT_EQ(read.x, (mask & XValue) ? x : 0);
        EXPECT_EQ(read.y, (mask & YValue) ? y : 0);
    }
}
