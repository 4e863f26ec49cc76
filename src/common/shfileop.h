// Removing, recycling and moving the files a user chose, in one shell call per batch.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sv {

class TShellFileOp {
public:
    bool FilesOnly = false;
    bool NoConfirmation = false;
    bool Animate = true;
    std::string ProgressTitle;
    bool AutoMakeDir = false;
    bool RenameOnCollision = false;
    bool ClearOnAdd = false;

    // Adds a path to the batch (once, whatever its letter case).
    void AddFile(const std::string& path);
    // Each runs the batch and empties it; the result tells whether the user aborted.
    bool Delete();
    bool Recycle();
    bool MoveTo(const std::string& targetFolder);

    // The batch in the order it is handed to the shell (sorted without regard to case).
    std::vector<std::string> files() const;
    unsigned flagsFor(bool recycle, bool move) const;

private:
    bool run(unsigned func, bool recycle);
    // Keyed on the upper-cased path: sorted and distinct without regard to case.
    std::map<std::string, std::string> files_;
    std::string target_;
};

}  // namespace sv
