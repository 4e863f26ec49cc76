// Files, folders and drives.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sv {

// The file attribute bits, with the values Windows gives them.
namespace attr {
constexpr uint32_t ReadOnly = 0x1;
constexpr uint32_t Hidden = 0x2;
constexpr uint32_t System = 0x4;
constexpr uint32_t Directory = 0x10;
constexpr uint32_t Archive = 0x20;
constexpr uint32_t Normal = 0x80;
constexpr uint32_t ReparsePoint = 0x400;
}  // namespace attr

// The drive types with GetDriveType's numbers.
enum class DriveType : int { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

// One entry of a directory search.
struct FindData {
    std::string name;
    std::string shortName;  // 8.3 alias; empty when the long name is already 8.3
    uint32_t attributes = 0;
    uint64_t size = 0;
    FileTime creationTime, lastAccessTime, lastWriteTime;  // UTC
    bool isDirectory() const { return (attributes & attr::Directory) != 0; }
};

// A running directory search (FindFirstFile / FindNextFile).
class FindHandle {
public:
    virtual ~FindHandle() = default;
    // The next entry, or false when the search is exhausted.
    virtual bool next(FindData& out) = 0;
};

struct FileTimes {
    std::optional<FileTime> creation, lastAccess, lastWrite;  // UTC; unset = not asked / not changed
};

struct DiskFree {
    uint32_t sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    uint64_t freeBytes = 0, totalBytes = 0;  // as GetDiskFreeSpaceEx reports them
};

// A file opened for reading; reads stream, nothing holds a whole file.
class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads up to n bytes; returns how many (0 at the end).
    virtual size_t read(void* buffer, size_t n) = 0;
    virtual uint64_t size() = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(const void* data, size_t n) = 0;
    bool write(const std::string& s) { return write(s.data(), s.size()); }
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // Directory search with Windows wildcard rules ("*.*", "?", names without dots).
    // `pattern` is a folder path plus a mask. Null when nothing matches or the folder is missing.
    virtual std::unique_ptr<FindHandle> findFirst(const std::string& pattern, FindData& first) = 0;
    // The same search without 8.3 aliases (`shortName` stays empty), which spares the
    // system work per entry: for walks over whole trees.
    virtual std::unique_ptr<FindHandle> findFirstFast(const std::string& pattern, FindData& first) = 0;

    virtual std::optional<uint32_t> attributes(const std::string& path) = 0;
    virtual bool setAttributes(const std::string& path, uint32_t attributes) = 0;
    bool exists(const std::string& path) { return attributes(path).has_value(); }
    bool folderExists(const std::string& path);
    bool fileExists(const std::string& path);

    // Open for writing with all sharing denied and close again at once: true when it
    // could be opened (so the file exists, is writable and nobody else holds it).
    virtual bool canOpenExclusive(const std::string& path) = 0;
    virtual std::optional<FileTimes> fileTimes(const std::string& path) = 0;
    // Opens the file read/write and sets the times that are given.
    virtual bool setFileTimes(const std::string& path, const FileTimes& times) = 0;
    virtual std::optional<uint64_t> fileSize(const std::string& path) = 0;

    virtual std::unique_ptr<InputFile> openRead(const std::string& path) = 0;
    // Creates the file (or empties it) unless `append`, which writes at the end of an
    // existing file and creates a missing one.
    virtual std::unique_ptr<OutputFile> openWrite(const std::string& path, bool append) = 0;

    virtual bool createFolder(const std::string& path) = 0;   // one level
    virtual bool removeFolder(const std::string& path) = 0;   // empty folders only
    virtual bool deleteFile(const std::string& path) = 0;
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;  // never replaces
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;

    // Drives: root is "C:\".
    virtual uint32_t logicalDrives() = 0;  // bit 0 = A:
    virtual DriveType driveType(const std::string& root) = 0;
    virtual std::optional<DiskFree> diskFree(const std::string& root) = 0;
    virtual std::string volumeLabel(const std::string& root) = 0;
    // True for a drive that is a window onto the host's whole file system (Wine maps
    // "/" to a drive letter). Such a drive is never checked by a default and never
    // walked unless the user chose it: it holds /proc, /sys and the user's own files.
    virtual bool mapsWholeHostFileSystem(const std::string& root) { return false; }

    // System folders as the system reports them (empty when it reports nothing).
    virtual std::string windowsFolder() = 0;  // no trailing backslash
    virtual std::string systemFolder() = 0;   // no trailing backslash
    virtual std::string tempPath() = 0;       // trailing backslash
    virtual std::string currentFolder() = 0;
    virtual bool setCurrentFolder(const std::string& path) = 0;

    // %NAME% expansion; nullopt when the system reports failure.
    virtual std::optional<std::string> expandEnvironment(const std::string& text) = 0;
    // The 8.3 form of an existing path; nullopt when the system has none.
    virtual std::optional<std::string> shortPathName(const std::string& path) = 0;
};

// Reads a whole (small) file; nullopt when it cannot be opened.
std::optional<std::string> readWholeFile(IFileSystem& fs, const std::string& path);
bool writeWholeFile(IFileSystem& fs, const std::string& path, const std::string& data);

}  // namespace sv
