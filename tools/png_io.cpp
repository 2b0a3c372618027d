#include "png_io.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

bool write_png(const std::string& path, const Image& image)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(image.width) * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            row[static_cast<size_t>(x) * 3] = static_cast<png_byte>(c.r);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<png_byte>(c.g);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<png_byte>(c.b);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
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
