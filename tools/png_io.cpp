#include "png_io.h"

#include <png.h>

#include "replace_file.h"

#include <algorithm>
#include <vector>

// Through libpng's simplified interface, which reports errors by its result
// rather than by a long jump over the caller's C++ objects.
bool write_png(const std::string& path, const Image& image)
{
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != static_cast<size_t>(image.width) * image.height)
        return false;
    std::vector<png_byte> rgb;
    rgb.reserve(image.pixels.size() * 3);
    for (const Rgb& c : image.pixels)
        rgb.insert(rgb.end(), {static_cast<png_byte>(c.r), static_cast<png_byte>(c.g), static_cast<png_byte>(c.b)});
    png_image target{};
    target.version = PNG_IMAGE_VERSION;
    target.width = static_cast<png_uint_32>(image.width);
    target.height = static_cast<png_uint_32>(image.height);
    target.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&target, nullptr, &size, 0, rgb.data(), 0, nullptr))
        return false;
    std::vector<png_byte> file(size);
    if (!png_image_write_to_memory(&target, file.data(), &size, 0, rgb.data(), 0, nullptr))
        return false;
    return replace_file(path, file.data(), size);
}

std::optional<Image> read_png(const std::string& path)
{
    png_image source{};
    source.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&source, path.c_str()))
        return std::nullopt;
    source.format = PNG_FORMAT_RGB;
    std::vector<png_byte> data(PNG_IMAGE_SIZE(source));
    if (!png_image_finish_read(&source, nullptr, data.data(), 0, nullptr)) {
        png_image_free(&source);
        return std::nullopt;
    }
    Image image{static_cast<int>(source.width), static_cast<int>(source.height), {}};
    image.pixels.reserve(data.size() / 3);
    for (size_t i = 0; i + 2 < data.size(); i += 3)
        image.pixels.push_back({data[i], data[i + 1], data[i + 2]});
    return image;
}

Image scaled_to_fit(const Image& picture, int size)
{
    const double scale = std::min(1.0, static_cast<double>(size) / std::max(picture.width, picture.height));
    const int w = std::max(1, static_cast<int>(picture.width * scale));
    const int h = std::max(1, static_cast<int>(picture.height * scale));
    Image out{w, h, {}};
    out.pixels.reserve(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int x0 = x * picture.width / w, x1 = std::max(x0 + 1, (x + 1) * picture.width / w);
            const int y0 = y * picture.height / h, y1 = std::max(y0 + 1, (y + 1) * picture.height / h);
            long r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const Rgb c = picture.at(sx, sy);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++n;
                }
            out.pixels.push_back({static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)});
        }
    return out;
}

void paste(Image& target, const Image& picture, int left, int top)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            target.pixels[static_cast<size_t>(top + y) * target.width + left + x] = picture.at(x, y);
}
