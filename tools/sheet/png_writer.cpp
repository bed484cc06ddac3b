#include "png_writer.h"

#include <csetjmp>
#include <cstdio>

#include <png.h>

namespace fenx::sheet {

// The encoder settings are fixed (no time stamp, one filter, one compression
// level), so one libpng and zlib always produce the same bytes. Other zlib
// versions may still compress differently, which is why the regeneration
// check compares the decoded pixels of the icons rather than their bytes.
bool WritePng(const std::string& path, const RgbaImage& image) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_PAETH);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, image.pixels.data() + stride * static_cast<std::size_t>(y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

} // namespace fenx::sheet
