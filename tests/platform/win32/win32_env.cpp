// The real Win32 services as a contract-test backend. Everything a case touches
// lives in a fresh folder under the prefix's temp folder and a fresh key under
// HKCU, both removed afterwards.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <map>

#include "platform/contract/contract.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/wine.h"

namespace sv::test {
namespace {

using win32::narrow;
using win32::widen;

constexpr const char* kKeyParent = "Software\\SorvaneContract";

std::string uniqueName() {
    static std::atomic<unsigned> counter{0};
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
           std::to_string(++counter);
}

// Removes a tree the test built. A reparse point (a link) is removed itself and
// never entered, so a link to a folder elsewhere cannot lead the clean-up out.
void removeTree(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return;
    if (a & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    if (!(a & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW w;
        HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &w);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = w.cFileName;
                if (name != L"." && name != L"..") removeTree(path + L"\\" + name);
            } while (FindNextFileW(h, &w));
            FindClose(h);
        }
    }
    if (!RemoveDirectoryW(path.c_str())) DeleteFileW(path.c_str());
}

// The temp folder, unless it lies on a drive that is the host's "/": then the
// Windows folder's own Temp, which is always inside the prefix.
std::wstring scratchParent() {
    wchar_t buf[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, buf);
    std::wstring temp = buf;
    const auto hostRoots = win32::hostRootDrives();
    const char drive = static_cast<char>(towupper(temp.empty() ? L'?' : temp[0]));
    if (temp.size() < 3 || std::find(hostRoots.begin(), hostRoots.end(), drive) != hostRoots.end()) {
        GetWindowsDirectoryW(buf, MAX_PATH + 1);
        temp = std::wstring(buf) + L"\\Temp\\";
        CreateDirectoryW(temp.c_str(), nullptr);
    }
    if (temp.back() != L'\\') temp += L'\\';
    return temp;
}

class Win32Env : public ContractEnv {
public:
    Win32Env() {
        folder_ = narrow(scratchParent()) + "sv-contract-" + uniqueName();
        if (!CreateDirectoryW(widen(folder_).c_str(), nullptr))
            throw std::runtime_error("cannot create the scratch folder " + folder_);
        key_ = std::string(kKeyParent) + "\\" + uniqueName();
    }

    ~Win32Env() override {
        for (auto& [path, h] : locks_) CloseHandle(h);
        removeTree(widen(folder_));
        RegDeleteTreeW(HKEY_CURRENT_USER, widen(key_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, widen(kKeyParent).c_str());  // only succeeds once empty
    }

    Machine& machine() override { return machine_; }
    std::string scratchFolder() override { return folder_; }
    std::string scratchKey() override { return key_; }
    bool valuesSortedByName() const override { return win32::runningUnderWine(); }

    void lockFile(const std::string& path) override {
        releaseLock(path);
        HANDLE h = CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            ADD_FAILURE() << "cannot lock " << path << " (error " << GetLastError() << ")";
            return;
        }
        locks_[path] = h;
    }

    void releaseLock(const std::string& path) override {
        auto it = locks_.find(path);
        if (it == locks_.end()) return;
        CloseHandle(it->second);
        locks_.erase(it);
    }

private:
    win32::Win32Machine machine_;
    std::string folder_, key_;
    std::map<std::string, HANDLE> locks_;
};

}  // namespace

Backend win32Backend() {
    return {"win32", [] { return std::unique_ptr<ContractEnv>(std::make_unique<Win32Env>()); }};
}

}  // namespace sv::test
