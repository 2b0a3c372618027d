// Every program on XWayland, the X server of Wayland desktops: weston's
// headless compositor runs it. Each window opens with its title, draws, and
// its program ends with status 0 and no X error when the window is closed.
#include <gtest/gtest.h>

#include <string>

#include "deadline.h"
#include "mesa_quirks.h"
#include "program_table.h"
#include "running_program.h"

namespace {

class OnXWayland : public EveryProgram {
protected:
    void SetUp() override { use_xwayland_display(); }
};

} // namespace

TEST_P(OnXWayland, OpensTitledDrawsAndEndsWithStatusZeroWhenClosed)
{
    const ProgramRow& row = GetParam();
    RunningProgram running(binary(row.name), title_for(row, binary(row.name)));
    ASSERT_NE(running.window(), 0u) << "no window titled " << title_for(row, binary(row.name))
                                    << "; stderr: " << read_stderr(running.process());
    const WindowGeometry g = running.placed();
    EXPECT_EQ(g.width, row.width > 0 ? row.width : toolkit_default_size);
    EXPECT_EQ(g.height, row.height > 0 ? row.height : toolkit_default_size);
    EXPECT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
    SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(!running.double_buffered());
    close_window(running.display(), running.window());
    running.expect_clean_exit("its window was closed");
}

INSTANTIATE_TEST_SUITE_P(XWayland, OnXWayland, testing::ValuesIn(program_rows), row_name);
