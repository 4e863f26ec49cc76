// The way back from a removal: before any value is deleted, every value a removal
// command is about to delete is saved to an undo file in the "Registry Backup"
// folder beside the program, in the registry editor's own format; undoing
// writes the newest such file back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"
#include "regclean/regfile.h"

namespace sv::regclean {

inline constexpr const char* BackupFolderName = "Registry Backup";
inline constexpr const char* BackupFileName = "Reg_Backup.reg";

// "<program folder>\Registry Backup\" and the full backup's path in it.
std::string BackupFolder();
std::string BackupFilePath();

// "Undo_2026-03-14_09-05-00.reg" for that local time; `n` above 1 adds "_n" (two
// removals within one second).
std::string UndoFileName(const SystemTime& local, int n = 1);

// Writes `values` to a new undo file named after the local time now, making the
// folder when missing, and reads it back to be sure that it gives the same values.
// The path, or nullopt when it could not be written or did not read back right
// (the half-written file is removed then).
std::optional<std::string> WriteUndoFile(const std::vector<RegFileValue>& values);

// The newest undo file that was not undone yet, or nullopt.
std::optional<std::string> NewestUndoFile();

// Writes every value back, making keys that are gone; how many went back and
// how many the registry refused.
struct ImportResult {
    int restored = 0;
    int failed = 0;
};
ImportResult ImportValues(const std::vector<RegFileValue>& values);

// Renames an undo file to "Undone_...", so that the next undo goes one removal
// further back and the file stays as a record.
bool MarkUndone(const std::string& path);

}  // namespace sv::regclean
