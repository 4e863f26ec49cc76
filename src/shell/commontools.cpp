#include "shell/commontools.h"

namespace sv {
namespace {
Tcommontools* g_holder = nullptr;
}

Tcommontools::Tcommontools()
    : imgMainScreen(ui::artwork("navback")), imgHelpback(ui::artwork("helpback")), imgHelp16(ui::artwork("help16")) {
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
