#include "platform/sim/sim_shell.h"

#include <functional>
#include <memory>

#include "platform/sim/sim_files.h"
#include "platform/sim/sim_system.h"

namespace sv::sim {
namespace {

using Node = SimFileSystem::Node;

constexpr int kNotFound = 2, kWriteProtect = 19, kInUse = 32, kExists = 0xB7, kSameFile = 0x71,
              kDestSubtree = 0x76;

uint64_t treeSize(const Node& n) {
    if (!n.isDir()) return n.size;
    uint64_t total = 0;
    if (n.linkTarget.empty())
        for (auto& [_, c] : n.children) total += treeSize(*c);
    return total;
}

bool anyLock(const Node& n) {
    if (n.locks > 0) return true;
    if (n.linkTarget.empty())
        for (auto& [_, c] : n.children)
            if (anyLock(*c)) return true;
    return false;
}

}  // namespace

std::string SimShell::collisionName(const std::string& name, bool folder, int n) {
    const auto dot = folder ? std::string::npos : name.rfind('.');
    const std::string suffix = " (" + std::to_string(n) + ")";
    if (dot == std::string::npos || dot == 0) return name + suffix;
    return name.substr(0, dot) + suffix + name.substr(dot);
}

FileOpResult SimShell::fileOperation(const FileOperation& op) {
    OperationRecord rec;
    static_cast<FileOperation&>(rec) = op;
    int code = 0;
    auto fail = [&](int c, const std::string& path) {
        code = c;
        rec.failed.push_back(path);
    };

    if (op.func == FileOpFunc::Rename) {
        // One source renamed to the destination path; it never replaces.
        const std::string from = op.sources.empty() ? std::string() : op.sources.front();
        if (op.sources.size() != 1 || !fs_.moveFile(from, op.destination)) fail(kExists, from);
        else rec.done.emplace_back(from, op.destination);
        rec.result.code = code;
        operations_.push_back(rec);
        return rec.result;
    }

    // The target folder of a move or copy; the shell makes a missing one.
    std::shared_ptr<Node> dest;
    char destDrive = 0;
    if (op.func == FileOpFunc::Move || op.func == FileOpFunc::Copy) {
        auto p = fs_.parse(op.destination);
        if (!p || !fs_.drive(p->drive)) {
            rec.result.code = kNotFound;
            operations_.push_back(rec);
            return rec.result;
        }
        destDrive = p->drive;
        dest = fs_.contentsOf(fs_.resolve(*p));
        if (!dest && fs_.writableDrive(destDrive)) {
            try {
                dest = fs_.ensureFolder(op.destination);
            } catch (const std::logic_error&) {
                dest = nullptr;
            }
        }
        if (!dest || !dest->isDir()) {
            rec.result.code = fs_.writableDrive(destDrive) ? kNotFound : kWriteProtect;
            operations_.push_back(rec);
            return rec.result;
        }
    }

    for (const auto& source : op.sources) {
        // The items the source names.
        std::vector<std::shared_ptr<Node>> items;
        auto p = fs_.parse(source.substr(0, source.find_last_of("\\/") + 1));
        const std::string mask = source.substr(source.find_last_of("\\/") + 1);
        if (hasWildcards(mask)) {
            auto folder = p ? fs_.contentsOf(fs_.resolve(*p)) : nullptr;
            if (!folder || !folder->isDir()) {
                fail(kNotFound, source);
                continue;
            }
            for (auto& [_, c] : folder->children) {
                if ((op.flags & fof::FilesOnly) && c->isDir()) continue;
                if (maskMatches(mask, c->name) || (!c->shortName.empty() && maskMatches(mask, c->shortName)))
                    items.push_back(c);
            }
        } else {
            auto n = fs_.resolve(source);
            if (!n || !n->parent) {
                fail(kNotFound, source);
                continue;
            }
            items.push_back(n);
        }

        for (auto& n : items) {
            const std::string from = fs_.pathOf(*n);
            if (!fs_.writableDrive(from[0])) {
                fail(kWriteProtect, from);
                continue;
            }
            if (op.func == FileOpFunc::Delete) {
                const bool recycle = (op.flags & fof::AllowUndo) && fs_.driveType(from.substr(0, 3)) == DriveType::Fixed;
                // Removes what is not in use; true when all of it went.
                std::function<bool(const std::shared_ptr<Node>&)> remove = [&](const std::shared_ptr<Node>& x) {
                    const std::string path = fs_.pathOf(*x);
                    if (!x->busyTree()) {
                        if (recycle) recycled_.push_back({path, x->isDir(), treeSize(*x), sys_.nowUtc()});
                        fs_.detach(*x);
                        rec.done.emplace_back(path, recycle ? "Recycle Bin" : "");
                        return true;
                    }
                    if (x->isDir() && x->linkTarget.empty()) {
                        std::vector<std::shared_ptr<Node>> kids;
                        for (auto& [_, c] : x->children) kids.push_back(c);
                        for (auto& c : kids) remove(c);
                    }
                    rec.failed.push_back(path);
                    return false;
                };
                if (!remove(n)) code = kInUse;
                continue;
            }
            // Move or copy into `dest`.
            if (!fs_.writableDrive(destDrive)) {
                fail(kWriteProtect, from);
                continue;
            }
            bool below = false;
            for (Node* up = dest.get(); up; up = up->parent) below = below || up == n.get();
            if (below) {
                fail(kDestSubtree, from);
                continue;
            }
            std::string name = n->name;
            if (!fs_.freeName(*dest, name)) {
                if (n->parent == dest.get()) {
                    fail(kSameFile, from);
                    continue;
                }
                if (!(op.flags & fof::RenameOnCollision)) {
                    // Left where it is rather than replacing anything.
                    rec.failed.push_back(from);
                    rec.result.aborted = true;
                    continue;
                }
                for (int k = 2;; ++k) {
                    name = collisionName(n->name, n->isDir(), k);
                    if (fs_.freeName(*dest, name)) break;
                }
            }
            const bool move = op.func == FileOpFunc::Move;
            if (move ? n->busyTree() : anyLock(*n)) {
                fail(kInUse, from);
                continue;
            }
            if (move && from[0] == destDrive) {
                auto keep = fs_.detach(*n);
                fs_.attach(*dest, keep, name);
            } else {
                auto copy = fs_.deepCopy(*n);
                if (move) {
                    copy->creation = n->creation;
                    fs_.detach(*n);
                }
                fs_.attach(*dest, copy, name);
            }
            std::string to = fs_.pathOf(*dest);
            if (to.back() != '\\') to += '\\';
            rec.done.emplace_back(from, to + name);
        }
    }

    rec.result.code = code;
    operations_.push_back(rec);
    return rec.result;
}

bool SimShell::execute(const std::string& verb, const std::string& file, const std::string& parameters,
                       const std::string& folder, ShowCmd show) {
    bool accepted = accepts_;
    const bool drivePath = file.size() >= 3 && file[1] == ':' && (file[2] == '\\' || file[2] == '/');
    if (drivePath && !fs_.exists(file)) accepted = false;
    executed_.push_back({verb, file, parameters, folder, show, accepted});
    return accepted;
}

}  // namespace sv::sim
