#include "webp_film.h"

#include <webp/demux.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include "replace_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> rgba_of(const Image& image)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(image.pixels.size() * 4);
    for (const Rgb& c : image.pixels)
        rgba.insert(rgba.end(), {static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b), 255});
    return rgba;
}

} // namespace

bool write_webp_film(const std::string& path, const WebpFilm& film)
{
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config))
        return false;
    options.anim_params.loop_count = 0; // for ever
    options.anim_params.bgcolor = 0xff000000;
    config.lossless = 1;
    config.quality = 75; // effort, for lossless
    config.method = 4;
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(film.width, film.height, &options);
    if (encoder == nullptr)
        return false;
    bool ok = true;
    int timestamp = 0;
    for (const Image& frame : film.frames) {
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        picture.width = frame.width;
        picture.height = frame.height;
        const std::vector<uint8_t> rgba = rgba_of(frame);
        ok = ok && frame.width == film.width && frame.height == film.height &&
             WebPPictureImportRGBA(&picture, rgba.data(), frame.width * 4) &&
             WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
        WebPPictureFree(&picture);
        timestamp += film.frame_ms;
    }
    WebPData data;
    WebPDataInit(&data);
    ok = ok && WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr) && WebPAnimEncoderAssemble(encoder, &data);
    WebPAnimEncoderDelete(encoder);
    ok = ok && replace_file(path, data.bytes, data.size);
    WebPDataClear(&data);
    return ok;
}

std::optional<WebpFilm> read_webp_film(const std::string& path, int frame_ms)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoderOptions options;
    if (bytes.empty() || !WebPAnimDecoderOptionsInit(&options))
        return std::nullopt;
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (decoder == nullptr)
        return std::nullopt;
    WebPAnimInfo info;
    if (!WebPAnimDecoderGetInfo(decoder, &info)) {
        WebPAnimDecoderDelete(decoder);
        return std::nullopt;
    }
    WebpFilm film{static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height), frame_ms, {}};
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* rgba = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder, &rgba, &timestamp)) {
            WebPAnimDecoderDelete(decoder);
            return std::nullopt;
        }
        const int repeats = std::max(1, (timestamp - previous + frame_ms / 2) / frame_ms);
        previous = timestamp;
        Image frame{film.width, film.height, {}};
        frame.pixels.reserve(static_cast<size_t>(film.width) * film.height);
        for (size_t i = 0; i < static_cast<size_t>(film.width) * film.height; ++i)
            frame.pixels.push_back({rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2]});
        for (int i = 0; i < repeats; ++i)
            film.frames.push_back(frame);
    }
    WebPAnimDecoderDelete(decoder);
    return film;
}
