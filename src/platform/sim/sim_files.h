// The simulated file system: drives, folders and files kept in memory.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/files.h"
#include "platform/sim/sim_names.h"

namespace sv::sim {

class SimSystem;

class SimFileSystem : public IFileSystem {
public:
    explicit SimFileSystem(SimSystem& sys);
    ~SimFileSystem() override;

    std::unique_ptr<FindHandle> findFirst(const std::string& pattern, FindData& first) override;
    std::unique_ptr<FindHandle> findFirstFast(const std::string& pattern, FindData& first) override;
    std::optional<uint32_t> attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, uint32_t attributes) override;
    bool canOpenExclusive(const std::string& path) override;
    std::optional<FileTimes> fileTimes(const std::string& path) override;
    bool setFileTimes(const std::string& path, const FileTimes& times) override;
    std::optional<uint64_t> fileSize(const std::string& path) override;
    std::unique_ptr<InputFile> openRead(const std::string& path) override;
    std::unique_ptr<OutputFile> openWrite(const std::string& path, bool append) override;
    bool createFolder(const std::string& path) override;
    bool removeFolder(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    uint32_t logicalDrives() override;
    DriveType driveType(const std::string& root) override;
    std::optional<DiskFree> diskFree(const std::string& root) override;
    std::string volumeLabel(const std::string& root) override;
    bool mapsWholeHostFileSystem(const std::string& root) override;
    std::string windowsFolder() override { return windows_; }
    std::string systemFolder() override { return system_; }
    std::string tempPath() override;
    std::string currentFolder() override { return current_; }
    bool setCurrentFolder(const std::string& path) override;
    std::optional<std::string> expandEnvironment(const std::string& text) override;
    std::optional<std::string> shortPathName(const std::string& path) override;

    // --- test set-up (these throw std::logic_error when the path cannot be made) ---
    // Creates the folder and any missing parents.
    void addFolder(const std::string& path);
    // Creates (or replaces) a file, creating missing parents. Its creation, access and
    // write times are `lastWriteUtc` (default: the sim clock's now).
    void addFile(const std::string& path, const std::string& contents = {}, uint32_t attributes = attr::Archive,
                 std::optional<FileTime> lastWriteUtc = std::nullopt);
    // A file of `size` bytes that reads as zeros and takes no memory (for sizes above 4 GiB).
    void addSizedFile(const std::string& path, uint64_t size, uint32_t attributes = attr::Archive,
                      std::optional<FileTime> lastWriteUtc = std::nullopt);
    // A junction: a folder with Directory|ReparsePoint whose contents are `target`'s.
    // Removing it removes only the link.
    void addFolderLink(const std::string& path, const std::string& target);
    // Adds (or replaces, losing its contents) a drive. totalBytes 0 = twice the free space.
    void addDrive(char letter, DriveType type, const std::string& label = {}, uint64_t freeBytes = 50ULL << 30,
                  uint64_t totalBytes = 0);
    void removeDrive(char letter);
    // Makes a drive stand for the host's whole file system, as Wine's Z: does.
    void setWholeHostDrive(char letter, bool wholeHost);
    void setFreeSpace(char letter, uint64_t freeBytes);
    // "In use by another program": no open, delete, move or exclusive open until unlocked.
    bool lock(const std::string& path);
    bool unlock(const std::string& path);
    std::optional<std::string> contents(const std::string& path);
    void setWindowsFolder(std::string path) { windows_ = std::move(path); }
    void setSystemFolder(std::string path) { system_ = std::move(path); }
    // Every path below `folder` (files and folders, depth first, names in stored case).
    std::vector<std::string> listTree(const std::string& folder);

    struct Node;

private:
    friend class SimShell;
    struct Drive;

    std::optional<PathParts> parse(const std::string& path) const;
    Drive* drive(char letter);
    // The node a path names; links on the way are followed, a link at the end is not.
    std::shared_ptr<Node> resolve(const PathParts& p, int depth = 0);
    std::shared_ptr<Node> resolve(const std::string& path);
    // The folder whose children are `n`'s contents (the target for a link).
    std::shared_ptr<Node> contentsOf(const std::shared_ptr<Node>& n, int depth = 0);
    std::shared_ptr<Node> parentFolder(const PathParts& p);
    bool writableDrive(char letter);
    std::shared_ptr<Node> makeNode(const std::string& name, uint32_t attributes);
    void attach(Node& folder, std::shared_ptr<Node> child, const std::string& name);
    std::shared_ptr<Node> detach(Node& child);
    std::shared_ptr<Node> ensureFolder(const std::string& path);
    std::shared_ptr<Node> deepCopy(const Node& n);
    std::string pathOf(const Node& n) const;
    bool freeName(Node& folder, const std::string& name) const;

    SimSystem& sys_;
    std::map<char, std::unique_ptr<Drive>> drives_;
    std::string windows_ = "C:\\Windows";
    std::string system_ = "C:\\Windows\\System32";
    std::string current_;
};

struct SimFileSystem::Node {
    std::string name, shortName;
    uint32_t attributes = 0;
    std::string data;   // the first bytes; the rest of `size` reads as zeros
    uint64_t size = 0;
    FileTime creation, lastAccess, lastWrite;
    Node* parent = nullptr;
    char drive = 0;  // set on drive roots
    std::map<std::string, std::shared_ptr<Node>> children;      // folded long name -> node
    std::unordered_map<std::string, std::string> shortIndex;    // folded short name -> folded long name
    std::string linkTarget;  // a junction's target path
    int locks = 0, readers = 0, writers = 0;

    bool isDir() const { return (attributes & attr::Directory) != 0; }
    bool busy() const { return locks > 0 || readers > 0 || writers > 0; }
    bool busyTree() const;
};

}  // namespace sv::sim
