// The simulated shell: file operations with a recycle bin, and an execute log.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/shell.h"
#include "platform/types.h"

namespace sv::sim {

class SimFileSystem;
class SimSystem;

class SimShell : public IShell {
public:
    struct ExecuteCall {
        std::string verb, file, parameters, folder;
        ShowCmd show = ShowCmd::Normal;
        bool accepted = false;
    };
    struct RecycledItem {
        std::string originalPath;  // as stored, e.g. "C:\Temp\a.tmp"
        bool folder = false;
        uint64_t size = 0;         // bytes of all files in it
        FileTime deletedUtc;
    };
    // The operation as asked (sources, flags, ...) and what came of it.
    struct OperationRecord : FileOperation {
        FileOpResult result;
        // What happened to each item: (source path, new path); the new path is
        // empty for a delete, "Recycle Bin" for a recycled item.
        std::vector<std::pair<std::string, std::string>> done;
        std::vector<std::string> failed;  // items left where they were
    };

    SimShell(SimFileSystem& fs, SimSystem& sys) : fs_(fs), sys_(sys) {}

    // Delete: with AllowUndo items on fixed drives go to the recycle bin, otherwise they
    // are gone; read-only files go too (no confirmation is asked). Move and copy never
    // replace: with RenameOnCollision a taken name becomes "name (2).ext", "name (3).ext", ...
    // (folders "name (2)"), without it the item stays where it is and `aborted` is set. An item that is in use
    // (locked or open, or holding such a file) fails and stays; for a folder everything
    // else in it is still done. Wildcard sources ("C:\dir\*.*") name the folder's files,
    // and its sub-folders unless FilesOnly. Silent, NoConfirmation etc. are only recorded.
    // The result code is 0, or the last failure's code (2 not found, 32 in use,
    // 0xB7 rename target taken, 0x71 same file, 0x76 into its own sub-folder, 19 write-protected).
    FileOpResult fileOperation(const FileOperation& op) override;
    // Logged; accepted unless refused by setExecuteAccepts(false) or `file` is a
    // drive path that does not exist.
    bool execute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowCmd show) override;

    // --- test inspection ---
    const std::vector<ExecuteCall>& executed() const { return executed_; }
    const std::vector<RecycledItem>& recycleBin() const { return recycled_; }
    void emptyRecycleBin() { recycled_.clear(); }
    const std::vector<OperationRecord>& operations() const { return operations_; }
    void setExecuteAccepts(bool accepts) { accepts_ = accepts; }

    // What the shell tells about an existing path (nullopt for a missing one): a drive
    // root's display name is its label, a blank and "(C:)" (" (C:)" without a label,
    // as under Wine); a file's type name is the one set for its extension, else
    // "TMP File" style ("File" without one), a folder's "File Folder", a root's
    // "Local Disk" or "CD Drive" etc. Icons are plain squares of one colour per kind.
    std::optional<ShellFileInfo> fileInfo(const std::string& path, unsigned what,
                                          std::optional<uint32_t> iconBackground) override;
    // As set by setFileVersion; empty for any other file.
    FileVersionTexts fileVersion(const std::string& path) override;
    // Files named *.exe, *.dll, *.ico, *.cpl and *.scr carry an icon (a plain square).
    std::optional<ui::Bitmap> fileIcon(const std::string& path, std::optional<uint32_t> background) override;
    // Logged; accepted when the file exists.
    bool showProperties(const std::string& path) override;
    const std::vector<std::string>& propertiesShown() const { return propertiesShown_; }
    // `extension` without the dot ("txt"); letter case does not matter.
    void setTypeName(const std::string& extension, const std::string& typeName);
    void setFileVersion(const std::string& path, const std::string& fileVersion, const std::string& productVersion);

    // The free-name rule of RenameOnCollision, n >= 2: "a.txt" -> "a (2).txt".
    static std::string collisionName(const std::string& name, bool folder, int n);

private:
    SimFileSystem& fs_;
    SimSystem& sys_;
    bool accepts_ = true;
    std::vector<ExecuteCall> executed_;
    std::vector<std::string> propertiesShown_;
    std::vector<RecycledItem> recycled_;
    std::vector<OperationRecord> operations_;
    std::map<std::string, std::string> typeNames_;          // folded extension -> name
    std::map<std::string, FileVersionTexts> versions_;      // folded path -> texts
};

}  // namespace sv::sim
