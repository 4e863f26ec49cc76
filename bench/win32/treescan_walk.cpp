// Walks a tree with the tree scanner on the real Win32 services and, for a floor
// to compare with, with a bare FindFirstFileExW walk that sorts nothing and keeps
// nothing. bench/treescan.sh runs it beside GNU find on the same tree.
//   bench_treescan_walk.exe <folder> [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/treescan.h"
#include "platform/machine.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_machine.h"

namespace {

struct Count {
    long files = 0, folders = 0;
};

void bareWalk(const std::wstring& folder, Count& c) {
    ++c.folders;
    WIN32_FIND_DATAW w;
    HANDLE h = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &w, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        if (w.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (w.cFileName[0] == L'.' && (!w.cFileName[1] || (w.cFileName[1] == L'.' && !w.cFileName[2]))) continue;
            if (w.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
            bareWalk(folder + w.cFileName + L"\\", c);
        } else {
            ++c.files;
        }
    } while (FindNextFileW(h, &w));
    FindClose(h);
}

template <typename Walk>
double bestMs(int runs, Walk walk) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        walk();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [runs]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    sv::win32::Win32Machine real;
    sv::MachineGuard guard{real};

    Count scanned;
    const double scanMs = bestMs(runs, [&] {
        scanned = {};
        sv::TTreeScanner ts;
        ts.setInitialDirectory(root);
        ts.setFileMask("*.*");
        ts.findHiddenFiles = ts.findHiddenFolders = true;
        ts.onDirectoryFound = [&](sv::TTreeScanner&) { ++scanned.folders; };
        ts.onFileFound = [&](sv::TTreeScanner&) { ++scanned.files; };
        ts.execute();
    });
    Count bare;
    const std::wstring wroot = sv::win32::widen(root) + (root.back() == '\\' ? L"" : L"\\");
    const double bareMs = bestMs(runs, [&] {
        bare = {};
        bareWalk(wroot, bare);
    });
    std::printf("scanner %ld files %ld folders %.1f ms\n", scanned.files, scanned.folders, scanMs);
    std::printf("bare    %ld files %ld folders %.1f ms\n", bare.files, bare.folders, bareMs);
    return scanned.files == bare.files && scanned.folders == bare.folders ? 0 : 1;
}
