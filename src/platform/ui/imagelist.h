// Image lists: small pictures (16 x 16 by default) that list views and tool
// bars show by index. An image list has no window; the peers that show its
// pictures make what their window system needs from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"

namespace sv::ui {

class ImageList : public Control {
public:
    ImageList(Control* owner, std::string name, int imageWidth = 16, int imageHeight = 16);
    const char* kind() const override { return "imagelist"; }

    int imageWidth() const { return imageWidth_; }
    int imageHeight() const { return imageHeight_; }
    // A masked list leaves the pixels of each image's transparent colour
    // unpainted; an unmasked one paints every pixel.
    bool masked() const { return masked_; }
    void setMasked(bool v);

    // Appends a picture, scaled to the list's size when it has another, and
    // returns its index. `addMasked` treats `transparent` (0x00RRGGBB) as see-through.
    int add(const Bitmap& image);
    int addMasked(const Bitmap& image, uint32_t transparent);
    void replace(int index, const Bitmap& image);
    void clear();

    int count() const { return static_cast<int>(images_.size()); }
    // The picture at the list's size; pixels that are see-through read as 0.
    const Bitmap& image(int index) const { return images_.at(index).pixels; }
    // Whether a pixel is left unpainted (always false for an unmasked list).
    bool transparentAt(int index, int x, int y) const;

    // Grows by one for every change, so that a peer can tell what it has seen.
    uint64_t revision() const { return revision_; }

private:
    struct Image {
        Bitmap pixels;
        std::vector<uint8_t> seeThrough;  // one per pixel, 1 = transparent
    };
    Image fit(const Bitmap& image, bool useKey, uint32_t key) const;
    void changed();

    int imageWidth_, imageHeight_;
    bool masked_ = true;
    std::vector<Image> images_;
    uint64_t revision_ = 0;
};

}  // namespace sv::ui
