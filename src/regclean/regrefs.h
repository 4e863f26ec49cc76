// The registry cleaner's rules that need no window: which texts are dead
// references, how a result row names its key, and how the last-write time reads.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/types.h"

namespace sv::regclean {

// The area check marks ("CU", "US", "LM", "SD"), typed booleans below HKEY_CURRENT_USER.
inline constexpr const char* RegCleanKey = "\\software\\kettrel\\sorvane\\regclean\\pos";
// The window storage: the same key, as key and section.
inline constexpr const char* StorageKey = "Software\\Kettrel\\Sorvane\\regclean\\";
inline constexpr const char* StorageSection = "Pos";

// The key that counts how many installed programs share each DLL; every value is
// named by the DLL's path.
inline constexpr const char* SharedDllsKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
// The same path as a result row shows it (without the leading backslash).
inline constexpr const char* SharedDllsRowPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

inline constexpr const char* RootCurrentUser = "HKEY_CURRENT_USER";
inline constexpr const char* RootUsers = "HKEY_USERS";
inline constexpr const char* RootLocalMachine = "HKEY_LOCAL_MACHINE";

// The name a .reg file and a row caption give a root.
std::string RootName(RegRoot root);
std::optional<RegRoot> RootFromName(const std::string& name);

// False only for a text that has the exact shape of an absolute path on a fixed
// drive ("C:\..." with drive letter C to Z, no blank, comma or semicolon) and
// names a folder or file that is not there. A text without an extension is a
// folder, which exists when it can be made the current folder; a file exists when
// its folder can be made the current folder and its attributes can be read. With
// `excludeCdAndNetwork` texts on CD-ROM and network drives are valid. The process's
// current folder is the same afterwards.
bool IsValidReference(const std::string& text, IFileSystem& fs, bool excludeCdAndNetwork);

// Whether a SharedDLLs entry names a library that is gone: nothing exists at the
// path. Unlike the value scan this judges every kind of path (blanks, drives A: and
// B:, removable drives); with `excludeCdAndNetwork` paths on CD-ROM and network
// drives (a \\server\share path included) are never orphaned.
bool IsOrphanedSharedDll(const std::string& path, IFileSystem& fs, bool excludeCdAndNetwork);

// A result row's caption: "HKEY_CURRENT_USER: \Software\Classes\xyz".
std::string RowCaption(const std::string& rootName, const std::string& keyPath);

// What a result row's caption says about its key.
struct ParsedKey {
    std::string rootName;          // the text before the first ":"
    std::optional<RegRoot> root;   // none when the root name is none of the three
    std::string keyPath;           // always begins with "\"
};
ParsedKey ParseRegistryKey(const std::string& caption);

// A key's last-write time (UTC, as the registry keeps it) in the "Last
// Modification" column's form "mm/dd/yyyy hh:mmAM/PM", with the system's date and
// time separators.
std::string FormatLastWrite(FileTime utc);

}  // namespace sv::regclean
