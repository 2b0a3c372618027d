// One built program running on the test's X server, its window found by
// title, wholly on the screen.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <GL/glx.h>
#include <X11/Xutil.h>

#include "x_client.h"
#include "x_server.h"

// Non-black pixels of a picture.
inline int lit_pixels(const Image& image)
{
    int n = 0;
    for (const Rgb& c : image.pixels)
        n += c.r + c.g + c.b > 30;
    return n;
}

class RunningProgram {
public:
    // Started as exe with no arguments but its own path as argv[0].
    RunningProgram(const std::string& exe, const std::string& title) : RunningProgram(exe, title, {exe}) {}

    // args is the whole argument vector, argv[0] included; it may be empty.
    // A window partly off the screen is moved onto it, unless left where its
    // program and the window manager put it.
    RunningProgram(const std::string& exe, const std::string& title, const std::vector<std::string>& args,
                   bool leave_in_place = false)
    {
        use_private_display();
        display_ = open_display();
        process_ = launch(exe, args);
        window_ = find_window(display_, title, 15.0);
        if (window_ != 0) {
            placed_ = window_geometry(display_, window_);
            // Only a window wholly on the screen can be read back.
            const Screen* screen = DefaultScreenOfDisplay(display_);
            if (!leave_in_place && (placed_.x < 0 || placed_.y < 0 || placed_.x + placed_.width > screen->width ||
                                    placed_.y + placed_.height > screen->height))
                move_window(display_, window_, 0, 0);
        }
    }
    ~RunningProgram()
    {
        stop(process_);
        XCloseDisplay(display_);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    Display* display() const { return display_; }
    Window window() const { return window_; }
    ProgramProcess& process() { return process_; }
    // Where the window first appeared, before it was moved fully on-screen.
    WindowGeometry placed() const { return placed_; }
    Image grab() const { return grab_window(display_, window_); }
    // The pixel at the window's centre; a window that is gone fails the test,
    // once, with how its program ended, and reads as (-1, -1, -1), which
    // matches no colour.
    Rgb centre()
    {
        const Image image = grab();
        if (image.pixels.empty()) {
            report_gone();
            return {-1, -1, -1};
        }
        return image.at(image.width / 2, image.height / 2);
    }
    // Fails the test, the first time only, with the program's exit status and
    // what it wrote to standard error.
    void report_gone()
    {
        if (reported_gone_)
            return;
        reported_gone_ = true;
        const std::optional<int> status = wait_exit(process_, 1.0);
        ADD_FAILURE() << "the program's window is gone; the program "
                      << (status ? "ended with status " + std::to_string(*status) : std::string("still runs"))
                      << "; stderr: " << read_stderr(process_);
    }
    bool still_running() { return !wait_exit(process_, 0.0).has_value(); }
    // Checks that the program ends, with status 0 and no X error, after
    // what the test did to it (how says what, for the messages).
    void expect_clean_exit(const std::string& how)
    {
        const std::optional<int> status = wait_exit(process_, 10.0);
        ASSERT_TRUE(status.has_value()) << "still running after " << how;
        const std::string message = read_stderr(process_);
        EXPECT_EQ(*status, 0) << "after " << how << "; stderr: " << message;
        EXPECT_EQ(message.find("X Error"), std::string::npos) << "after " << how << ": " << message;
    }
    // Whether the window's visual is double-buffered, as GLX reports it.
    bool double_buffered() const
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window_, &attributes);
        XVisualInfo wanted{};
        wanted.visualid = XVisualIDFromVisual(attributes.visual);
        int count = 0;
        XVisualInfo* info = XGetVisualInfo(display_, VisualIDMask, &wanted, &count);
        int doubled = 0;
        if (info != nullptr) {
            glXGetConfig(display_, info, GLX_DOUBLEBUFFER, &doubled);
            XFree(info);
        }
        return doubled != 0;
    }

private:
    Display* display_ = nullptr;
    ProgramProcess process_;
    Window window_ = 0;
    WindowGeometry placed_;
    bool reported_gone_ = false;
};
