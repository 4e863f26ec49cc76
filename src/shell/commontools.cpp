#include "shell/commontools.h"

namespace sv {
namespace {
Tcommontools* g_holder = nullptr;

constexpr uint32_t kSeeThrough = kCommonPictureSeeThrough;

}  // namespace

ui::Bitmap CommonPicture(int index) {
    const ui::Bitmap& strip = ui::artwork("common16");
    ui::Bitmap one;
    if (index < 0 || (index + 1) * 16 > strip.width || strip.height < 16) return one;
    one.width = one.height = 16;
    one.pixels.reserve(256);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) one.pixels.push_back(strip.at(index * 16 + x, y));
    return one;
}

Tcommontools::Tcommontools()
    : imgMainScreen(ui::artwork("navback")),
      imgHelpback(ui::artwork("helpback")),
      imgHelp16(ui::artwork("help16")),
      imgRecycle(ui::artwork("rm_recycle")),
      imgDelete(ui::artwork("rm_delete")),
      imgMoveTo(ui::artwork("rm_moveto")),
      imgConfirm(ui::artwork("rm_confirm")),
      imgMag(ui::artwork("rm_mag")) {
    for (int i = 0; i < pic::Count; ++i) ilCommon16.addMasked(CommonPicture(i), kSeeThrough);
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
