#include "platform/ui/animation.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace sv::ui {
namespace {

// A small painter over signed distances: every shape is a distance function
// (negative inside), and its edge is smoothed over one pixel, which keeps the
// picture clean at sizes as small as 48 x 50.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;  // premultiplied, 0..1
};

struct Colour {
    float r, g, b;
};

constexpr Colour hex(uint32_t c) {
    return {((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f};
}

Colour mix(Colour a, Colour b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

using Distance = std::function<float(float x, float y)>;
using Shade = std::function<Colour(float x, float y)>;

Distance roundBox(float cx, float cy, float hx, float hy, float radius) {
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - (hx - radius), qy = std::fabs(y - cy) - (hy - radius);
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Distance circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Distance segment(float ax, float ay, float bx, float by, float r) {
    return [=](float x, float y) {
        const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
        const float t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
        return std::hypot(px - dx * t, py - dy * t) - r;
    };
}

Distance grow(Distance d, float by) {
    return [=](float x, float y) { return d(x, y) - by; };
}

Distance ring(float cx, float cy, float r, float thickness) {
    return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - thickness / 2; };
}

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h) {}

    void fill(const Distance& shape, const Shade& shade, float opacity = 1.0f) {
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                const float fx = x + 0.5f, fy = y + 0.5f;
                const float cover = std::clamp(0.5f - shape(fx, fy), 0.0f, 1.0f) * opacity;
                if (cover <= 0) continue;
                const Colour c = shade(fx, fy);
                Rgba& p = px_[static_cast<size_t>(y) * w_ + x];
                p.r = c.r * cover + p.r * (1 - cover);
                p.g = c.g * cover + p.g * (1 - cover);
                p.b = c.b * cover + p.b * (1 - cover);
                p.a = cover + p.a * (1 - cover);
            }
        }
    }
    void fill(const Distance& shape, Colour c, float opacity = 1.0f) {
        fill(shape, [c](float, float) { return c; }, opacity);
    }
    // A shape with a one-pixel outline of `line`.
    void outlined(const Distance& shape, Colour line, const Shade& inside) {
        fill(shape, line);
        fill(grow(shape, -1.0f), inside);
    }

    std::vector<uint32_t> pixels() const {
        std::vector<uint32_t> out(px_.size());
        auto byte = [](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
        for (size_t i = 0; i < px_.size(); ++i)
            out[i] = byte(px_[i].a) << 24 | byte(px_[i].r) << 16 | byte(px_[i].g) << 8 | byte(px_[i].b);
        return out;
    }

private:
    int w_, h_;
    std::vector<Rgba> px_;
};

// One frame: the folder stays, the glass travels round an ellipse over it.
std::vector<uint32_t> drawFrame(int w, int h, int index, int count) {
    Canvas c(w, h);
    const float W = static_cast<float>(w), H = static_cast<float>(h);
    const float unit = std::min(W, H * 0.96f) / 48.0f;  // the design is 48 wide

    // The folder: a back with its tab, a sheet of paper, a front leaning forward.
    const float fw = 34 * unit, fh = 24 * unit;
    const float fx = (W - fw) / 2, fy = H - fh - 3 * unit;
    const Colour line = hex(0x8A6414), back = hex(0xE0A82E), frontTop = hex(0xFFE08A), frontBottom = hex(0xF2B93B);
    c.outlined(roundBox(fx + 7 * unit, fy + 1.5f * unit, 6.5f * unit, 3 * unit, 1.5f * unit), line,
               [&](float, float) { return back; });
    c.outlined(roundBox(fx + fw / 2, fy + fh / 2 + 2 * unit, fw / 2, fh / 2 - 1 * unit, 1.5f * unit), line,
               [&](float, float) { return back; });
    c.outlined(roundBox(fx + fw / 2, fy + 7 * unit, fw / 2 - 4 * unit, 5 * unit, 0.5f * unit), hex(0x9AA3AE),
               [&](float, float) { return hex(0xFFFFFF); });
    for (int i = 0; i < 2; ++i) {
        const float ly = fy + (5 + 2.5f * i) * unit;
        c.fill(segment(fx + 9 * unit, ly, fx + fw - 9 * unit, ly, 0.45f * unit), hex(0xB8C2CE));
    }
    const float frontTopY = fy + 9 * unit, frontBottomY = fy + fh;
    c.outlined(roundBox(fx + fw / 2, (frontTopY + frontBottomY) / 2, fw / 2, (frontBottomY - frontTopY) / 2, 1.5f * unit),
               line, [&](float, float y) { return mix(frontTop, frontBottom, (y - frontTopY) / (frontBottomY - frontTopY)); });

    // The magnifying glass: lens, rim and handle pointing down and right.
    const float r = 8.5f * unit, handleLength = 9 * unit, reach = (r + handleLength) * 0.7071f;
    const float minX = r + 2 * unit, maxX = W - reach - 3 * unit;
    const float minY = r + 2 * unit, maxY = H - reach - 3 * unit;
    const float t = 2 * 3.14159265f * static_cast<float>(index) / static_cast<float>(count);
    const float lx = (minX + maxX) / 2 + (maxX - minX) / 2 * std::cos(t);
    const float ly = (minY + maxY) / 2 + (maxY - minY) / 2 * std::sin(t);
    const float hx0 = lx + r * 0.7071f, hy0 = ly + r * 0.7071f;
    const float hx1 = lx + (r + handleLength) * 0.7071f, hy1 = ly + (r + handleLength) * 0.7071f;
    c.fill(segment(hx0, hy0, hx1, hy1, 2.6f * unit), hex(0x1E1E1E));
    c.fill(segment(hx0 + 1.5f * unit, hy0 + 1.5f * unit, hx1 - 0.5f * unit, hy1 - 0.5f * unit, 1.3f * unit), hex(0x5A4636));
    c.fill(circle(lx, ly, r), hex(0xCFEBFF), 0.45f);
    c.fill(segment(lx - r * 0.45f, ly - r * 0.3f, lx - r * 0.2f, ly - r * 0.5f, 1.1f * unit), hex(0xFFFFFF), 0.85f);
    c.fill(ring(lx, ly, r, 2.6f * unit), hex(0x34495E));
    c.fill(ring(lx, ly, r - 0.6f * unit, 0.8f * unit), hex(0x7F93A8));
    return c.pixels();
}

}  // namespace

SearchAnimation::SearchAnimation(Control* parent, std::string name) : Control(parent, std::move(name)) {
    timer_.onTimer = [this] { nextFrame(); };
}

void SearchAnimation::setActive(bool v) {
    if (v == active_) return;
    active_ = v;
    timer_.setEnabled(v);
    if (!v && frame_ != 0) {
        frame_ = 0;
        notify(Prop::Content);
    }
}

void SearchAnimation::nextFrame() {
    frame_ = (frame_ + 1) % kFrameCount;
    notify(Prop::Content);
}

const std::vector<std::vector<uint32_t>>& SearchAnimation::frames() const {
    if (cachedWidth_ != width() || cachedHeight_ != height()) {
        cache_.clear();
        cachedWidth_ = width();
        cachedHeight_ = height();
        if (width() > 0 && height() > 0)
            for (int i = 0; i < kFrameCount; ++i) cache_.push_back(drawFrame(width(), height(), i, kFrameCount));
    }
    return cache_;
}

Bitmap SearchAnimation::framePicture(int index, uint32_t background) const {
    const auto& all = frames();
    Bitmap b;
    if (all.empty() || index < 0 || index >= kFrameCount) return b;
    b.width = cachedWidth_;
    b.height = cachedHeight_;
    b.pixels.resize(all[index].size());
    const uint32_t br = (background >> 16) & 0xFF, bg = (background >> 8) & 0xFF, bb = background & 0xFF;
    for (size_t i = 0; i < b.pixels.size(); ++i) {
        const uint32_t p = all[index][i], a = p >> 24, rest = 255 - a;
        const uint32_t r = ((p >> 16) & 0xFF) + (br * rest + 127) / 255;
        const uint32_t g = ((p >> 8) & 0xFF) + (bg * rest + 127) / 255;
        const uint32_t bl = (p & 0xFF) + (bb * rest + 127) / 255;
        b.pixels[i] = rgbPixel(std::min(r, 255u), std::min(g, 255u), std::min(bl, 255u));
    }
    return b;
}

}  // namespace sv::ui
