// The holder of what several tool windows share. It exists for the whole run and
// is never shown.
#pragma once

#include "common/shfileop.h"
#include "platform/ui/bitmap.h"

namespace sv {

class Tcommontools {
public:
    Tcommontools();
    // Pictures several windows share (drawn once, at build time).
    const ui::Bitmap& imgMainScreen;  // the navigator's background and outline
    const ui::Bitmap& imgHelpback;    // the help panel's background and outline
    const ui::Bitmap& imgHelp16;      // glyph of every "&Help" button

    // The one shell file operation through which the junk, shortcut and duplicate
    // tools delete, recycle and move files.
    TShellFileOp ShellFileOp1;
};

// The holder of the running program (null before start-up made it or after it ended).
Tcommontools* commontools();
void setCommontools(Tcommontools* holder);

}  // namespace sv
