// X's notation for a window's size and place, "[=][WxH][{+-}X{+-}Y]", read
// as Xlib's XParseGeometry reads it, on every platform.
#pragma once

struct TypedGeometry {
    bool has_width = false, has_height = false;
    bool has_x = false, has_y = false;
    bool from_right = false;  // "-X": X measures from the right edge
    bool from_bottom = false; // "-Y": Y measures from the bottom edge
    int x = 0, y = 0;         // "-X" gives -X, as Xlib does
    unsigned width = 0, height = 0;

    bool has_size() const { return has_width && has_height; }
    bool has_place() const { return has_x || has_y; }
};

// A string that does not follow the notation gives nothing at all, as Xlib's
// mask of 0 does.
TypedGeometry parse_geometry(const char* text);
