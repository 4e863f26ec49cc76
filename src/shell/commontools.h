// The holder of what several tool windows share. It exists for the whole run and
// is never shown.
#pragma once

#include "common/shfileop.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/imagelist.h"

namespace sv {

// The pictures of the shared 16 x 16 image list, by index. The folder lists and
// the registry cleaner rely on these numbers; new pictures go at the end.
namespace pic {
enum : int {
    File = 0,            // a plain file
    Folder = 1,          // a folder
    Drive = 2,           // a disk
    ExcludedFolder = 3,  // a folder left out of a search
    Remove = 4,          // remove / delete
    QuickView = 5,       // look at a file
    Properties = 6,      // a file's properties
    Recycle = 7,         // the recycle bin
    MoveTo = 8,          // move to a folder
    FindFolder = 9,      // a folder searched for everything
    ListedFile = 10,     // a file named in a list
    Undo = 11,           // put back what was removed
    ExcludedFile = 12,   // a file left out of a search
    RegistryEntry = 13,  // a registry value
    SharedDll = 14,      // a shared library
    Add = 15,            // add a row
    Edit = 16,           // edit a row
    Backup = 17,         // save a copy
    Restore = 18,        // bring a copy back
    Count
};
}  // namespace pic

class Tcommontools {
public:
    Tcommontools();
    // Pictures several windows share (drawn once, at build time).
    const ui::Bitmap& imgMainScreen;  // the navigator's background and outline
    const ui::Bitmap& imgHelpback;    // the help panel's background and outline
    const ui::Bitmap& imgHelp16;      // glyph of every "&Help" button
    // The 32 x 32 pictures beside the removal options of the file tools.
    const ui::Bitmap& imgRecycle;
    const ui::Bitmap& imgDelete;
    const ui::Bitmap& imgMoveTo;
    const ui::Bitmap& imgConfirm;
    const ui::Bitmap& imgMag;

    // Small pictures of tool lists and tool bars (indexes in `pic`).
    ui::ImageList ilCommon16{nullptr, "ilCommon16"};

    // The one shell file operation through which the junk, shortcut and duplicate
    // tools delete, recycle and move files.
    TShellFileOp ShellFileOp1;
};

// One picture of the shared small ones, on silver (which lists treat as see-through).
ui::Bitmap CommonPicture(int index);
inline constexpr uint32_t kCommonPictureSeeThrough = 0xC0C0C0;

// The holder of the running program (null before start-up made it or after it ended).
Tcommontools* commontools();
void setCommontools(Tcommontools* holder);

}  // namespace sv
