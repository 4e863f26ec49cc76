// The holder of what several tool windows share. It exists for the whole run and
// is never shown.
#pragma once

#include "common/shfileop.h"

namespace sv {

class Tcommontools {
public:
    Tcommontools();
    // The one shell file operation through which the junk, shortcut and duplicate
    // tools delete, recycle and move files.
    TShellFileOp ShellFileOp1;
};

// The holder of the running program (null before start-up made it or after it ended).
Tcommontools* commontools();
void setCommontools(Tcommontools* holder);

}  // namespace sv
