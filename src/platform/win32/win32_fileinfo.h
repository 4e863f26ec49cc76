// What the shell and the version resource tell about a file (Win32Shell's
// SHGetFileInfo and version queries).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/shell.h"

namespace sv::win32 {

std::optional<ShellFileInfo> shellFileInfo(const std::string& path, unsigned what,
                                           std::optional<uint32_t> iconBackground);
FileVersionTexts fileVersionTexts(const std::string& path);

}  // namespace sv::win32
