// The shell's file operation and ShellExecute.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <set>

#include "platform/win32/text.h"
#include "platform/win32/win32_fileinfo.h"
#include "platform/win32/win32_services.h"

namespace sv::win32 {
namespace {

constexpr int kSameFile = 0x71;  // DE_SAMEFILE: source and target are the same file

bool hasWildcard(const std::string& s) {
    const auto slash = s.find_last_of('\\');
    return s.find_first_of("*?", slash == std::string::npos ? 0 : slash + 1) != std::string::npos;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string lower(const std::string& s) {
    std::wstring w = widen(s);
    if (!w.empty()) CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
    return narrow(w);
}

bool pathExists(const std::string& path) { return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// The paths a source stands for: itself, or the entries its wildcard matches
// (only files when the operation says so, as the shell does).
void expand(const std::string& source, bool filesOnly, std::vector<std::string>& out) {
    if (!hasWildcard(source)) {
        out.push_back(source);
        return;
    }
    WIN32_FIND_DATAW w;
    HANDLE h = FindFirstFileExW(widen(source).c_str(), FindExInfoBasic, &w, FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) return;
    const std::string folder = folderOf(source);
    do {
        const std::string name = narrowZ(w.cFileName);
        if (name == "." || name == "..") continue;
        if (filesOnly && (w.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        out.push_back(folder + name);
    } while (FindNextFileW(h, &w));
    FindClose(h);
}

// "name.ext" -> "name (2).ext", "name (3).ext", ...: the first that neither exists
// nor was already given to an earlier source of the same operation.
std::string freeName(const std::string& folder, const std::string& name, bool isFolder,
                     const std::set<std::string>& taken) {
    const auto dot = isFolder ? std::string::npos : name.find_last_of('.');
    const bool splitExt = dot != std::string::npos && dot > 0;
    const std::string stem = splitExt ? name.substr(0, dot) : name;
    const std::string ext = splitExt ? name.substr(dot) : std::string();
    for (int i = 2;; ++i) {
        const std::string candidate = stem + " (" + std::to_string(i) + ")" + ext;
        if (!taken.count(lower(candidate)) && !pathExists(folder + candidate)) return candidate;
    }
}

FileOpResult runShell(UINT func, const std::vector<std::string>& from, const std::vector<std::string>& to,
                      unsigned flags, const std::string& title) {
    const std::wstring wFrom = doubleNulList(from);
    const std::wstring wTo = doubleNulList(to);
    const std::wstring wTitle = widen(title);
    SHFILEOPSTRUCTW op{};
    op.hwnd = nullptr;
    op.wFunc = func;
    op.pFrom = wFrom.c_str();
    op.pTo = to.empty() ? nullptr : wTo.c_str();
    op.fFlags = static_cast<FILEOP_FLAGS>(flags);
    op.lpszProgressTitle = wTitle.empty() ? nullptr : wTitle.c_str();
    FileOpResult r;
    r.code = SHFileOperationW(&op);
    r.aborted = op.fAnyOperationsAborted != FALSE;
    return r;
}

// Releases an interface when it goes out of scope.
template <class T>
struct Com {
    T* p = nullptr;
    ~Com() {
        if (p) p->Release();
    }
    T** out() { return &p; }
    T* operator->() const { return p; }
};

// Releases an item identifier list through the shell's allocator.
struct Pidl {
    LPITEMIDLIST p = nullptr;
    ~Pidl() { CoTaskMemFree(p); }
};

// The shell's Properties sheet for one file, reached the way Explorer reaches it:
// the file's folder as a shell folder, the item's context menu, its "properties"
// verb. A name the folder cannot parse is tried as a full path from the first
// folder the desktop lists. The hourglass shows while the shell works.
bool showFileProperties(const std::string& path, HWND owner) {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    struct RestoreCursor {
        HCURSOR c;
        ~RestoreCursor() { SetCursor(c); }
    } restore{previous};
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    struct Uninit {
        bool on;
        ~Uninit() {
            if (on) CoUninitialize();
        }
    } uninit{SUCCEEDED(init)};

    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos) return false;
    std::wstring folderPart = widen(path.substr(0, slash + 1));
    std::wstring namePart = widen(path.substr(slash + 1));
    std::wstring fullPath = widen(path);

    Com<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.out()))) return false;
    Pidl folderId;
    if (FAILED(desktop->ParseDisplayName(owner, nullptr, folderPart.data(), nullptr, &folderId.p, nullptr))) return false;
    Com<IShellFolder> folder;
    if (FAILED(desktop->BindToObject(folderId.p, nullptr, IID_IShellFolder, reinterpret_cast<void**>(folder.out()))))
        return false;
    Pidl itemId;
    IShellFolder* owning = folder.p;
    Com<IShellFolder> fallback;
    if (FAILED(folder->ParseDisplayName(owner, nullptr, namePart.data(), nullptr, &itemId.p, nullptr))) {
        Com<IEnumIDList> items;
        if (desktop->EnumObjects(owner, SHCONTF_FOLDERS, items.out()) != S_OK || !items.p) return false;
        Pidl first;
        if (items->Next(1, &first.p, nullptr) != S_OK) return false;
        if (FAILED(desktop->BindToObject(first.p, nullptr, IID_IShellFolder, reinterpret_cast<void**>(fallback.out()))))
            return false;
        if (FAILED(fallback->ParseDisplayName(owner, nullptr, fullPath.data(), nullptr, &itemId.p, nullptr)))
            return false;
        owning = fallback.p;
    }
    LPCITEMIDLIST child = ILFindLastID(itemId.p);
    Com<IContextMenu> menu;
    if (FAILED(owning->GetUIObjectOf(owner, 1, &child, IID_IContextMenu, nullptr, reinterpret_cast<void**>(menu.out()))))
        return false;
    SFGAOF attributes = SFGAO_HASPROPSHEET;
    if (FAILED(owning->GetAttributesOf(1, &child, &attributes)) || !(attributes & SFGAO_HASPROPSHEET)) return false;
    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof(invoke);
    invoke.hwnd = owner;
    invoke.lpVerb = "properties";
    invoke.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu->InvokeCommand(&invoke));
}

class Win32Shell : public IShell {
public:
    FileOpResult fileOperation(const FileOperation& op) override {
        const UINT func = static_cast<UINT>(op.func);
        if (op.func != FileOpFunc::Move && op.func != FileOpFunc::Copy)
            return runShell(func, op.sources, op.destination.empty() ? std::vector<std::string>{}
                                                                      : std::vector<std::string>{op.destination},
                            op.flags, op.progressTitle);

        // Move and copy never replace anything in the target, and the shell cannot be
        // trusted to rename on a collision (Wine replaces the file). So every source
        // gets its own target name here and the shell is told each one.
        std::vector<std::string> items;
        for (const auto& s : op.sources) expand(s, (op.flags & fof::FilesOnly) != 0, items);
        if (items.empty()) return runShell(func, op.sources, {op.destination}, op.flags, op.progressTitle);

        std::string folder = op.destination;
        if (!folder.empty() && folder.back() != '\\') folder += '\\';
        std::vector<std::string> from, to;
        std::set<std::string> taken;  // lower-cased names already given out
        FileOpResult result;
        for (const auto& item : items) {
            std::string name = nameOf(item);
            if (lower(folderOf(item)) == lower(folder)) {
                result.code = kSameFile;  // into the folder it is already in: nothing to do
                continue;
            }
            if (taken.count(lower(name)) || pathExists(folder + name)) {
                if (!(op.flags & fof::RenameOnCollision)) {
                    result.aborted = true;  // left where it is rather than replacing
                    continue;
                }
                const DWORD a = GetFileAttributesW(widen(item).c_str());
                const bool isFolder = a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
                name = freeName(folder, name, isFolder, taken);
            }
            taken.insert(lower(name));
            from.push_back(item);
            to.push_back(folder + name);
        }
        if (from.empty()) return result;
        const unsigned flags = (op.flags & ~fof::RenameOnCollision) | FOF_MULTIDESTFILES;
        FileOpResult shell = runShell(func, from, to, flags, op.progressTitle);
        shell.aborted = shell.aborted || result.aborted;
        if (shell.code == 0) shell.code = result.code;
        return shell;
    }

    bool execute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowCmd show) override {
        const std::wstring v = widen(verb), f = widen(file), p = widen(parameters), d = widen(folder);
        HINSTANCE r = ShellExecuteW(nullptr, v.empty() ? nullptr : v.c_str(), f.c_str(), p.empty() ? nullptr : p.c_str(),
                                    d.empty() ? nullptr : d.c_str(), static_cast<int>(show));
        return reinterpret_cast<INT_PTR>(r) > 32;
    }

    std::optional<ShellFileInfo> fileInfo(const std::string& path, unsigned what,
                                          std::optional<uint32_t> iconBackground) override {
        return shellFileInfo(path, what, iconBackground);
    }
    FileVersionTexts fileVersion(const std::string& path) override { return fileVersionTexts(path); }
    std::optional<ui::Bitmap> fileIcon(const std::string& path, std::optional<uint32_t> background) override {
        return firstIconInFile(path, background);
    }
    bool showProperties(const std::string& path) override { return showFileProperties(path, GetActiveWindow()); }
};

}  // namespace

std::unique_ptr<IShell> makeShell() { return std::make_unique<Win32Shell>(); }

}  // namespace sv::win32
