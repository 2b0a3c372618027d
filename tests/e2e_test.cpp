// The built programs, started as a user would start them and driven with real
// X input.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "deadline.h"
#include "mesa_quirks.h"
#include "program_table.h"
#include "running_program.h"
#include "x_server.h"

TEST(ColorCubeProgram, OpensItsTitledWindowAndTurnsAboutTheClickedAxis)
{
    RunningProgram cube(binary("color_cube"), "separate axes");
    ASSERT_NE(cube.window(), 0u) << "no window titled \"separate axes\"";
    EXPECT_EQ(cube.placed().width, 500);
    EXPECT_EQ(cube.placed().height, 500);

    // Turning about z keeps the front face's middle at the centre while the
    // corners move.
    const Rgb front_middle{128, 128, 255};
    ASSERT_TRUE(poll_until(10.0, [&] { return within(cube.centre(), front_middle, 10); }))
        << "centre " << cube.centre();
    const Image before = cube.grab();
    ASSERT_TRUE(poll_until(10.0, [&] { return cube.grab().pixels != before.pixels; })) << "the cube does not turn";
    EXPECT_TRUE(within(cube.centre(), front_middle, 10)) << "centre " << cube.centre();

    // The left button turns it about x: other faces reach the centre.
    click(cube.display(), cube.window(), 1, 250, 250);
    EXPECT_TRUE(poll_until(10.0, [&] { return !within(cube.centre(), front_middle, 40); }))
        << "centre still " << cube.centre();
}

TEST(WindowRows, EveryProgramHasItsTitleSizeAndPlace)
{
    for (const ProgramRow& row : program_rows) {
        SCOPED_TRACE(row.name);
        // Invocation names are shown exactly as typed, directories and spaces included.
        const std::string typed = std::string("../some dir/") + row.name + " copy";
        const std::string title = title_for(row, typed);
        RunningProgram running(binary(row.name), title, {row.title ? binary(row.name) : typed});
        ASSERT_NE(running.window(), 0u) << "no window titled \"" << title << "\"";
        const WindowGeometry g = running.placed();
        EXPECT_EQ(g.width, row.width > 0 ? row.width : toolkit_default_size);
        EXPECT_EQ(g.height, row.height > 0 ? row.height : toolkit_default_size);
        // With no window manager on the server, a window the row does not
        // place goes to the top-left corner, wholly on the screen.
        EXPECT_EQ(g.x, row.x >= 0 ? row.x : 0);
        EXPECT_EQ(g.y, row.y >= 0 ? row.y : 0);
    }
}

TEST(MaterialSphereProgram, OSwitchesTheMaterialAndEscapeEndsWithStatusZero)
{
    RunningProgram sphere(binary("material_sphere"), binary("material_sphere"));
    ASSERT_NE(sphere.window(), 0u);
    SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(!sphere.double_buffered());
    // The sphere's centre goes from grey to the fixed material's green.
    auto grey = [&] {
        const Rgb c = sphere.centre();
        return c.g > 100 && c.r == c.g;
    };
    auto green = [&] {
        const Rgb c = sphere.centre();
        return c.g > 100 && c.r < 80;
    };
    ASSERT_TRUE(poll_until(10.0, grey)) << "centre " << sphere.centre();
    type_key(sphere.display(), sphere.window(), XK_o);
    EXPECT_TRUE(poll_until(10.0, green)) << "centre " << sphere.centre();
    type_key(sphere.display(), sphere.window(), XK_Escape);
    const std::optional<int> status = wait_exit(sphere.process(), 10.0);
    ASSERT_TRUE(status.has_value()) << "Escape did not end the program";
    EXPECT_EQ(*status, 0);
}

TEST(UserDesktop, TheTestsNeverDrawOnADisplayTheyDidNotStart)
{
    // A stand-in for the user's desktop, watched for any window made on it.
    XvfbServer desktop = start_xvfb();
    Display* watcher = XOpenDisplay(desktop.display.c_str());
    ASSERT_NE(watcher, nullptr);
    XSelectInput(watcher, DefaultRootWindow(watcher), SubstructureNotifyMask);
    XSync(watcher, False);

    // Tests that start programs and tests that run them in-process, started
    // as a user with that desktop would start them.
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string folder = std::string(self).substr(0, std::string(self).rfind('/'));
    // The folder is quoted for the shell: a checkout's path may hold spaces.
    for (const std::string& test :
         {"'" + folder + "/e2e_test' --gtest_filter=ColorCubeProgram.*",
          "'" + folder + "/frame_test' --gtest_filter=DemoStart.TitlesWithArgv0AsTypedAndAppliesTheGeometry"}) {
        const std::string command = "env -u DEMO_TEST_DISPLAY DISPLAY=" + desktop.display + " " + test + " >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << test;
    }

    int windows_made = 0;
    XSync(watcher, False);
    while (XPending(watcher)) {
        XEvent event;
        XNextEvent(watcher, &event);
        windows_made += event.type == CreateNotify;
    }
    EXPECT_EQ(windows_made, 0) << "the tests made windows on the user's display";
    XCloseDisplay(watcher);
    stop_xvfb(desktop);
}
