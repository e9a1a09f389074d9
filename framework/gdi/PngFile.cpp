#include "framework/gdi/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace gdi {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

bool WritePng(const Raster& raster, const std::filesystem::path& path)
{
    if (raster.IsEmpty())
        return false;
    File file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(raster.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(raster.Width()), static_cast<png_uint_32>(raster.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < raster.Height(); ++y) {
        const Pixel* pixels = raster.Row(y);
        for (int x = 0; x < raster.Width(); ++x) {
            const auto i = static_cast<std::size_t>(x) * 3;
            row[i] = static_cast<png_byte>(pixels[x] >> 16);
            row[i + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[i + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

std::optional<Raster> ReadPng(const std::filesystem::path& path)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return std::nullopt;
    }
    Raster raster;
    std::vector<png_byte> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::nullopt;
    }
    png_init_io(png, file.get());
    png_read_info(png, info);
    // Any PNG comes out as 8-bit RGB.
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_palette_to_rgb(png);
    png_set_gray_to_rgb(png);
    png_set_expand_gray_1_2_4_to_8(png);
    png_read_update_info(png, info);
    const auto width = static_cast<int>(png_get_image_width(png, info));
    const auto height = static_cast<int>(png_get_image_height(png, info));
    raster.Resize(width, height);
    row.resize(png_get_rowbytes(png, info));
    for (int y = 0; y < height; ++y) {
        png_read_row(png, row.data(), nullptr);
        Pixel* pixels = raster.Row(y);
        for (int x = 0; x < width; ++x) {
            const auto i = static_cast<std::size_t>(x) * 3;
            pixels[x] = (static_cast<Pixel>(row[i]) << 16) | (static_cast<Pixel>(row[i + 1]) << 8) | row[i + 2];
        }
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return raster;
}

} // namespace gdi
