// Small file-system and environment helpers the tools share.
#pragma once

#include <cstdint>
#include <string>

namespace sv {

// True on the 9x family; on NT, whether the token lists the Administrators group.
bool IsAdministrator();
void ShowRegistryAccessError();
// True when the file cannot be opened for exclusive writing: in use, read-only or missing.
bool IsFileLocked(const std::string& path);
std::string ExpandEnvironment(const std::string& text);
// Rejects names holding \ / : * ? " < > | with a message that starts with leadIn.
bool IsValidFileName(const std::string& name, const std::string& leadIn);
std::string GetTempDirectory();  // trailing backslash
std::string GetStartUpFolder();  // no trailing backslash, or empty
std::string GetWindowsFolder();  // no trailing backslash
// Local last-access time as an OLE date (0 when unreadable); leaves the time as it was.
double GetLastAccessDate(const std::string& path);
bool IsFolderEmpty(const std::string& folderWithBackslash);
// Removes everything inside the folder (not the folder) through the shell.
bool DeleteFolderContents(const std::string& folder, bool recycle);
std::string GetShortFileName(const std::string& path);
// Free bytes of the fixed drives C: to Y:.
int64_t TotalFreeSpace();

}  // namespace sv
