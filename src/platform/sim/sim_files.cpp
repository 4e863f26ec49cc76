#include "platform/sim/sim_files.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/sim/sim_system.h"

namespace sv::sim {

using Node = SimFileSystem::Node;

struct SimFileSystem::Drive {
    DriveType type = DriveType::Fixed;
    std::string label;
    uint64_t freeBytes = 0, totalBytes = 0;
    bool wholeHost = false;
    std::shared_ptr<Node> root;
};

namespace {

constexpr uint32_t kSettable = attr::ReadOnly | attr::Hidden | attr::System | attr::Archive;
constexpr uint32_t kBytesPerSector = 512, kSectorsPerCluster = 8;

uint32_t reported(const Node& n) {
    const uint32_t a = n.attributes;
    return a == 0 ? attr::Normal : a;
}

FindData entryOf(const Node& n, const std::string& name) {
    FindData d;
    d.name = name;
    d.shortName = name == n.name ? n.shortName : std::string();
    d.attributes = reported(n);
    d.size = n.isDir() ? 0 : n.size;
    d.creationTime = n.creation;
    d.lastAccessTime = n.lastAccess;
    d.lastWriteTime = n.lastWrite;
    return d;
}

class SimFind : public FindHandle {
public:
    explicit SimFind(std::vector<FindData> entries) : entries_(std::move(entries)) {}
    bool next(FindData& out) override {
        if (pos_ >= entries_.size()) return false;
        out = entries_[pos_++];
        return true;
    }

private:
    std::vector<FindData> entries_;
    size_t pos_ = 1;  // the first entry went out with findFirst
};

class SimInput : public InputFile {
public:
    explicit SimInput(std::shared_ptr<Node> n) : node_(std::move(n)) { ++node_->readers; }
    ~SimInput() override { --node_->readers; }
    size_t read(void* buffer, size_t n) override {
        if (pos_ >= node_->size) return 0;
        const size_t count = static_cast<size_t>(std::min<uint64_t>(n, node_->size - pos_));
        auto* out = static_cast<char*>(buffer);
        size_t fromData = 0;
        if (pos_ < node_->data.size()) {
            fromData = std::min(count, node_->data.size() - static_cast<size_t>(pos_));
            std::memcpy(out, node_->data.data() + pos_, fromData);
        }
        std::memset(out + fromData, 0, count - fromData);
        pos_ += count;
        return count;
    }
    uint64_t size() override { return node_->size; }

private:
    std::shared_ptr<Node> node_;
    uint64_t pos_ = 0;
};

class SimOutput : public OutputFile {
public:
    SimOutput(std::shared_ptr<Node> n, SimSystem& sys) : node_(std::move(n)), sys_(sys) { ++node_->writers; }
    ~SimOutput() override { --node_->writers; }
    bool write(const void* data, size_t n) override {
        if (node_->data.size() < node_->size) node_->data.resize(static_cast<size_t>(node_->size));
        node_->data.append(static_cast<const char*>(data), n);
        node_->size = node_->data.size();
        node_->lastWrite = node_->lastAccess = sys_.nowUtc();
        node_->attributes |= attr::Archive;
        return true;
    }

private:
    std::shared_ptr<Node> node_;
    SimSystem& sys_;
};

}  // namespace

bool Node::busyTree() const {
    if (busy()) return true;
    if (!linkTarget.empty()) return false;
    for (auto& [_, c] : children)
        if (c->busyTree()) return true;
    return false;
}

SimFileSystem::SimFileSystem(SimSystem& sys) : sys_(sys) {
    addDrive('C', DriveType::Fixed, "", 50ULL << 30, 120ULL << 30);
    addFolder("C:\\Windows\\System32");
    addFolder("C:\\Windows\\Temp");
    const std::string exe = sys_.executablePath();
    addFile(exe, "MZ");
    current_ = exe.substr(0, exe.find_last_of('\\'));
}

SimFileSystem::~SimFileSystem() = default;

// --- internals ----------------------------------------------------------------

std::optional<PathParts> SimFileSystem::parse(const std::string& path) const {
    if (path.empty()) return std::nullopt;
    return parsePath(path, current_.empty() ? "C:\\" : current_);
}

SimFileSystem::Drive* SimFileSystem::drive(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
    auto it = drives_.find(letter);
    return it == drives_.end() ? nullptr : it->second.get();
}

bool SimFileSystem::writableDrive(char letter) {
    Drive* d = drive(letter);
    return d && d->type != DriveType::CdRom;
}

std::shared_ptr<Node> SimFileSystem::contentsOf(const std::shared_ptr<Node>& n, int depth) {
    if (!n || n->linkTarget.empty()) return n;
    if (depth > 8) return nullptr;
    auto p = parse(n->linkTarget);
    return p ? contentsOf(resolve(*p, depth + 1), depth + 1) : nullptr;
}

std::shared_ptr<Node> SimFileSystem::resolve(const PathParts& p, int depth) {
    Drive* d = drive(p.drive);
    if (!d) return nullptr;
    std::shared_ptr<Node> n = d->root;
    for (const auto& part : p.parts) {
        n = contentsOf(n, depth);
        if (!n || !n->isDir()) return nullptr;
        const std::string key = foldCase(part);
        auto it = n->children.find(key);
        if (it == n->children.end()) {
            auto s = n->shortIndex.find(key);
            if (s == n->shortIndex.end()) return nullptr;
            it = n->children.find(s->second);
        }
        n = it->second;
    }
    return n;
}

std::shared_ptr<Node> SimFileSystem::resolve(const std::string& path) {
    auto p = parse(path);
    return p ? resolve(*p) : nullptr;
}

std::shared_ptr<Node> SimFileSystem::parentFolder(const PathParts& p) {
    if (p.parts.empty()) return nullptr;
    PathParts up = p;
    up.parts.pop_back();
    auto n = contentsOf(resolve(up));
    return n && n->isDir() ? n : nullptr;
}

std::shared_ptr<Node> SimFileSystem::makeNode(const std::string& name, uint32_t attributes) {
    auto n = std::make_shared<Node>();
    n->name = name;
    n->attributes = attributes;
    n->creation = n->lastAccess = n->lastWrite = sys_.nowUtc();
    return n;
}

bool SimFileSystem::freeName(Node& folder, const std::string& name) const {
    const std::string key = foldCase(name);
    return !folder.children.count(key) && !folder.shortIndex.count(key);
}

void SimFileSystem::attach(Node& folder, std::shared_ptr<Node> child, const std::string& name) {
    const std::string key = foldCase(name);
    child->name = name;
    child->parent = &folder;
    child->shortName.clear();
    if (!isShortName(name)) {
        for (int n = 1; n < 1000; ++n) {
            std::string candidate = shortNameCandidate(name, n);
            if (freeName(folder, candidate)) {
                child->shortName = std::move(candidate);
                break;
            }
        }
        folder.shortIndex[foldCase(child->shortName)] = key;
    }
    folder.children[key] = std::move(child);
    folder.lastWrite = sys_.nowUtc();
}

std::shared_ptr<Node> SimFileSystem::detach(Node& child) {
    Node* folder = child.parent;
    const std::string key = foldCase(child.name);
    if (!child.shortName.empty()) folder->shortIndex.erase(foldCase(child.shortName));
    auto it = folder->children.find(key);
    std::shared_ptr<Node> keep = it->second;
    folder->children.erase(it);
    folder->lastWrite = sys_.nowUtc();
    keep->parent = nullptr;
    return keep;
}

std::shared_ptr<Node> SimFileSystem::deepCopy(const Node& n) {
    auto c = std::make_shared<Node>();
    c->name = n.name;
    c->attributes = n.attributes;
    c->data = n.data;
    c->size = n.size;
    c->creation = c->lastAccess = sys_.nowUtc();
    c->lastWrite = n.lastWrite;
    c->linkTarget = n.linkTarget;
    if (n.isDir()) c->lastWrite = sys_.nowUtc();
    else c->attributes |= attr::Archive;
    for (auto& [_, child] : n.children) attach(*c, deepCopy(*child), child->name);
    return c;
}

std::string SimFileSystem::pathOf(const Node& n) const {
    if (!n.parent) return std::string(1, n.drive) + ":\\";
    std::string up = pathOf(*n.parent);
    if (up.back() != '\\') up += '\\';
    return up + n.name;
}

std::shared_ptr<Node> SimFileSystem::ensureFolder(const std::string& path) {
    auto p = parse(path);
    if (!p || !drive(p->drive)) throw std::logic_error("sim: bad folder path: " + path);
    std::shared_ptr<Node> n = drive(p->drive)->root;
    for (const auto& part : p->parts) {
        n = contentsOf(n);
        if (!n || !n->isDir()) throw std::logic_error("sim: not a folder on the way to " + path);
        auto it = n->children.find(foldCase(part));
        if (it == n->children.end()) {
            auto s = n->shortIndex.find(foldCase(part));
            if (s != n->shortIndex.end()) it = n->children.find(s->second);
        }
        if (it != n->children.end()) {
            n = it->second;
            continue;
        }
        auto folder = makeNode(part, attr::Directory);
        attach(*n, folder, part);
        n = folder;
    }
    n = contentsOf(n);
    if (!n || !n->isDir()) throw std::logic_error("sim: not a folder: " + path);
    return n;
}

// --- IFileSystem --------------------------------------------------------------

std::unique_ptr<FindHandle> SimFileSystem::findFirst(const std::string& pattern, FindData& first) {
    std::string pat = pattern;
    for (char& c : pat) if (c == '/') c = '\\';
    const auto slash = pat.find_last_of('\\');
    std::string folderPath, mask;
    if (slash == std::string::npos) {
        if (pat.size() >= 2 && pat[1] == ':') {
            folderPath = pat.substr(0, 2);
            mask = pat.substr(2);
        } else {
            folderPath = current_;
            mask = pat;
        }
    } else {
        folderPath = pat.substr(0, slash + 1);
        mask = pat.substr(slash + 1);
    }
    if (mask.empty()) return nullptr;
    auto p = parse(folderPath);
    if (!p) return nullptr;
    auto where = resolve(*p);
    auto folder = contentsOf(where);
    if (!folder || !folder->isDir()) return nullptr;

    std::vector<FindData> found;
    if (!hasWildcards(mask)) {
        std::string name = mask;
        while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
        if (name.empty()) return nullptr;
        PathParts q = *p;
        q.parts.push_back(name);
        auto n = resolve(q);
        if (!n) return nullptr;
        found.push_back(entryOf(*n, n->name));
    } else {
        if (where->parent) {
            // Every folder but a root lists itself and its parent first.
            if (maskMatches(mask, ".")) found.push_back(entryOf(*where, "."));
            if (maskMatches(mask, "..")) found.push_back(entryOf(*where->parent, ".."));
        }
        for (auto& [_, child] : folder->children) {
            if (maskMatches(mask, child->name) || (!child->shortName.empty() && maskMatches(mask, child->shortName)))
                found.push_back(entryOf(*child, child->name));
        }
    }
    if (found.empty()) return nullptr;
    first = found.front();
    return std::make_unique<SimFind>(std::move(found));
}

// The fast search leaves out the 8.3 aliases, as the real one does, so that code
// written against the sim cannot come to rely on them.
class SimFindWithoutShortNames : public FindHandle {
public:
    explicit SimFindWithoutShortNames(std::unique_ptr<FindHandle> full) : full_(std::move(full)) {}
    bool next(FindData& out) override {
        if (!full_->next(out)) return false;
        out.shortName.clear();
        return true;
    }

private:
    std::unique_ptr<FindHandle> full_;
};

std::unique_ptr<FindHandle> SimFileSystem::findFirstFast(const std::string& pattern, FindData& first) {
    auto full = findFirst(pattern, first);
    if (!full) return nullptr;
    first.shortName.clear();
    return std::make_unique<SimFindWithoutShortNames>(std::move(full));
}

std::optional<uint32_t> SimFileSystem::attributes(const std::string& path) {
    auto n = resolve(path);
    if (!n) return std::nullopt;
    if (!n->parent) return attr::Directory | attr::Hidden | attr::System;  // an NTFS root
    return reported(*n);
}

bool SimFileSystem::setAttributes(const std::string& path, uint32_t attributes) {
    auto n = resolve(path);
    if (!n || !n->parent || !writableDrive(pathOf(*n)[0])) return false;
    n->attributes = (n->attributes & ~kSettable) | (attributes & kSettable);
    return true;
}

bool SimFileSystem::canOpenExclusive(const std::string& path) {
    auto n = resolve(path);
    return n && !n->isDir() && !(n->attributes & attr::ReadOnly) && !n->busy() && writableDrive(pathOf(*n)[0]);
}

std::optional<FileTimes> SimFileSystem::fileTimes(const std::string& path) {
    auto n = resolve(path);
    if (!n) return std::nullopt;
    return FileTimes{n->creation, n->lastAccess, n->lastWrite};
}

bool SimFileSystem::setFileTimes(const std::string& path, const FileTimes& times) {
    auto n = resolve(path);
    if (!n || !n->parent || !writableDrive(pathOf(*n)[0])) return false;
    if (!n->isDir() && ((n->attributes & attr::ReadOnly) || n->locks > 0)) return false;
    if (times.creation) n->creation = *times.creation;
    if (times.lastAccess) n->lastAccess = *times.lastAccess;
    if (times.lastWrite) n->lastWrite = *times.lastWrite;
    return true;
}

std::optional<uint64_t> SimFileSystem::fileSize(const std::string& path) {
    auto n = resolve(path);
    if (!n || n->isDir()) return std::nullopt;
    return n->size;
}

std::unique_ptr<InputFile> SimFileSystem::openRead(const std::string& path) {
    auto n = resolve(path);
    if (!n || n->isDir() || n->locks > 0) return nullptr;
    return std::make_unique<SimInput>(n);
}

std::unique_ptr<OutputFile> SimFileSystem::openWrite(const std::string& path, bool append) {
    auto p = parse(path);
    if (!p || p->parts.empty() || !writableDrive(p->drive)) return nullptr;
    auto n = resolve(*p);
    if (n) {
        // Shared for reading only: another writer or a lock keeps it out, readers do not.
        if (n->isDir() || (n->attributes & attr::ReadOnly) || n->locks > 0 || n->writers > 0) return nullptr;
        // Re-creating a file ("create always") is refused for hidden and system files.
        if (!append && (n->attributes & (attr::Hidden | attr::System))) return nullptr;
        if (!append) {
            n->data.clear();
            n->size = 0;
            n->lastWrite = n->lastAccess = sys_.nowUtc();
            n->attributes |= attr::Archive;
        }
        return std::make_unique<SimOutput>(n, sys_);
    }
    auto folder = parentFolder(*p);
    if (!folder) return nullptr;
    n = makeNode(p->parts.back(), attr::Archive);
    attach(*folder, n, p->parts.back());
    return std::make_unique<SimOutput>(n, sys_);
}

bool SimFileSystem::createFolder(const std::string& path) {
    auto p = parse(path);
    if (!p || p->parts.empty() || !writableDrive(p->drive) || resolve(*p)) return false;
    auto folder = parentFolder(*p);
    if (!folder) return false;
    attach(*folder, makeNode(p->parts.back(), attr::Directory), p->parts.back());
    return true;
}

bool SimFileSystem::removeFolder(const std::string& path) {
    auto p = parse(path);
    if (!p || !writableDrive(p->drive)) return false;
    auto n = resolve(*p);
    if (!n || !n->parent || !n->isDir() || (n->attributes & attr::ReadOnly) || n->locks > 0) return false;
    if (n->linkTarget.empty() && !n->children.empty()) return false;
    // The process's current folder is in use.
    const std::string cur = foldCase(current_), mine = foldCase(pathOf(*n));
    if (cur == mine || cur.rfind(mine + "\\", 0) == 0) return false;
    detach(*n);
    return true;
}

bool SimFileSystem::deleteFile(const std::string& path) {
    auto p = parse(path);
    if (!p || !writableDrive(p->drive)) return false;
    auto n = resolve(*p);
    if (!n || n->isDir() || (n->attributes & attr::ReadOnly) || n->busy()) return false;
    detach(*n);
    return true;
}

bool SimFileSystem::moveFile(const std::string& from, const std::string& to) {
    auto pf = parse(from), pt = parse(to);
    if (!pf || !pt || pt->parts.empty() || !writableDrive(pf->drive) || !writableDrive(pt->drive)) return false;
    auto n = resolve(*pf);
    if (!n || !n->parent || n->busyTree()) return false;
    auto folder = parentFolder(*pt);
    if (!folder) return false;
    auto existing = resolve(*pt);
    if (existing && existing != n) return false;  // never replaces
    // A folder cannot go below itself.
    for (Node* up = folder.get(); up; up = up->parent)
        if (up == n.get()) return false;
    if (pf->drive != pt->drive) {
        if (n->isDir()) return false;  // folders move within a volume only
        auto copy = deepCopy(*n);
        copy->creation = n->creation;
        detach(*n);
        attach(*folder, copy, pt->parts.back());
        return true;
    }
    auto keep = detach(*n);
    attach(*folder, keep, pt->parts.back());
    return true;
}

bool SimFileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    auto pt = parse(to);
    if (!pt || pt->parts.empty() || !writableDrive(pt->drive)) return false;
    auto n = resolve(from);
    if (!n || n->isDir() || n->locks > 0) return false;
    auto folder = parentFolder(*pt);
    if (!folder) return false;
    auto existing = resolve(*pt);
    if (existing) {
        if (failIfExists || existing == n || existing->isDir() || existing->busy() ||
            (existing->attributes & (attr::ReadOnly | attr::Hidden)))
            return false;
        existing->data = n->data;
        existing->size = n->size;
        existing->attributes = (n->attributes & kSettable) | attr::Archive;
        existing->lastWrite = n->lastWrite;
        existing->lastAccess = sys_.nowUtc();
        return true;
    }
    attach(*folder, deepCopy(*n), pt->parts.back());
    return true;
}

uint32_t SimFileSystem::logicalDrives() {
    uint32_t bits = 0;
    for (auto& [letter, _] : drives_) bits |= 1u << (letter - 'A');
    return bits;
}

DriveType SimFileSystem::driveType(const std::string& root) {
    if (root.size() < 2 || root[1] != ':' || root.size() > 3 || (root.size() == 3 && root[2] != '\\' && root[2] != '/'))
        return DriveType::NoRootDir;
    Drive* d = drive(root[0]);
    return d ? d->type : DriveType::NoRootDir;
}

std::optional<DiskFree> SimFileSystem::diskFree(const std::string& root) {
    auto p = parse(root);
    if (!p) return std::nullopt;
    Drive* d = drive(p->drive);
    auto n = contentsOf(resolve(*p));
    if (!d || !n || !n->isDir()) return std::nullopt;
    const uint64_t cluster = uint64_t{kBytesPerSector} * kSectorsPerCluster;
    DiskFree f;
    f.bytesPerSector = kBytesPerSector;
    f.sectorsPerCluster = kSectorsPerCluster;
    f.freeClusters = static_cast<uint32_t>(std::min<uint64_t>(d->freeBytes / cluster, 0xFFFFFFFFu));
    f.totalClusters = static_cast<uint32_t>(std::min<uint64_t>(d->totalBytes / cluster, 0xFFFFFFFFu));
    f.freeBytes = d->freeBytes;
    f.totalBytes = d->totalBytes;
    return f;
}

bool SimFileSystem::mapsWholeHostFileSystem(const std::string& root) {
    Drive* d = root.empty() ? nullptr : drive(root[0]);
    return d && d->wholeHost;
}

void SimFileSystem::setWholeHostDrive(char letter, bool wholeHost) {
    if (Drive* d = drive(letter)) d->wholeHost = wholeHost;
}

std::string SimFileSystem::volumeLabel(const std::string& root) {
    Drive* d = root.empty() ? nullptr : drive(root[0]);
    return d ? d->label : std::string();
}

std::string SimFileSystem::tempPath() {
    std::optional<std::string> t = sys_.environmentVariable("TMP");
    if (!t) t = sys_.environmentVariable("TEMP");
    if (!t) t = sys_.environmentVariable("USERPROFILE");
    std::string out = t ? *t : windows_;
    if (auto p = parse(out)) out = p->str();
    if (out.empty() || out.back() != '\\') out += '\\';
    return out;
}

bool SimFileSystem::setCurrentFolder(const std::string& path) {
    auto p = parse(path);
    if (!p) return false;
    auto n = contentsOf(resolve(*p));
    if (!n || !n->isDir()) return false;
    current_ = p->str();
    return true;
}

std::optional<std::string> SimFileSystem::expandEnvironment(const std::string& text) { return sys_.expand(text); }

std::optional<std::string> SimFileSystem::shortPathName(const std::string& path) {
    auto p = parse(path);
    if (!p) return std::nullopt;
    Drive* d = drive(p->drive);
    if (!d) return std::nullopt;
    std::string out = path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : std::string(1, p->drive) + ":";
    out += '\\';
    std::shared_ptr<Node> n = d->root;
    for (size_t i = 0; i < p->parts.size(); ++i) {
        PathParts q{p->drive, std::vector<std::string>(p->parts.begin(), p->parts.begin() + static_cast<long>(i) + 1)};
        n = resolve(q);
        if (!n) return std::nullopt;
        if (i) out += '\\';
        out += n->shortName.empty() ? p->parts[i] : n->shortName;
    }
    if (!p->parts.empty() && !path.empty() && (path.back() == '\\' || path.back() == '/')) out += '\\';
    return out;
}

// --- test set-up --------------------------------------------------------------

void SimFileSystem::addFolder(const std::string& path) { ensureFolder(path); }

void SimFileSystem::addFile(const std::string& path, const std::string& contents, uint32_t attributes,
                            std::optional<FileTime> lastWriteUtc) {
    auto p = parse(path);
    if (!p || p->parts.empty()) throw std::logic_error("sim: bad file path: " + path);
    PathParts up = *p;
    up.parts.pop_back();
    auto folder = ensureFolder(up.str());
    auto existing = resolve(*p);
    if (existing) {
        if (existing->isDir() || existing->busy()) throw std::logic_error("sim: cannot replace " + path);
        detach(*existing);
    }
    auto n = makeNode(p->parts.back(), attributes & ~(attr::Directory | attr::ReparsePoint | attr::Normal));
    n->data = contents;
    n->size = contents.size();
    if (lastWriteUtc) n->creation = n->lastAccess = n->lastWrite = *lastWriteUtc;
    attach(*folder, n, p->parts.back());
}

void SimFileSystem::addSizedFile(const std::string& path, uint64_t size, uint32_t attributes,
                                 std::optional<FileTime> lastWriteUtc) {
    addFile(path, {}, attributes, lastWriteUtc);
    resolve(path)->size = size;
}

void SimFileSystem::addFolderLink(const std::string& path, const std::string& target) {
    auto p = parse(path);
    if (!p || p->parts.empty() || resolve(*p)) throw std::logic_error("sim: bad link path: " + path);
    PathParts up = *p;
    up.parts.pop_back();
    auto folder = ensureFolder(up.str());
    auto n = makeNode(p->parts.back(), attr::Directory | attr::ReparsePoint);
    n->linkTarget = target;
    attach(*folder, n, p->parts.back());
}

void SimFileSystem::addDrive(char letter, DriveType type, const std::string& label, uint64_t freeBytes,
                             uint64_t totalBytes) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
    if (letter < 'A' || letter > 'Z') throw std::logic_error("sim: bad drive letter");
    auto d = std::make_unique<Drive>();
    d->type = type;
    d->label = label;
    d->freeBytes = freeBytes;
    d->totalBytes = totalBytes ? totalBytes : freeBytes * 2;
    d->root = makeNode("", attr::Directory);
    d->root->drive = letter;
    drives_[letter] = std::move(d);
}

void SimFileSystem::removeDrive(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
    drives_.erase(letter);
}

void SimFileSystem::setFreeSpace(char letter, uint64_t freeBytes) {
    Drive* d = drive(letter);
    if (!d) throw std::logic_error("sim: no such drive");
    d->freeBytes = freeBytes;
    d->totalBytes = std::max(d->totalBytes, freeBytes);
}

bool SimFileSystem::lock(const std::string& path) {
    auto n = resolve(path);
    if (!n) return false;
    ++n->locks;
    return true;
}

bool SimFileSystem::unlock(const std::string& path) {
    auto n = resolve(path);
    if (!n || n->locks == 0) return false;
    --n->locks;
    return true;
}

std::optional<std::string> SimFileSystem::contents(const std::string& path) {
    auto n = resolve(path);
    if (!n || n->isDir()) return std::nullopt;
    std::string out = n->data.substr(0, static_cast<size_t>(std::min<uint64_t>(n->size, n->data.size())));
    return out;
}

std::vector<std::string> SimFileSystem::listTree(const std::string& folderPath) {
    std::vector<std::string> out;
    auto p = parse(folderPath);
    if (!p) return out;
    auto folder = contentsOf(resolve(*p));
    if (!folder || !folder->isDir()) return out;
    struct Walk {
        static void go(const Node& n, const std::string& prefix, std::vector<std::string>& out) {
            for (auto& [_, c] : n.children) {
                out.push_back(prefix + c->name);
                if (c->isDir() && c->linkTarget.empty()) go(*c, prefix + c->name + "\\", out);
            }
        }
    };
    std::string prefix = p->str();
    if (prefix.back() != '\\') prefix += '\\';
    Walk::go(*folder, prefix, out);
    return out;
}

}  // namespace sv::sim
