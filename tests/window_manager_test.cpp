// Every program on a desktop with a window manager: openbox, on the test's
// private Xvfb, reparents and decorates each window. The frame lands where an
// X program's frame lands for the same -geometry, and a window closed through
// the manager ends its program with status 0 and no X error.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "deadline.h"
#include "mesa_quirks.h"
#include "program_table.h"
#include "running_program.h"

namespace {

class UnderAWindowManager : public EveryProgram {
protected:
    void SetUp() override
    {
        use_private_display();
        start_window_manager();
    }
};

// How far the frame's edges lie from the screen's: left, top, right, bottom.
struct Margins {
    int left, top, right, bottom;
};

Margins margins(Display* display, Window window)
{
    const WindowGeometry f = frame_geometry(display, window);
    const Screen* screen = DefaultScreenOfDisplay(display);
    return {f.x, f.y, screen->width - f.x - f.width, screen->height - f.y - f.height};
}

// Where the frame of xlogo, the X distribution's own small program, lands
// for the geometry string.
Margins reference_margins(const std::string& geometry)
{
    RunningProgram xlogo("/usr/bin/xlogo", "xlogo", {"xlogo", "-geometry", geometry});
    if (xlogo.window() == 0) {
        ADD_FAILURE() << "xlogo did not start (is x11-apps installed?); stderr: " << read_stderr(xlogo.process());
        return {};
    }
    return margins(xlogo.display(), xlogo.window());
}

} // namespace

TEST_P(UnderAWindowManager, FrameLandsWhereAnXProgramsFrameLands)
{
    const ProgramRow& row = GetParam();
    const std::string exe = binary(row.name);
    // A program that sets its own place keeps it, whatever is typed.
    char own_place[32];
    std::snprintf(own_place, sizeof own_place, "+%d+%d", row.x, row.y);
    for (const char* typed : {"+30+40", "-0-0", "200x150-30-40", "200x150+10-0", "-0+10"}) {
        SCOPED_TRACE(std::string("-geometry ") + typed);
        const std::string place = row.x >= 0 ? own_place : typed;
        const Margins expected = reference_margins(place);
        RunningProgram running(exe, title_for(row, exe), {exe, "-geometry", typed}, true);
        ASSERT_NE(running.window(), 0u) << "no window; stderr: " << read_stderr(running.process());
        // The frame is placed by the corner the offsets measure from; the
        // program may move its window once the manager has framed it.
        const bool x_from_right = place[place.find_first_of("+-")] == '-';
        const bool y_from_bottom = place[place.find_last_of("+-")] == '-';
        Margins got{};
        poll_until(5.0, [&] {
            got = margins(running.display(), running.window());
            return (x_from_right ? got.right == expected.right : got.left == expected.left) &&
                   (y_from_bottom ? got.bottom == expected.bottom : got.top == expected.top);
        });
        if (x_from_right)
            EXPECT_EQ(got.right, expected.right) << "frame's gap to the right edge";
        else
            EXPECT_EQ(got.left, expected.left) << "frame's gap to the left edge";
        if (y_from_bottom)
            EXPECT_EQ(got.bottom, expected.bottom) << "frame's gap to the bottom edge";
        else
            EXPECT_EQ(got.top, expected.top) << "frame's gap to the top edge";
        const bool sized = std::string(typed).find('x') != std::string::npos;
        EXPECT_EQ(running.placed().width, row.width > 0 ? row.width : sized ? 200 : toolkit_default_size);
        EXPECT_EQ(running.placed().height, row.height > 0 ? row.height : sized ? 150 : toolkit_default_size);
        EXPECT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
    }
}

TEST_P(UnderAWindowManager, ClosedThroughTheManagerEndsWithStatusZeroAndNoXError)
{
    const ProgramRow& row = GetParam();
    RunningProgram running(binary(row.name), title_for(row, binary(row.name)));
    ASSERT_NE(running.window(), 0u);
    SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(!running.double_buffered());
    ASSERT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
    close_through_manager(running.display(), running.window());
    running.expect_clean_exit("the window manager closed its window");
}

INSTANTIATE_TEST_SUITE_P(WindowManager, UnderAWindowManager, testing::ValuesIn(program_rows), row_name);
