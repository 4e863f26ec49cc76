// Pictures as plain pixels, so that shapes and hit tests work the same with
// or without a window system.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/events.h"

namespace sv::ui {

struct Bitmap {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    bool empty() const { return width <= 0 || height <= 0; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

constexpr uint32_t rgbPixel(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

// Decodes an uncompressed 24- or 32-bit Windows bitmap file; empty on anything else.
Bitmap decodeBmp(std::string_view bytes);

// The pixels that are not `maskColor`, as rectangles (runs of each row merged
// with identical runs of the rows below).
std::vector<Rect> shapeFromPicture(const Bitmap& picture, uint32_t maskColor);

// A picture built into the program, by file name without extension ("navback").
// Empty when there is none of that name.
const Bitmap& artwork(const std::string& name);
// Any file built into the program (a picture or the help document), by file
// name with extension; empty when there is none.
std::string_view embeddedFile(const std::string& fileName);

}  // namespace sv::ui
