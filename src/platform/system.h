// The operating system itself: version family, user, clock, locale, screen.
#pragma once

#include <cstdint>
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
};

// The executable's folder with its trailing backslash.
std::string executableFolder(ISystem& sys);
SystemTime localNow(ISystem& sys);

}  // namespace sv
