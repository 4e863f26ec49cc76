// The "searching" animation shown while a scan runs: a magnifying glass that
// sweeps over a folder. Drawn by our code at the control's size, so it needs no
// system animation resources and looks the same everywhere.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"
#include "platform/ui/timer.h"

namespace sv::ui {

class SearchAnimation : public Control {
public:
    static constexpr int kFrameCount = 16;
    static constexpr unsigned kFrameIntervalMs = 80;

    SearchAnimation(Control* parent, std::string name);
    const char* kind() const override { return "searchanimation"; }

    // Running shows one frame after the other; stopping goes back to the first.
    bool active() const { return active_; }
    void setActive(bool v);
    void play() { setActive(true); }
    void stop() { setActive(false); }

    int frameCount() const { return kFrameCount; }
    int frame() const { return frame_; }
    // A frame at the control's size, drawn on `background` (0x00RRGGBB, the
    // colour of whatever the control sits on). Empty while the control has no size.
    Bitmap framePicture(int index, uint32_t background) const;
    Bitmap picture(uint32_t background) const { return framePicture(frame_, background); }

private:
    void nextFrame();
    // The frames of the current size, with coverage, made when first needed.
    const std::vector<std::vector<uint32_t>>& frames() const;

    bool active_ = false;
    int frame_ = 0;
    Timer timer_{kFrameIntervalMs};
    mutable int cachedWidth_ = 0, cachedHeight_ = 0;
    mutable std::vector<std::vector<uint32_t>> cache_;  // premultiplied 0xAARRGGBB
};

}  // namespace sv::ui
