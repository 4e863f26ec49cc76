#include "regclean/regrefs.h"

#include "common/formats.h"

namespace sv::regclean {
namespace {

// "C:" of "C:\x", else nothing. A network path needs no drive query: it is on the
// network by its very form.
std::string DriveLetterPart(const std::string& text) {
    if (text.size() >= 2 && text[1] == ':') return text.substr(0, 2);
    return {};
}

bool IsNetworkPath(const std::string& text) { return text.size() >= 2 && text[0] == '\\' && text[1] == '\\'; }

bool OnCdOrNetworkDrive(const std::string& text, IFileSystem& fs) {
    if (IsNetworkPath(text)) return true;
    const std::string drive = DriveLetterPart(text);
    if (drive.empty()) return false;
    const DriveType type = fs.driveType(drive + "\\");
    return type == DriveType::CdRom || type == DriveType::Remote;
}

// A folder is there when it can be made the current folder. One that exists but
// may not be entered (no right to list it) is there too: it is not a dead reference.
bool FolderIsThere(const std::string& folder, IFileSystem& fs) {
    const std::string previous = fs.currentFolder();
    if (fs.setCurrentFolder(folder)) {
        if (!previous.empty()) fs.setCurrentFolder(previous);
        return true;
    }
    return fs.folderExists(folder);
}

// "C:\\Windows\\System32\\x.dll\\2" names the second resource of a library that is
// there (type libraries are registered so): a reference into a file, not to a
// missing folder.
bool InsideExistingFile(const std::string& text, IFileSystem& fs) {
    for (size_t slash = text.find('\\', 3); slash != std::string::npos; slash = text.find('\\', slash + 1))
        if (fs.fileExists(text.substr(0, slash))) return true;
    return false;
}

}  // namespace

std::string RootName(RegRoot root) {
    switch (root) {
        case RegRoot::CurrentUser: return RootCurrentUser;
        case RegRoot::LocalMachine: return RootLocalMachine;
        case RegRoot::Users: return RootUsers;
    }
    return {};
}

std::optional<RegRoot> RootFromName(const std::string& name) {
    if (name == RootCurrentUser) return RegRoot::CurrentUser;
    if (name == RootUsers) return RegRoot::Users;
    if (name == RootLocalMachine) return RegRoot::LocalMachine;
    return std::nullopt;
}

bool IsValidReference(const std::string& text, IFileSystem& fs, bool excludeCdAndNetwork) {
    // Only the exact shape of an absolute path on a fixed drive is ever judged;
    // the tests go from cheapest to dearest.
    if (excludeCdAndNetwork && OnCdOrNetworkDrive(text, fs)) return true;
    if (text.size() < 3) return true;
    const char letter = static_cast<char>(text[0] >= 'a' && text[0] <= 'z' ? text[0] - 32 : text[0]);
    // A: and B: are floppy drives: a missing disk says nothing about the file.
    if (letter < 'C' || letter > 'Z') return true;
    // Command lines, lists and icon references ("x.dll,1") are not plain paths.
    if (text.find_first_of(";, ") != std::string::npos) return true;
    if (text[1] != ':' || text[2] != '\\') return true;
    if (fs.driveType(std::string(1, text[0]) + ":\\") != DriveType::Fixed) return true;
    // Wildcards and quotes make a mask or a fragment, never the name of a file that
    // could be missing.
    if (text.find_first_of("*?\"<>|") != std::string::npos) return true;

    const auto last = text.find_last_of(".\\:");
    bool there;
    if (text[last] != '.') {
        std::string folder = text;
        if (folder.back() != '\\') folder += '\\';
        there = FolderIsThere(folder, fs);
    } else {
        const std::string folder = text.substr(0, text.find_last_of('\\') + 1);
        there = FolderIsThere(folder, fs) && fs.attributes(text).has_value();
    }
    return there || InsideExistingFile(text, fs);
}

bool IsOrphanedSharedDll(const std::string& path, IFileSystem& fs, bool excludeCdAndNetwork) {
    if (excludeCdAndNetwork && OnCdOrNetworkDrive(path, fs)) return false;
    // A counter for a folder that is still there (installers count shared folders
    // too) is no orphan.
    return !fs.exists(path);
}

std::string RowCaption(const std::string& rootName, const std::string& keyPath) { return rootName + ": " + keyPath; }

ParsedKey ParseRegistryKey(const std::string& caption) {
    ParsedKey out;
    const auto colon = caption.find(':');
    std::string path;
    if (colon == std::string::npos) {
        path = caption;
    } else {
        out.rootName = caption.substr(0, colon);
        if (colon + 2 <= caption.size()) path = caption.substr(colon + 2);
    }
    out.keyPath = !path.empty() && path[0] == '\\' ? path : "\\" + path;
    out.root = RootFromName(out.rootName);
    return out;
}

std::string FormatLastWrite(FileTime utc) {
    return FormatDateTime("mm/dd/yyyy hh:mmAM/PM", fileTimeToSystemTime(utc));
}

}  // namespace sv::regclean
