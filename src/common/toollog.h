// Tool action logs (plain-text files beside the executable) and the statistics
// counters the tools add their results to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sv {

// --- Log files -------------------------------------------------------------------

namespace logfile {
inline constexpr const char* ManualJunk = "Manual_Junk_Log.txt";
inline constexpr const char* ManualPrivacy = "Manual_Privacy_Log.txt";
inline constexpr const char* ManualShortcuts = "Manual_ShortCuts_Log.txt";
inline constexpr const char* ManualUninstallers = "Manual_Uninstallers_Log.txt";
inline constexpr const char* ManualDupes = "Manual_Dupes_Log.txt";
inline constexpr const char* ManualRegistry = "Manual_Registry_Log.txt";
inline constexpr const char* ScheduledJunk = "JunkLog.txt";
inline constexpr const char* ScheduledEraser = "EraserLog.txt";
inline constexpr const char* ScheduledRegistry = "RegistryLog.txt";
}  // namespace logfile

// The name a log file really has, for a name given in any letter case
// ("Junklog.txt" -> "JunkLog.txt"). Names that are no log pass unchanged. The
// files were always opened case-insensitively; on a file system that tells case
// apart this keeps the viewers and the writers on one file.
std::string ToolLogFileName(const std::string& anyCase);

// Appends `line` and CR LF to the log `fileName` in the executable's folder,
// creating the file when missing; the file is closed again before returning, so
// each line is on disk at once and other programs may read the log any time.
// The text goes out in the system's ANSI code page, as plain-text readers expect.
// Throws PlatformError when the file cannot be opened or written; the text names
// the cause, an I/O error number and the path, for example
//   "File access denied (I/O error 5): C:\Program Files\Sorvane\JunkLog.txt".
// Causes: 3 path not found (the folder is missing), 5 access denied (read-only file
// or a folder of that name), 32 in use by another program, 29 write fault.
void AppendToolLog(const std::string& fileName, const std::string& line);

// --- Frames every tool writes ---------------------------------------------------------

inline constexpr const char* LogSeparator = "========================================";  // 40 "="

// Opening labels of a manual session ("OPEN SESSION: " or "SESSION START: ") and
// closing labels ("CLOSE SESSION: ", or "SESSION CLOSE: " for the uninstaller list).
inline constexpr const char* OpenSessionLabel = "OPEN SESSION: ";
inline constexpr const char* SessionStartLabel = "SESSION START: ";
inline constexpr const char* CloseSessionLabel = "CLOSE SESSION: ";
inline constexpr const char* SessionCloseLabel = "SESSION CLOSE: ";

// separator, label + time stamp, separator, empty line.
void SessionOpen(const std::string& fileName, const std::string& label);
// empty line, separator, label + time stamp, the summary lines, separator, empty line.
void SessionClose(const std::string& fileName, const std::string& label, const std::vector<std::string>& summaryLines);

// Scheduled runs: empty line, separator, "OPERATION START: " + time stamp, separator.
// Step lines that follow (the junk cleaner's empty line and "  Start Scan...")
// are the tool's own.
void OperationStart(const std::string& fileName);
// separator, "OPERATION COMPLETE: " + time stamp, the summary lines, separator.
// `blankLinesAround` adds an empty line before and after the frame: the junk
// cleaner's layout. Step lines before the frame (the registry cleaner's "Finish"
// or "Already Clean" line) are written by the tool first.
void OperationComplete(const std::string& fileName, const std::vector<std::string>& summaryLines,
                       bool blankLinesAround = false);

// --- Which log a tool writes ------------------------------------------------------------

// Manual switches: typed booleans under StatisticsKey; missing means on.
namespace logswitch {
inline constexpr const char* DoJunk = "DoJunk";
inline constexpr const char* DoPriv = "DoPriv";
inline constexpr const char* DoShort = "DoShort";
inline constexpr const char* DoUnin = "DoUnin";
inline constexpr const char* DoDupes = "DoDupes";
inline constexpr const char* DoReg = "DoReg";
}  // namespace logswitch

// The schedule keys whose "LogEvents" switch turns a scheduled log on.
namespace schedulekey {
inline constexpr const char* Junk = "\\Software\\Kettrel\\Sorvane\\Schedule\\Junk";
inline constexpr const char* Eraser = "\\Software\\Kettrel\\Sorvane\\Schedule\\Eraser";
inline constexpr const char* Registry = "\\Software\\Kettrel\\Sorvane\\Schedule\\Registry";
}  // namespace schedulekey

bool ManualLoggingOn(const std::string& switchName);
bool ScheduledLoggingOn(const std::string& scheduleKey);

// --- Statistics counters under StatisticsKey ---------------------------------------------

namespace counter {
inline constexpr const char* JunkFiles = "JunkFiles";
inline constexpr const char* JunkBytes = "JunkBytes";
inline constexpr const char* EraserBytes = "EraserBytes";
inline constexpr const char* ShortFixed = "ShortFixed";
inline constexpr const char* ShortRemoved = "ShortRemoved";
inline constexpr const char* ShortBytes = "ShortBytes";
inline constexpr const char* UninItems = "UninItems";
inline constexpr const char* DupeFiles = "DupeFiles";
inline constexpr const char* DupeBytes = "DupeBytes";
inline constexpr const char* RegRefs = "RegRefs";
}  // namespace counter

// A missing counter reads 0. A counter is a REG_DWORD while it fits a signed 32-bit
// number and a REG_QWORD from then on: byte totals of today's disks pass 2 GB soon.
// A value of any other type fails as a typed settings read does.
int64_t ReadCounter(const std::string& name);
// Read, add, write back (no lock: two processes can lose an addition).
void AddToCounter(const std::string& name, int64_t amount);

}  // namespace sv
