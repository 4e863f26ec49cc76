#include "common/filefunc.h"

#include "common/regaccess.h"
#include "common/text.h"
#include "platform/machine.h"
#include "platform/ui/application.h"

namespace sv {

bool IsAdministrator() {
    ISystem& sys = machine().system();
    if (sys.osFamily() != OsFamily::WinNT) return true;
    return sys.tokenHasAdministrators().value_or(false);
}

void ShowRegistryAccessError() {
    MessageRequest box;
    box.title = ui::application().title();
    box.text = "Sorvane was unable to access the System Registry.\r\r"
               "If you are running under Windows NT you must be logged in as an \"Administrator\" "
               "in order to access this function.";
    machine().dialogs().messageBox(box);
}

bool IsFileLocked(const std::string& path) { return !machine().files().canOpenExclusive(path); }

std::string ExpandEnvironment(const std::string& text) {
    return machine().files().expandEnvironment(text).value_or(text);
}

bool IsValidFileName(const std::string& name, const std::string& leadIn) {
    static const std::string kForbidden = "\\/:*?\"<>|";
    if (name.find_first_of(kForbidden) == std::string::npos) return true;
    std::string text = leadIn + ":";
    for (char c : kForbidden) (text += ' ') += c;
    MessageRequest box;
    box.title = ui::application().title();
    box.text = text;
    machine().dialogs().messageBox(box);
    return false;
}

std::string GetTempDirectory() {
    std::string path = machine().files().tempPath();
    return path.empty() ? "c:\\windows\\temp\\" : path;
}

std::string GetStartUpFolder() {
    RegAccess key(RegRoot::CurrentUser, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", false);
    if (!key.isOpen()) return {};
    auto type = key.valueType("StartUp");
    if (type != RegType::Sz && type != RegType::ExpandSz) return {};
    return key.readString("StartUp");
}

std::string GetWindowsFolder() {
    std::string path = machine().files().windowsFolder();
    return path.empty() ? "c:\\windows" : path;
}

double GetLastAccessDate(const std::string& path) {
    IFileSystem& fs = machine().files();
    // The file must open for reading and writing, as putting the time back needs.
    auto attributes = fs.attributes(path);
    if (!attributes || (*attributes & (attr::Directory | attr::ReadOnly))) return 0;
    auto times = fs.fileTimes(path);
    if (!times) return 0;
    double result = 0;
    if (times->lastAccess) {
        const FileTime local = machine().system().utcToLocal(*times->lastAccess);
        result = systemTimeToOleDate(fileTimeToSystemTime(local));
        // Opening and reading the file may itself count as an access: put it back.
        FileTimes keep;
        keep.lastAccess = times->lastAccess;
        fs.setFileTimes(path, keep);
    }
    return result;
}

bool IsFolderEmpty(const std::string& folderWithBackslash) {
    FindData entry;
    auto search = machine().files().findFirst(folderWithBackslash + "*.*", entry);
    if (!search) return true;
    // "." and ".." are skipped by name: a drive's root has neither, and skipping
    // the first entry blindly would call a root holding one file empty.
    do {
        if (entry.name != "." && entry.name != "..") return false;
    } while (search->next(entry));
    return true;
}

namespace {
// "C:", "C:\" and the like: a whole drive, never a folder whose contents may go.
bool isDriveRoot(const std::string& path) {
    const std::string p = withoutBackslash(path);
    return p.empty() || (p.size() == 2 && p[1] == ':');
}
}  // namespace

bool DeleteFolderContents(const std::string& folder, bool recycle) {
    IFileSystem& fs = machine().files();
    if (!fs.folderExists(folder)) return false;
    // A stored path that names a drive would empty the whole drive: refuse it.
    if (isDriveRoot(folder)) return false;
    FileOperation op;
    op.func = FileOpFunc::Delete;
    op.sources = {folder + "\\*.*"};
    op.flags = fof::Silent | fof::NoConfirmation | fof::RenameOnCollision;
    if (recycle) op.flags |= fof::AllowUndo;
    return machine().shell().fileOperation(op).code == 0;
}

std::string GetShortFileName(const std::string& path) {
    // With no short form (a missing file, say) the path is given back as it is.
    return machine().files().shortPathName(path).value_or(path);
}

int64_t TotalFreeSpace() {
    IFileSystem& fs = machine().files();
    int64_t total = 0;
    for (char letter = 'C'; letter <= 'Y'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (fs.driveType(root) != DriveType::Fixed) continue;
        auto free = fs.diskFree(root);
        total += free ? static_cast<int64_t>(free->freeBytes) : -1;
    }
    return total;
}

}  // namespace sv
