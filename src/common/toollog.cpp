#include "common/toollog.h"

#include <limits>

#include "common/formats.h"
#include "common/regaccess.h"
#include "common/settings.h"
#include "common/text.h"
#include "platform/machine.h"

namespace sv {
namespace {

// Why a log could not be opened, in the platform's terms, judged from what the
// file system shows once the open has failed.
[[noreturn]] void throwOpenError(IFileSystem& fs, const std::string& path) {
    const auto slash = path.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    if (!folder.empty() && !fs.folderExists(folder))
        throw PlatformError("Path not found (I/O error 3): " + path);
    const auto attributes = fs.attributes(path);
    if (attributes && (*attributes & (attr::ReadOnly | attr::Directory)))
        throw PlatformError("File access denied (I/O error 5): " + path);
    if (attributes) throw PlatformError("File in use by another program (I/O error 32): " + path);
    throw PlatformError("File access denied (I/O error 5): " + path);
}

void writeStamped(const std::string& fileName, const std::string& label) { AppendToolLog(fileName, label + TimeStamp()); }

void writeAll(const std::string& fileName, const std::vector<std::string>& lines) {
    for (const auto& line : lines) AppendToolLog(fileName, line);
}

}  // namespace

std::string ToolLogFileName(const std::string& anyCase) {
    static const char* const names[] = {logfile::ManualJunk,    logfile::ManualPrivacy,      logfile::ManualShortcuts,
                                        logfile::ManualUninstallers, logfile::ManualDupes,  logfile::ManualRegistry,
                                        logfile::ScheduledJunk, logfile::ScheduledEraser,    logfile::ScheduledRegistry};
    for (const char* name : names)
        if (equalsNoCase(anyCase, name)) return name;
    return anyCase;
}

void AppendToolLog(const std::string& fileName, const std::string& line) {
    IFileSystem& fs = machine().files();
    const std::string path = executableFolder(machine().system()) + ToolLogFileName(fileName);
    auto out = fs.openWrite(path, true);
    if (!out) throwOpenError(fs, path);
    // Logs are plain text for people and other programs: the ANSI code page.
    if (!out->write(machine().system().toAnsiCodePage(line) + "\r\n")) throw PlatformError("Write fault (I/O error 29): " + path);
}

void SessionOpen(const std::string& fileName, const std::string& label) {
    AppendToolLog(fileName, LogSeparator);
    writeStamped(fileName, label);
    AppendToolLog(fileName, LogSeparator);
    AppendToolLog(fileName, "");
}

void SessionClose(const std::string& fileName, const std::string& label, const std::vector<std::string>& summaryLines) {
    AppendToolLog(fileName, "");
    AppendToolLog(fileName, LogSeparator);
    writeStamped(fileName, label);
    writeAll(fileName, summaryLines);
    AppendToolLog(fileName, LogSeparator);
    AppendToolLog(fileName, "");
}

void OperationStart(const std::string& fileName) {
    AppendToolLog(fileName, "");
    AppendToolLog(fileName, LogSeparator);
    writeStamped(fileName, "OPERATION START: ");
    AppendToolLog(fileName, LogSeparator);
}

void OperationComplete(const std::string& fileName, const std::vector<std::string>& summaryLines, bool blankLinesAround) {
    if (blankLinesAround) AppendToolLog(fileName, "");
    AppendToolLog(fileName, LogSeparator);
    writeStamped(fileName, "OPERATION COMPLETE: ");
    writeAll(fileName, summaryLines);
    AppendToolLog(fileName, LogSeparator);
    if (blankLinesAround) AppendToolLog(fileName, "");
}

bool ManualLoggingOn(const std::string& switchName) { return ReadSettingBool(StatisticsKey, switchName); }

bool ScheduledLoggingOn(const std::string& scheduleKey) { return ReadSettingBool(scheduleKey, "LogEvents"); }

int64_t ReadCounter(const std::string& name) {
    {
        RegAccess key(RegRoot::CurrentUser, StatisticsKey, true);
        if (key.valueType(name) == RegType::Qword) return static_cast<int64_t>(key.key()->readValue(name)->number());
    }
    return ReadSettingInt(StatisticsKey, name);
}

void AddToCounter(const std::string& name, int64_t amount) {
    const int64_t sum = ReadCounter(name) + amount;
    if (sum >= std::numeric_limits<int32_t>::min() && sum <= std::numeric_limits<int32_t>::max()) {
        WriteSettingInt(StatisticsKey, name, static_cast<int32_t>(sum));
        return;
    }
    RegAccess key(RegRoot::CurrentUser, StatisticsKey, true);
    if (key.isOpen()) key.key()->writeValue(name, RegValue::qword(static_cast<uint64_t>(sum)));
}

}  // namespace sv
