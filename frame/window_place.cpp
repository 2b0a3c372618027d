#include "window_place.h"

#include "gl_headers.h"
#include "platform.h"
#include "x_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

int scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

PlaceOptions place_options(int argc, char** argv)
{
    PlaceOptions typed;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-geometry") == 0)
            typed.geometry = argv[++i];
        else if (std::strcmp(argv[i], "-display") == 0)
            typed.display = argv[++i];
    }
    return typed;
}

Corner place_window(const PlaceOptions& typed, const ProgramSetup& setup, double scale)
{
    Corner corner = Corner::top_left;
    int width = toolkit_default_size, height = toolkit_default_size;
    bool row_sizes = false, row_places = false;
    for (const WindowStep& step : setup.geometry) {
        if (const auto* size = std::get_if<WindowSize>(&step)) {
            width = size->width;
            height = size->height;
            row_sizes = true;
        }
        row_places = row_places || std::holds_alternative<WindowPosition>(step);
    }

    width = scaled(width, scale);
    height = scaled(height, scale);

    bool typed_places = false;
    if (typed.geometry != nullptr) {
        const int screen_width = glutGet(GLUT_SCREEN_WIDTH), screen_height = glutGet(GLUT_SCREEN_HEIGHT);
        const TypedGeometry geometry = parse_geometry(typed.geometry);
        if (!row_sizes && geometry.has_size() && geometry.width > 0 && geometry.height > 0) {
            const auto typed_width = static_cast<unsigned>(std::lround(std::min(geometry.width * scale, 65535.0)));
            const auto typed_height = static_cast<unsigned>(std::lround(std::min(geometry.height * scale, 65535.0)));
            width = static_cast<int>(std::min(typed_width, static_cast<unsigned>(screen_width)));
            height = static_cast<int>(std::min(typed_height, static_cast<unsigned>(screen_height)));
        }
        glutInitWindowSize(width, height);
        if (geometry.has_place()) {
            int x = scaled(geometry.x, scale), y = scaled(geometry.y, scale);
            if (geometry.from_right)
                x += screen_width - width;
            if (geometry.from_bottom)
                y += screen_height - height;
            glutInitWindowPosition(std::clamp(x, 0, std::max(0, screen_width - width)),
                                   std::clamp(y, 0, std::max(0, screen_height - height)));
            typed_places = true;
            if (!row_places && geometry.from_right)
                corner = geometry.from_bottom ? Corner::bottom_right : Corner::top_right;
            else if (!row_places && geometry.from_bottom)
                corner = Corner::bottom_left;
        }
    } else if (scale != 1.0) {
        glutInitWindowSize(width, height); // the toolkit's own size, or the row's, scaled
    }
    if (!row_places && !typed_places && !manager_places_windows(typed.display))
        glutInitWindowPosition(0, 0);
    return corner;
}
