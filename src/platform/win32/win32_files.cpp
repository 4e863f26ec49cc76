// Files, folders and drives through the wide Win32 APIs.
#include <windows.h>

#include <algorithm>
#include <cctype>

#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/wine.h"

namespace sv::win32 {
namespace {

FileTime fromFiletime(const FILETIME& ft) {
    return FileTime{(static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime};
}

FILETIME toFiletime(FileTime t) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t.ticks & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(t.ticks >> 32);
    return ft;
}

// Converts into `out`'s own buffer: a walk reuses one entry for every name it
// meets and should not allocate for each.
void narrowInto(const wchar_t* w, std::string& out) {
    const int len = lstrlenW(w);
    if (len == 0) {
        out.clear();
        return;
    }
    out.resize(static_cast<size_t>(len) * 3);
    const int n = WideCharToMultiByte(CP_UTF8, 0, w, len, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(n > 0 ? static_cast<size_t>(n) : 0);
}

void fill(const WIN32_FIND_DATAW& w, FindData& out) {
    narrowInto(w.cFileName, out.name);
    narrowInto(w.cAlternateFileName, out.shortName);
    out.attributes = w.dwFileAttributes;
    out.size = (static_cast<uint64_t>(w.nFileSizeHigh) << 32) | w.nFileSizeLow;
    out.creationTime = fromFiletime(w.ftCreationTime);
    out.lastAccessTime = fromFiletime(w.ftLastAccessTime);
    out.lastWriteTime = fromFiletime(w.ftLastWriteTime);
}

// Calls an API of the "give me a buffer, I return the length I need" kind (the
// length with the terminator when the buffer was too small, without it on success).
template <typename Call>
std::wstring sizedString(Call call) {
    std::wstring buf(MAX_PATH + 1, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD n = call(buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.assign(n + 1, L'\0');
    }
    return {};
}

std::string withoutTrailingBackslash(std::string s) {
    if (s.size() > 1 && s.back() == '\\') s.pop_back();
    return s;
}

// Windows refuses to open a read-only file for writing. Wine leaves that to the
// host's permission bits, which a process running as root does not feel, so the
// rule is applied here before any open for writing.
bool refusedAsReadOnly(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_READONLY) || (a & FILE_ATTRIBUTE_DIRECTORY)) return false;
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (valid()) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

class Win32Find : public FindHandle {
public:
    explicit Win32Find(HANDLE h) : h_(h) {}
    ~Win32Find() override { FindClose(h_); }
    Win32Find(const Win32Find&) = delete;
    Win32Find& operator=(const Win32Find&) = delete;
    bool next(FindData& out) override {
        WIN32_FIND_DATAW w;
        if (!FindNextFileW(h_, &w)) return false;
        fill(w, out);
        return true;
    }

private:
    HANDLE h_;
};

class Win32Input : public InputFile {
public:
    explicit Win32Input(HANDLE h) : h_(h) {}
    size_t read(void* buffer, size_t n) override {
        // ReadFile takes a DWORD count; larger requests are served in slices.
        size_t total = 0;
        auto* p = static_cast<char*>(buffer);
        while (total < n) {
            const DWORD want = static_cast<DWORD>(std::min<size_t>(n - total, 1u << 30));
            DWORD got = 0;
            if (!ReadFile(h_.get(), p + total, want, &got, nullptr) || got == 0) break;
            total += got;
        }
        return total;
    }
    uint64_t size() override {
        LARGE_INTEGER li;
        return GetFileSizeEx(h_.get(), &li) ? static_cast<uint64_t>(li.QuadPart) : 0;
    }

private:
    Handle h_;
};

class Win32Output : public OutputFile {
public:
    explicit Win32Output(HANDLE h) : h_(h) {}
    bool write(const void* data, size_t n) override {
        const auto* p = static_cast<const char*>(data);
        while (n > 0) {
            const DWORD want = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
            DWORD put = 0;
            if (!WriteFile(h_.get(), p, want, &put, nullptr) || put == 0) return false;
            p += put;
            n -= put;
        }
        return true;
    }

private:
    Handle h_;
};

class Win32FileSystem : public IFileSystem {
    static std::unique_ptr<FindHandle> search(const std::string& pattern, FINDEX_INFO_LEVELS level, FindData& first) {
        WIN32_FIND_DATAW w;
        HANDLE h = FindFirstFileExW(widen(pattern).c_str(), level, &w, FindExSearchNameMatch, nullptr,
                                    FIND_FIRST_EX_LARGE_FETCH);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        fill(w, first);
        return std::make_unique<Win32Find>(h);
    }

public:
    std::unique_ptr<FindHandle> findFirst(const std::string& pattern, FindData& first) override {
        // FindExInfoStandard rather than FindExInfoBasic: Basic leaves the 8.3 alias
        // empty, and FindData promises it (the start-menu and junk rules compare
        // short names). Large fetch still saves most of the per-entry round trips.
        return search(pattern, FindExInfoStandard, first);
    }

    std::unique_ptr<FindHandle> findFirstFast(const std::string& pattern, FindData& first) override {
        return search(pattern, FindExInfoBasic, first);
    }

    std::optional<uint32_t> attributes(const std::string& path) override {
        const DWORD a = GetFileAttributesW(widen(path).c_str());
        if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
        return a;
    }

    bool setAttributes(const std::string& path, uint32_t attributes) override {
        return SetFileAttributesW(widen(path).c_str(), attributes) != 0;
    }

    bool canOpenExclusive(const std::string& path) override {
        const std::wstring w = widen(path);
        if (refusedAsReadOnly(w)) return false;
        Handle h(CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
        return h.valid();
    }

    std::optional<FileTimes> fileTimes(const std::string& path) override {
        // Read from the directory entry, so that a file another program holds
        // open without sharing still reports its times.
        WIN32_FILE_ATTRIBUTE_DATA d;
        if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &d)) return std::nullopt;
        FileTimes t;
        t.creation = fromFiletime(d.ftCreationTime);
        t.lastAccess = fromFiletime(d.ftLastAccessTime);
        t.lastWrite = fromFiletime(d.ftLastWriteTime);
        return t;
    }

    bool setFileTimes(const std::string& path, const FileTimes& times) override {
        // Opened for reading and writing, as the interface promises: a read-only
        // or locked file keeps its times. Backup semantics lets folders open too.
        const std::wstring wpath = widen(path);
        if (refusedAsReadOnly(wpath)) return false;
        Handle h(CreateFileW(wpath.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!h.valid()) return false;
        FILETIME c, a, w;
        if (times.creation) c = toFiletime(*times.creation);
        if (times.lastAccess) a = toFiletime(*times.lastAccess);
        if (times.lastWrite) w = toFiletime(*times.lastWrite);
        return SetFileTime(h.get(), times.creation ? &c : nullptr, times.lastAccess ? &a : nullptr,
                           times.lastWrite ? &w : nullptr) != 0;
    }

    std::optional<uint64_t> fileSize(const std::string& path) override {
        WIN32_FILE_ATTRIBUTE_DATA d;
        if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &d)) return std::nullopt;
        if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
        return (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
    }

    std::unique_ptr<InputFile> openRead(const std::string& path) override {
        HANDLE h = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<Win32Input>(h);
    }

    std::unique_ptr<OutputFile> openWrite(const std::string& path, bool append) override {
        const std::wstring w = widen(path);
        if (refusedAsReadOnly(w)) return nullptr;
        HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        auto out = std::make_unique<Win32Output>(h);
        if (append) {
            LARGE_INTEGER zero{};
            if (!SetFilePointerEx(h, zero, nullptr, FILE_END)) return nullptr;
        }
        return out;
    }

    bool createFolder(const std::string& path) override { return CreateDirectoryW(widen(path).c_str(), nullptr) != 0; }
    bool removeFolder(const std::string& path) override { return RemoveDirectoryW(widen(path).c_str()) != 0; }
    bool deleteFile(const std::string& path) override { return DeleteFileW(widen(path).c_str()) != 0; }

    bool moveFile(const std::string& from, const std::string& to) override {
        // No MOVEFILE_REPLACE_EXISTING: an existing target makes the move fail.
        // Copy-allowed lets a file move to another drive, as MoveFile does.
        return MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_COPY_ALLOWED) != 0;
    }

    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override {
        const std::wstring target = widen(to);
        if (!failIfExists && refusedAsReadOnly(target)) return false;  // Windows will not replace it
        return CopyFileW(widen(from).c_str(), target.c_str(), failIfExists) != 0;
    }

    uint32_t logicalDrives() override { return GetLogicalDrives(); }

    DriveType driveType(const std::string& root) override {
        return static_cast<DriveType>(GetDriveTypeW(widen(root).c_str()));
    }

    std::optional<DiskFree> diskFree(const std::string& root) override {
        const std::wstring w = widen(root);
        DiskFree d;
        ULARGE_INTEGER available, total, totalFree;
        if (!GetDiskFreeSpaceExW(w.c_str(), &available, &total, &totalFree)) return std::nullopt;
        // The bytes this user may still use (quotas included), as the program's
        // free-space texts have always shown.
        d.freeBytes = available.QuadPart;
        d.totalBytes = total.QuadPart;
        DWORD spc = 0, bps = 0, freeClusters = 0, totalClusters = 0;
        // The old call's cluster counts stop at 2 GB worth on big disks; they are
        // kept for the rules that report the cluster size.
        if (GetDiskFreeSpaceW(w.c_str(), &spc, &bps, &freeClusters, &totalClusters)) {
            d.sectorsPerCluster = spc;
            d.bytesPerSector = bps;
            d.freeClusters = freeClusters;
            d.totalClusters = totalClusters;
        }
        return d;
    }

    std::string volumeLabel(const std::string& root) override {
        wchar_t name[MAX_PATH + 1] = {};
        if (!GetVolumeInformationW(widen(root).c_str(), name, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
            return {};
        return narrowZ(name);
    }

    // Under Wine a drive (normally Z:) is the host's whole file system; asked afresh
    // each time, as drive letters can be mapped while the program runs.
    bool mapsWholeHostFileSystem(const std::string& root) override {
        if (root.empty()) return false;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
        const std::vector<char> drives = hostRootDrives();
        return std::find(drives.begin(), drives.end(), letter) != drives.end();
    }

    std::string windowsFolder() override {
        return withoutTrailingBackslash(narrow(sizedString([](wchar_t* b, DWORD n) {
            return static_cast<DWORD>(GetWindowsDirectoryW(b, n));
        })));
    }

    std::string systemFolder() override {
        return withoutTrailingBackslash(narrow(sizedString([](wchar_t* b, DWORD n) {
            return static_cast<DWORD>(GetSystemDirectoryW(b, n));
        })));
    }

    std::string tempPath() override {
        std::string p = narrow(sizedString([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); }));
        if (!p.empty() && p.back() != '\\') p += '\\';
        return p;
    }

    std::string currentFolder() override {
        return narrow(sizedString([](wchar_t* b, DWORD n) { return GetCurrentDirectoryW(n, b); }));
    }

    bool setCurrentFolder(const std::string& path) override { return SetCurrentDirectoryW(widen(path).c_str()) != 0; }

    std::optional<std::string> expandEnvironment(const std::string& text) override {
        const std::wstring in = widen(text);
        // The result's length includes the terminator, on success and when the buffer is short.
        std::wstring buf(in.size() + 256, L'\0');
        for (int attempt = 0; attempt < 4; ++attempt) {
            const DWORD n = ExpandEnvironmentStringsW(in.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
            if (n == 0) return std::nullopt;
            if (n <= buf.size()) {
                buf.resize(n - 1);
                return narrow(buf);
            }
            buf.assign(n, L'\0');
        }
        return std::nullopt;
    }

    std::optional<std::string> shortPathName(const std::string& path) override {
        const std::wstring in = widen(path);
        std::wstring s = sizedString([&](wchar_t* b, DWORD n) { return GetShortPathNameW(in.c_str(), b, n); });
        if (s.empty()) return std::nullopt;
        return narrow(s);
    }
};

}  // namespace

std::unique_ptr<IFileSystem> makeFileSystem() { return std::make_unique<Win32FileSystem>(); }

}  // namespace sv::win32
