// The operating system itself: version family, user, clock, locale, screen.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/types.h"

namespace sv {

enum class OsFamily { Win9x, WinNT };

struct LocaleFormats {
    char thousandSeparator = ',';
    char decimalSeparator = '.';
    char dateSeparator = '/';
    char timeSeparator = ':';
    std::string shortDateFormat = "m/d/yyyy";  // Delphi-style pattern letters
    std::string longTimeFormat = "h:nn:ss AMPM";
    std::string timeAmString = "AM";
    std::string timePmString = "PM";
};

// How a program started by ISystem::runAndWait ended.
struct ProcessOutcome {
    bool started = false;   // false: it could not be started (`error` says why)
    bool finished = false;  // false while started: still running when the wait ran out
    uint32_t exitCode = 0;  // when finished
    uint32_t error = 0;     // the system error code: why it did not start, or 258 (timed out)
    bool succeeded() const { return started && finished && exitCode == 0; }
};

class ISystem {
public:
    virtual ~ISystem() = default;
    virtual OsFamily osFamily() = 0;
    // Whether the access token (the thread's, else the process's) lists the built-in
    // Administrators group; nullopt when no token or its groups could be read.
    virtual std::optional<bool> tokenHasAdministrators() = 0;
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;

    virtual FileTime nowUtc() = 0;
    virtual FileTime utcToLocal(FileTime utc) = 0;
    virtual FileTime localToUtc(FileTime local) = 0;
    virtual uint32_t tickCount() = 0;

    virtual LocaleFormats localeFormats() = 0;
    // Full path of the running executable.
    virtual std::string executablePath() = 0;
    virtual std::optional<std::string> environmentVariable(const std::string& name) = 0;
    // Text for files that users and other programs read as plain text (the tool
    // logs): UTF-8 converted to the system's ANSI code page; what the code page
    // cannot hold becomes '?'.
    virtual std::string toAnsiCodePage(const std::string& utf8) = 0;

    // Starts `program` with the command-line tail `parameters` the way the shell's
    // "open" does (found on the search path; a program that needs elevation asks for
    // it) and waits for it to end, at most `timeoutMs`. `whileWaiting` runs whenever
    // window messages arrive and at least every tenth of a second, so that the
    // caller's windows keep painting. A program still running at the end of the wait
    // is left running.
    virtual ProcessOutcome runAndWait(const std::string& program, const std::string& parameters, uint32_t timeoutMs,
                                      const std::function<void()>& whileWaiting) = 0;
};

// The executable's folder with its trailing backslash.
std::string executableFolder(ISystem& sys);
SystemTime localNow(ISystem& sys);

}  // namespace sv
