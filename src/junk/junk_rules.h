// What the junk cleaner counts as junk, apart from its window: the file types it
// looks for and how they are stored, the skip test for a found file, and where
// its log lines go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sv::junk {

// Settings keys below HKEY_CURRENT_USER.
inline constexpr const char* JunkKey = "\\Software\\Kettrel\\Sorvane\\Junk";
inline constexpr const char* FoldersKey = "\\software\\kettrel\\Sorvane\\junk\\folders";
inline constexpr const char* ExcludedFoldersKey = "\\software\\kettrel\\Sorvane\\junk\\excluded_folders";
inline constexpr const char* StorageKey = "software\\kettrel\\Sorvane\\junk";
inline constexpr const char* StorageSection = "pos";

// One row of the file-type list.
struct FileType {
    std::string mask, description;
    bool checked = true;
    bool operator==(const FileType&) const = default;
};

// The thirteen types a new user starts with, all checked.
const std::vector<FileType>& DefaultFileTypes();
// The stored forms: "mask,1,mask,0," and "description,1,description,1,". Neither
// text is quoted, so a comma inside a mask or description splits it on reading.
std::string ScanForText(const std::vector<FileType>& types);
std::string ScanDescText(const std::vector<FileType>& types);
// Rows from "ScanFor"; then "ScanDesc" fills their descriptions in order (extra
// descriptions are dropped, rows without one keep an empty description).
std::vector<FileType> ParseScanFor(const std::string& scanFor);
void ApplyScanDesc(std::vector<FileType>& types, const std::string& scanDesc);
std::string DefaultScanFor();
std::string DefaultScanDesc();

// The options of the skip test, as the window's controls hold them.
struct SkipOptions {
    bool skipReadOnlyAndSystem = true;
    bool ageTest = false;
    std::string days = " 30";  // the day field as typed
    bool skipInUse = true;
};

// The day count of the age test: the field's number without blanks; an empty or
// unreadable field counts as 0, which never skips anything.
int AgeDays(const std::string& field);
// True when a found file must not be listed: read-only or system (when asked),
// not accessed within the last n days counted from today's midnight (when
// asked; a file whose access date cannot be read always passes), or in use.
bool RestrictedFile(const std::string& path, const SkipOptions& options);

// The found-total texts: "B bytes (M megabytes) found in N files."
std::string FoundTotalText(int64_t bytes, int files);

}  // namespace sv::junk
