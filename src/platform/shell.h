// The Windows shell: file operations, execution, and what it tells about a file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"

namespace sv {

// SHFileOperation's functions and flags, with the shell's numbers.
enum class FileOpFunc : unsigned { Move = 1, Copy = 2, Delete = 3, Rename = 4 };

namespace fof {
constexpr unsigned Silent = 0x4;
constexpr unsigned RenameOnCollision = 0x8;
constexpr unsigned NoConfirmation = 0x10;
constexpr unsigned AllowUndo = 0x40;
constexpr unsigned FilesOnly = 0x80;
constexpr unsigned SimpleProgress = 0x100;
constexpr unsigned NoConfirmMkdir = 0x200;
}  // namespace fof

struct FileOperation {
    FileOpFunc func = FileOpFunc::Delete;
    std::vector<std::string> sources;  // paths or wildcard patterns
    std::string destination;           // target folder (move, copy)
    unsigned flags = 0;
    std::string progressTitle;
};

struct FileOpResult {
    int code = 0;          // 0 = success, as SHFileOperation returns
    bool aborted = false;  // fAnyOperationsAborted
};

enum class ShowCmd : int { Hide = 0, Normal = 1, Minimized = 2, Maximized = 3 };

// What to ask SHGetFileInfo for, with its flag numbers.
namespace shgfi {
constexpr unsigned SmallIcon = 0x101;  // SHGFI_ICON | SHGFI_SMALLICON
constexpr unsigned DisplayName = 0x200;
constexpr unsigned TypeName = 0x400;
}  // namespace shgfi

struct ShellFileInfo {
    std::string displayName;  // "Local Disk (C:)" for a drive root
    std::string typeName;     // "Text Document", "exe file", ...
    ui::Bitmap smallIcon;     // 16 x 16, drawn on the background asked for
};

// Texts of a file's version resource, from the first language of its translation
// table; empty when the file has none.
struct FileVersionTexts {
    std::string fileVersion, productVersion;
};

class IShell {
public:
    virtual ~IShell() = default;
    // The shell's file operation. A move or copy never replaces a file in the target:
    // with RenameOnCollision the moved file gets a free name ("Copy of ..." style is the
    // shell's choice; ours finds one itself because not every shell honours the flag).
    virtual FileOpResult fileOperation(const FileOperation& op) = 0;
    // ShellExecute: true when the shell accepted it (its result above 32).
    virtual bool execute(const std::string& verb, const std::string& file, const std::string& parameters,
                         const std::string& folder, ShowCmd show) = 0;

    // SHGetFileInfo for an existing file, folder or drive root: the parts named in
    // `what` (shgfi flags). The icon is drawn at 16 x 16 on `iconBackground`
    // (0x00RRGGBB; none = the system's window colour). Nullopt when the shell fails.
    virtual std::optional<ShellFileInfo> fileInfo(const std::string& path, unsigned what,
                                                  std::optional<uint32_t> iconBackground = {}) = 0;
    virtual FileVersionTexts fileVersion(const std::string& path) = 0;
    // The first icon inside a file (executables, libraries and icon files carry
    // one), drawn at 16 x 16 on `background` (none = the system's window colour);
    // nullopt when the file holds none.
    virtual std::optional<ui::Bitmap> fileIcon(const std::string& path, std::optional<uint32_t> background = {}) = 0;
    // The shell's own Properties dialog for a file, owned by the active window;
    // true when the shell accepted the command (the dialog shows on its own).
    virtual bool showProperties(const std::string& path) = 0;
};

}  // namespace sv
