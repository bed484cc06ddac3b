#include "cli/png_writer.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace fenx {
namespace {

// libpng reports errors by longjmp, so this function holds nothing that
// needs a destructor.
bool WritePng(std::FILE* file, const IndexedImage& image, const ColourTable& colours) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
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

bool WriteIndexedPng(const std::string& path, const IndexedImage& image, const ColourTable& colours,
                     std::string& error) {
    if (image.width <= 0 || image.height <= 0) {
        error = "there is no picture to write";
        return false;
    }
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        error = "cannot write '" + path + "': it is a folder";
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        // A device or a pipe takes the bytes as they come; it is never
        // replaced or removed.
        std::FILE* device = std::fopen(path.c_str(), "wb");
        if (device == nullptr) {
            error = "cannot write '" + path + "': " + std::strerror(errno);
            return false;
        }
        const bool written = WritePng(device, image, colours);
        const bool closed = std::fclose(device) == 0;
        if (!written || !closed) {
            error = "writing '" + path + "' failed";
            return false;
        }
        return true;
    }

    // A file is written beside the target and renamed over it only once it
    // is whole, so a failed write (a full disk) keeps the old picture.
    const std::filesystem::path target(path);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string name(1, '.');
    name.append(target.filename().string()).append(".XXXXXX");
    std::string temporary = (folder / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = "cannot write '" + path + "': " + std::strerror(errno);
        return false;
    }
    if (exists) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    std::FILE* file = ::fdopen(fd, "wb");
    const bool written = file != nullptr && WritePng(file, image, colours);
    const bool closed = file != nullptr ? std::fclose(file) == 0 : ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str()); // only the file made here
        error = "writing '" + path + "' failed";
        return false;
    }
    return true;
}

} // namespace fenx
