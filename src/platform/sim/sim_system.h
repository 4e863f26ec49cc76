// The simulated operating system: version, user, clock, locale, environment, screen.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/system.h"

namespace sv::sim {

class SimSystem : public ISystem {
public:
    SimSystem();

    OsFamily osFamily() override { return family_; }
    std::optional<bool> tokenHasAdministrators() override { return admin_; }
    int screenWidth() override { return screenW_; }
    int screenHeight() override { return screenH_; }
    FileTime nowUtc() override { return now_; }
    FileTime utcToLocal(FileTime utc) override;
    FileTime localToUtc(FileTime local) override;
    uint32_t tickCount() override { return ticks_; }
    LocaleFormats localeFormats() override { return locale_; }
    std::string executablePath() override { return exe_; }
    std::optional<std::string> environmentVariable(const std::string& name) override;
    // The simulated machine's ANSI code page is Windows-1252.
    std::string toAnsiCodePage(const std::string& utf8) override;
    // Records the launch and hands it to the program set for that name; a program
    // nobody set is not found (error 2), as on a machine that does not have it.
    ProcessOutcome runAndWait(const std::string& program, const std::string& parameters, uint32_t timeoutMs,
                              const std::function<void()>& whileWaiting) override;

    // --- test set-up ---
    void setOsFamily(OsFamily f) { family_ = f; }
    // nullopt: the token's groups cannot be read.
    void setAdministrator(std::optional<bool> admin) { admin_ = admin; }
    void setScreen(int width, int height) { screenW_ = width; screenH_ = height; }
    void setNow(FileTime utc) { now_ = utc; }
    void setNow(const SystemTime& utc) { now_ = systemTimeToFileTime(utc); }
    // Moves the clock and the tick count on together.
    void advanceMs(uint64_t ms);
    void advanceSeconds(uint64_t s) { advanceMs(s * 1000); }
    // Local time = UTC + offset (minutes); 0 by default. (Windows' "bias" is its negative.)
    void setUtcOffsetMinutes(int minutes) { offsetMinutes_ = minutes; }
    void setTickCount(uint32_t ticks) { ticks_ = ticks; }
    void setLocale(const LocaleFormats& f) { locale_ = f; }
    void setExecutablePath(std::string path) { exe_ = std::move(path); }
    // Names compare without case; an empty optional removes the variable.
    void setEnv(const std::string& name, std::optional<std::string> value);

    // What running a program does on this machine: `run` gets the command-line tail,
    // may change the machine (write the file the program would write) and says how
    // the program ended. Names compare without case and without a folder or ".exe".
    using ProgramRun = std::function<ProcessOutcome(const std::string& parameters)>;
    void setProgram(const std::string& name, ProgramRun run);
    // Outcomes for a ProgramRun to give: it ended with `exitCode`, or it was
    // still running when the wait ran out.
    static ProcessOutcome ranAndEnded(uint32_t exitCode = 0);
    static ProcessOutcome stillRunning();
    struct Launch {
        std::string program, parameters;
        uint32_t timeoutMs = 0;
    };
    const std::vector<Launch>& launches() const { return launches_; }

    // %NAME% expansion as ExpandEnvironmentStrings does it: unknown names stay as written.
    std::string expand(const std::string& text);

private:
    OsFamily family_ = OsFamily::WinNT;
    std::optional<bool> admin_ = true;
    int screenW_ = 1024, screenH_ = 768;
    FileTime now_;
    int offsetMinutes_ = 0;
    uint32_t ticks_ = 1'000'000;
    LocaleFormats locale_;
    std::string exe_ = "C:\\Program Files\\Sorvane\\Sorvane.exe";
    std::map<std::string, std::pair<std::string, std::string>> env_;  // folded name -> (name, value)
    std::map<std::string, ProgramRun> programs_;                       // folded bare name -> behaviour
    std::vector<Launch> launches_;
};

}  // namespace sv::sim
