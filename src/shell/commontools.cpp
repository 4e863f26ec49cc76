#include "shell/commontools.h"

namespace sv {
namespace {
Tcommontools* g_holder = nullptr;

constexpr uint32_t kSeeThrough = ui::rgbPixel(192, 192, 192);  // silver around each small picture

// The strip of small pictures cut into 16 x 16 images, in index order.
void loadStrip(ui::ImageList& list, const ui::Bitmap& strip) {
    for (int x = 0; x + 16 <= strip.width; x += 16) {
        ui::Bitmap one;
        one.width = one.height = 16;
        one.pixels.reserve(256);
        for (int y = 0; y < 16 && y < strip.height; ++y)
            for (int i = 0; i < 16; ++i) one.pixels.push_back(strip.at(x + i, y));
        list.addMasked(one, kSeeThrough);
    }
}

}  // namespace

Tcommontools::Tcommontools()
    : imgMainScreen(ui::artwork("navback")),
      imgHelpback(ui::artwork("helpback")),
      imgHelp16(ui::artwork("help16")),
      imgRecycle(ui::artwork("rm_recycle")),
      imgDelete(ui::artwork("rm_delete")),
      imgMoveTo(ui::artwork("rm_moveto")),
      imgConfirm(ui::artwork("rm_confirm")),
      imgMag(ui::artwork("rm_mag")) {
    loadStrip(ilCommon16, ui::artwork("common16"));
    ShellFileOp1.FilesOnly = true;
    ShellFileOp1.NoConfirmation = true;
    ShellFileOp1.AutoMakeDir = false;
    ShellFileOp1.RenameOnCollision = true;
    ShellFileOp1.Animate = false;
    ShellFileOp1.ClearOnAdd = false;
}

Tcommontools* commontools() { return g_holder; }
void setCommontools(Tcommontools* holder) { g_holder = holder; }

}  // namespace sv
