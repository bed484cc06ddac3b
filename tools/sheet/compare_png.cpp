// fenx-compare-png A.png B.png: exit 0 when both files decode to the same
// size and the same RGBA pixels. Compressed bytes may differ between zlib
// versions, the pictures may not.
#include <cstdio>
#include <vector>

#include <png.h>

namespace {

struct Decoded {
    bool ok = false;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::vector<png_byte> pixels;
};

Decoded Decode(const char* path) {
    Decoded result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path) == 0) {
        return result;
    }
    image.format = PNG_FORMAT_RGBA;
    result.pixels.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return result;
    }
    result.ok = true;
    result.width = image.width;
    result.height = image.height;
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fenx-compare-png A.png B.png\n");
        return 2;
    }
    const Decoded a = Decode(argv[1]);
    const Decoded b = Decode(argv[2]);
    if (!a.ok || !b.ok) {
        std::fprintf(stderr, "cannot read %s\n", !a.ok ? argv[1] : argv[2]);
        return 1;
    }
    if (a.width != b.width || a.height != b.height || a.pixels != b.pixels) {
        std::fprintf(stderr, "%s and %s differ\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
