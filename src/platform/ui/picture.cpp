#include "platform/ui/picture.h"

#include "platform/ui/application.h"

namespace sv::ui {

const Bitmap& Picture::picture() const {
    static const Bitmap none;
    return picture_ ? *picture_ : none;
}

void Picture::setPicture(const Bitmap& picture) { setPicture(std::make_shared<const Bitmap>(picture)); }

void Picture::setPicture(std::shared_ptr<const Bitmap> picture) {
    picture_ = std::move(picture);
    notify(Prop::Content);
}

void Picture::userMouseEnter() {
    if (mouseInside_) return;
    mouseInside_ = true;
    application().dispatch([this] { mouseEntered(); });
}

void Picture::userMouseExit() {
    if (!mouseInside_) return;
    mouseInside_ = false;
    application().dispatch([this] { mouseExited(); });
}

}  // namespace sv::ui
