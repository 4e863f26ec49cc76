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
// The first icon inside the file (ExtractIconExW, index 0), drawn at 16 x 16.
std::optional<ui::Bitmap> firstIconInFile(const std::string& path, std::optional<uint32_t> background);

}  // namespace sv::win32
