// The Windows shell: file operations, execution.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
};

}  // namespace sv
