// Facts about Wine that the program must respect when it runs there: the host's
// whole file system appears as a drive (normally Z:), and walking it would scan
// /proc, /sys and the user's Linux files.
#pragma once

#include <vector>

namespace sv::win32 {

// True when this process runs under Wine (its ntdll exports wine_get_version).
bool runningUnderWine();

// The drive letters ('Z', ...) whose root is the host's "/". Empty on Windows.
std::vector<char> hostRootDrives();

}  // namespace sv::win32
