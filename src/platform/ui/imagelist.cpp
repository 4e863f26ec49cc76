#include "platform/ui/imagelist.h"

#include <stdexcept>

namespace sv::ui {

ImageList::ImageList(Control* owner, std::string name, int imageWidth, int imageHeight)
    : Control(owner, std::move(name)), imageWidth_(imageWidth), imageHeight_(imageHeight) {}

void ImageList::setMasked(bool v) {
    if (masked_ == v) return;
    masked_ = v;
    changed();
}

ImageList::Image ImageList::fit(const Bitmap& image, bool useKey, uint32_t key) const {
    Image out;
    out.pixels.width = imageWidth_;
    out.pixels.height = imageHeight_;
    const size_t n = static_cast<size_t>(imageWidth_) * imageHeight_;
    out.pixels.pixels.assign(n, 0);
    out.seeThrough.assign(n, 0);
    if (image.empty()) {
        // Nothing to show: the whole image is see-through.
        out.seeThrough.assign(n, 1);
        return out;
    }
    for (int y = 0; y < imageHeight_; ++y) {
        for (int x = 0; x < imageWidth_; ++x) {
            // Nearest pixel: shell icons come at 32 x 32 as often as at 16 x 16.
            const uint32_t p = image.at(x * image.width / imageWidth_, y * image.height / imageHeight_) & 0xFFFFFF;
            const size_t i = static_cast<size_t>(y) * imageWidth_ + x;
            if (useKey && p == (key & 0xFFFFFF)) out.seeThrough[i] = 1;
            else out.pixels.pixels[i] = p;
        }
    }
    return out;
}

int ImageList::add(const Bitmap& image) {
    images_.push_back(fit(image, false, 0));
    changed();
    return count() - 1;
}

int ImageList::addMasked(const Bitmap& image, uint32_t transparent) {
    images_.push_back(fit(image, true, transparent));
    changed();
    return count() - 1;
}

void ImageList::replace(int index, const Bitmap& image) {
    if (index < 0 || index >= count()) throw std::out_of_range("image index out of range");
    images_[index] = fit(image, false, 0);
    changed();
}

void ImageList::clear() {
    if (images_.empty()) return;
    images_.clear();
    changed();
}

bool ImageList::transparentAt(int index, int x, int y) const {
    return masked_ && images_.at(index).seeThrough.at(static_cast<size_t>(y) * imageWidth_ + x) != 0;
}

void ImageList::changed() {
    ++revision_;
    notify(Prop::Content);
}

}  // namespace sv::ui
