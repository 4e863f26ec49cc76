#include "common/shfileop.h"

#include "common/text.h"
#include "platform/machine.h"

namespace sv {

void TShellFileOp::AddFile(const std::string& path) {
    if (ClearOnAdd) files_.clear();
    files_.emplace(upperAscii(path), path);
}

std::vector<std::string> TShellFileOp::files() const {
    std::vector<std::string> out;
    out.reserve(files_.size());
    for (const auto& [key, path] : files_) out.push_back(path);
    return out;
}

unsigned TShellFileOp::flagsFor(bool recycle, bool move) const {
    unsigned flags = FilesOnly ? fof::FilesOnly : 0;
    if (NoConfirmation) flags |= fof::NoConfirmation;
    if (!Animate) flags |= fof::Silent;
    if (recycle) flags |= fof::AllowUndo;
    if (!ProgressTitle.empty()) flags |= fof::SimpleProgress;
    if (move) {
        if (AutoMakeDir) flags |= fof::NoConfirmMkdir;
        if (RenameOnCollision) flags |= fof::RenameOnCollision;
    }
    return flags;
}

bool TShellFileOp::run(unsigned func, bool recycle) {
    if (files_.empty()) return false;
    bool aborted = false;
    try {
        FileOperation op;
        op.func = static_cast<FileOpFunc>(func);
        op.sources = files();
        op.destination = target_;
        op.flags = flagsFor(recycle, op.func == FileOpFunc::Move);
        op.progressTitle = ProgressTitle;
        // The shell's own result is not looked at: callers only learn of a user abort.
        aborted = machine().shell().fileOperation(op).aborted;
    } catch (...) {
        aborted = false;
    }
    files_.clear();
    return aborted;
}

bool TShellFileOp::Delete() { return run(static_cast<unsigned>(FileOpFunc::Delete), false); }
bool TShellFileOp::Recycle() { return run(static_cast<unsigned>(FileOpFunc::Delete), true); }

bool TShellFileOp::MoveTo(const std::string& targetFolder) {
    target_ = targetFolder;
    return run(static_cast<unsigned>(FileOpFunc::Move), false);
}

}  // namespace sv
