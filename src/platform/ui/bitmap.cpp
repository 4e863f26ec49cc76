#include "platform/ui/bitmap.h"

#include <cstring>
#include <map>
#include <mutex>

namespace sv::ui {
namespace {

uint32_t le32(std::string_view b, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}
uint16_t le16(std::string_view b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

}  // namespace

Bitmap decodeBmp(std::string_view b) {
    Bitmap out;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return out;
    const uint32_t dataOffset = le32(b, 10);
    const int32_t width = static_cast<int32_t>(le32(b, 18));
    const int32_t rawHeight = static_cast<int32_t>(le32(b, 22));
    const uint16_t bpp = le16(b, 28);
    const uint32_t compression = le32(b, 30);
    // 3 = bit fields, which 32-bit files use for the usual BGRA masks.
    if (width <= 0 || rawHeight == 0 || (bpp != 24 && bpp != 32) || (compression != 0 && compression != 3)) return out;
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const size_t stride = ((static_cast<size_t>(width) * bpp / 8) + 3) & ~size_t{3};
    if (dataOffset + stride * height > b.size()) return out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<size_t>(width) * height);
    const size_t step = bpp / 8;
    for (int y = 0; y < height; ++y) {
        const size_t row = dataOffset + stride * static_cast<size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const size_t p = row + x * step;
            out.pixels[static_cast<size_t>(y) * width + x] =
                rgbPixel(static_cast<unsigned char>(b[p + 2]), static_cast<unsigned char>(b[p + 1]),
                         static_cast<unsigned char>(b[p]));
        }
    }
    return out;
}

std::vector<Rect> shapeFromPicture(const Bitmap& picture, uint32_t maskColor) {
    std::vector<Rect> done;
    std::vector<Rect> open;  // runs that may still grow downwards
    for (int y = 0; y <= picture.height; ++y) {
        std::vector<Rect> runs;
        if (y < picture.height) {
            for (int x = 0; x < picture.width;) {
                while (x < picture.width && picture.at(x, y) == maskColor) ++x;
                const int start = x;
                while (x < picture.width && picture.at(x, y) != maskColor) ++x;
                if (x > start) runs.push_back({start, y, x, y + 1});
            }
        }
        std::vector<Rect> next;
        size_t i = 0;
        for (const Rect& run : runs) {
            // Open runs and this row's runs are both ordered by left edge.
            while (i < open.size() && open[i].left < run.left) done.push_back(open[i++]);
            if (i < open.size() && open[i].left == run.left && open[i].right == run.right) {
                Rect grown = open[i++];
                grown.bottom = y + 1;
                next.push_back(grown);
            } else {
                next.push_back(run);
            }
        }
        while (i < open.size()) done.push_back(open[i++]);
        open.swap(next);
    }
    return done;
}

}  // namespace sv::ui

namespace sv::ui {

struct ArtFile {
    const char* name;
    const char* begin;
    const char* end;
};
extern const ArtFile kArtFiles[];  // generated from res/art at build time

std::string_view embeddedFile(const std::string& fileName) {
    for (const ArtFile* f = kArtFiles; f->name; ++f)
        if (fileName == f->name) return std::string_view(f->begin, static_cast<size_t>(f->end - f->begin));
    return {};
}

const Bitmap& artwork(const std::string& name) {
    // Decoded once, on first use; pictures never change while the program runs.
    static std::map<std::string, Bitmap> decoded;
    auto it = decoded.find(name);
    if (it != decoded.end()) return it->second;
    return decoded.emplace(name, decodeBmp(embeddedFile(name + ".bmp"))).first->second;
}

}  // namespace sv::ui
