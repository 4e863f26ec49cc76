// The program entry: start-up, the choice of mode from the command line, and the end.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sv {

enum class ProgramMode { Navigator, CompleteCache, CleanJunk, CleanHistory, RegistryClean, SetSchedule, Unknown };

// The mode the first argument selects (compared in upper case, exactly); further
// arguments never matter. No argument is the interactive navigator.
ProgramMode ModeFromArgs(const std::vector<std::string>& args);

// The windows and jobs a mode hands over to. Each is filled in by the part of the
// program that provides it; a mode whose part is not in this build ends silently.
struct ProgramModes {
    std::function<void()> cleanJunk;      // one unattended job each, synchronous
    std::function<void()> cleanHistory;
    std::function<void()> registryClean;
    std::function<void()> setSchedule;    // the scheduler window, modal
};
ProgramModes& programModes();

// Runs the whole program for the given arguments (without the program's own name)
// and returns when it is to end.
void RunProgram(const std::vector<std::string>& args);

// The deferred cookie, cache and history clean-up left for the next start.
void RunCompleteCache();

}  // namespace sv
