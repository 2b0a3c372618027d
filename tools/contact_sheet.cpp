// Lays pictures out in a grid of equal cells, each scaled down to fit its
// cell with its shape kept, on a dark grey ground.
//
//   contact_sheet OUT.png COLUMNS CELL_SIZE IN.png...
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "png_io.h"

namespace {

constexpr int margin = 8;
const Rgb ground{48, 48, 48};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: contact_sheet OUT.png COLUMNS CELL_SIZE IN.png...\n");
        return 2;
    }
    const int columns = std::max(1, std::atoi(argv[2]));
    const int cell = std::max(16, std::atoi(argv[3]));
    const int count = argc - 4;
    const int rows = (count + columns - 1) / columns;
    Image sheet{margin + columns * (cell + margin), margin + rows * (cell + margin), {}};
    sheet.pixels.assign(static_cast<size_t>(sheet.width) * sheet.height, ground);
    for (int i = 0; i < count; ++i) {
        const std::optional<Image> picture = read_png(argv[4 + i]);
        if (!picture) {
            std::fprintf(stderr, "contact_sheet: cannot read %s\n", argv[4 + i]);
            return 1;
        }
        const int left = margin + (i % columns) * (cell + margin);
        const int top = margin + (i / columns) * (cell + margin);
        const Image scaled = scaled_to_fit(*picture, cell);
        paste(sheet, scaled, left + (cell - scaled.width) / 2, top + (cell - scaled.height) / 2);
    }
    if (!write_png(argv[1], sheet)) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
