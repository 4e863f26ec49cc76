#include "platform/win32/wine.h"

#include <windows.h>

#include <string>

namespace sv::win32 {
namespace {

// Wine's own exports; they are looked up at run time so that the same
// executable starts on Windows, where they do not exist.
using WineGetVersion = const char*(CDECL*)();
using WineGetUnixFileName = char*(CDECL*)(const wchar_t*);

template <typename F>
F wineExport(const wchar_t* module, const char* name) {
    HMODULE h = GetModuleHandleW(module);
    if (!h) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h, name)));
}

// "/", "//" and "/./" all name the root.
bool isUnixRoot(std::string p) {
    for (;;) {
        if (!p.empty() && p.back() == '/') p.pop_back();
        else if (p.size() >= 2 && p.compare(p.size() - 2, 2, "/.") == 0) p.resize(p.size() - 2);
        else break;
    }
    return p.empty();
}

}  // namespace

bool runningUnderWine() { return wineExport<WineGetVersion>(L"ntdll.dll", "wine_get_version") != nullptr; }

std::vector<char> hostRootDrives() {
    std::vector<char> drives;
    auto toUnix = wineExport<WineGetUnixFileName>(L"kernel32.dll", "wine_get_unix_file_name");
    if (!toUnix) return drives;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', L'\0'};
        char* unixPath = toUnix(root);
        if (!unixPath) continue;
        const bool atRoot = isUnixRoot(unixPath);
        HeapFree(GetProcessHeap(), 0, unixPath);  // Wine allocates the answer on the process heap
        if (atRoot) drives.push_back(static_cast<char>('A' + i));
    }
    return drives;
}

}  // namespace sv::win32
