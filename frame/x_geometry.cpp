#include "x_geometry.h"

namespace {

// An optionally signed decimal number; advances `text` past what it read.
// Overlong numbers wrap, as Xlib's do, without overflowing an int.
bool read_integer(const char*& text, int& value)
{
    const char* start = text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    unsigned magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        magnitude = magnitude * 10u + static_cast<unsigned>(*text - '0');
    value = static_cast<int>(negative ? 0u - magnitude : magnitude);
    return text != start;
}

// "+N" or "-N" after a size: an offset from the top-left or bottom-right edge.
bool read_offset(const char*& text, int& value, bool& from_far_edge)
{
    from_far_edge = *text == '-';
    ++text;
    if (!read_integer(text, value))
        return false;
    if (from_far_edge)
        value = static_cast<int>(0u - static_cast<unsigned>(value));
    return true;
}

} // namespace

TypedGeometry parse_geometry(const char* text)
{
    TypedGeometry none, geometry;
    if (text == nullptr || *text == '\0')
        return none;
    if (*text == '=')
        ++text;
    int number = 0;
    if (*text != '+' && *text != '-' && *text != 'x') {
        if (!read_integer(text, number))
            return none;
        geometry.width = static_cast<unsigned>(number);
        geometry.has_width = true;
    }
    if (*text == 'x' || *text == 'X') {
        ++text;
        if (!read_integer(text, number))
            return none;
        geometry.height = static_cast<unsigned>(number);
        geometry.has_height = true;
    }
    if (*text == '+' || *text == '-') {
        if (!read_offset(text, geometry.x, geometry.from_right))
            return none;
        geometry.has_x = true;
        if (*text == '+' || *text == '-') {
            if (!read_offset(text, geometry.y, geometry.from_bottom))
                return none;
            geometry.has_y = true;
        }
    }
    return *text == '\0' ? geometry : none;
}
