#include "cli/png_encoder.h"

#include <png.h>

#include <csetjmp>

namespace fenx {
namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void NoFlush(png_structp) {}

// libpng's own messages would be a second line beside the command's one:
// errors end the encoding quietly, warnings are dropped.
void QuietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void QuietWarning(png_structp, png_const_charp) {}

// libpng reports errors by longjmp, so this function holds nothing that
// needs a destructor; the text it fills belongs to the caller.
bool Encode(const IndexedImage& image, const ColourTable& colours, std::string& out) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[256];
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = colours[static_cast<std::size_t>(i)];
        palette[i] = {static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                      static_cast<png_byte>(c)};
    }
    png_set_PLTE(png, info, palette, 256);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, image.pixels + static_cast<std::ptrdiff_t>(y) * image.stride);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::optional<std::string> EncodeIndexedPng(const IndexedImage& image, const ColourTable& colours) {
    std::string bytes;
    if (image.width <= 0 || image.height <= 0 || !Encode(image, colours, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace fenx
