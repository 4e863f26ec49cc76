#include "regclean/undo.h"

#include <cstdio>

#include "common/text.h"
#include "platform/machine.h"

namespace sv::regclean {
namespace {

constexpr const char* kUndoPrefix = "Undo_";
constexpr const char* kUndonePrefix = "Undone_";

// The order of undo files: their time stamp, then the number of a second file in
// the same second. Names that are not ours sort first.
struct UndoOrder {
    std::string stamp;
    int n = 0;
    friend bool operator<(const UndoOrder& a, const UndoOrder& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.n < b.n;
    }
};

std::optional<UndoOrder> orderOf(const std::string& name) {
    // Undo_YYYY-MM-DD_HH-MM-SS[_n].reg
    constexpr size_t kStampLength = 19;
    const size_t prefix = std::string(kUndoPrefix).size();
    if (!startsWithNoCase(name, kUndoPrefix) || !endsWithNoCase(name, ".reg")) return std::nullopt;
    const std::string middle = name.substr(prefix, name.size() - prefix - 4);
    if (middle.size() < kStampLength) return std::nullopt;
    UndoOrder order{middle.substr(0, kStampLength), 1};
    if (middle.size() > kStampLength) {
        if (middle[kStampLength] != '_') return std::nullopt;
        try {
            order.n = std::stoi(middle.substr(kStampLength + 1));
        } catch (...) {
            return std::nullopt;
        }
    }
    return order;
}

}  // namespace

std::string BackupFolder() { return executableFolder(machine().system()) + BackupFolderName + "\\"; }

std::string BackupFilePath() { return BackupFolder() + BackupFileName; }

std::string UndoFileName(const SystemTime& t, int n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s%04d-%02d-%02d_%02d-%02d-%02d", kUndoPrefix, t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    std::string name = buf;
    if (n > 1) name.append(1, '_').append(std::to_string(n));
    return name + ".reg";
}

std::optional<std::string> WriteUndoFile(const std::vector<RegFileValue>& values) {
    IFileSystem& fs = machine().files();
    const std::string folder = BackupFolder();
    if (!fs.folderExists(folder) && !fs.createFolder(withoutBackslash(folder))) return std::nullopt;
    const SystemTime now = localNow(machine().system());
    std::string path;
    for (int n = 1;; ++n) {
        path = folder + UndoFileName(now, n);
        if (!fs.exists(path)) break;
    }
    const std::string bytes = WriteRegFile(values);
    bool good = writeWholeFile(fs, path, bytes);
    if (good) {
        // Only a file that gives back exactly these values is a way back.
        try {
            const auto back = readWholeFile(fs, path);
            good = back && ReadRegFile(*back) == values;
        } catch (const RegFileError&) {
            good = false;
        }
    }
    if (!good) {
        fs.deleteFile(path);
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> NewestUndoFile() {
    IFileSystem& fs = machine().files();
    const std::string folder = BackupFolder();
    FindData d;
    auto h = fs.findFirst(folder + kUndoPrefix + "*.reg", d);
    if (!h) return std::nullopt;
    std::optional<UndoOrder> best;
    std::string bestName;
    do {
        if (d.isDirectory()) continue;
        auto order = orderOf(d.name);
        if (order && (!best || *best < *order)) {
            best = order;
            bestName = d.name;
        }
    } while (h->next(d));
    if (!best) return std::nullopt;
    return folder + bestName;
}

ImportResult ImportValues(const std::vector<RegFileValue>& values) {
    IRegistry& reg = machine().registry();
    ImportResult result;
    for (const RegFileValue& v : values) {
        auto key = reg.openKey(v.root, v.keyPath, true);
        if (key && key->writeValue(v.name, v.value)) ++result.restored;
        else ++result.failed;
    }
    return result;
}

bool MarkUndone(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    const std::string folder = path.substr(0, slash + 1), name = path.substr(slash + 1);
    if (!startsWithNoCase(name, kUndoPrefix)) return false;
    IFileSystem& fs = machine().files();
    const std::string rest = name.substr(std::string(kUndoPrefix).size());
    std::string target = folder + kUndonePrefix + rest;
    // A record of the same name (an undo file of the same second, undone before) stays.
    for (int n = 2; fs.exists(target); ++n)
        target = folder + kUndonePrefix + rest.substr(0, rest.size() - 4) + " (" + std::to_string(n) + ").reg";
    return fs.moveFile(path, target);
}

}  // namespace sv::regclean
