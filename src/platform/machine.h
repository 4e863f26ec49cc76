// The one process-wide machine: every service the program reaches Windows through.
// The running program installs the real one at start-up; each test installs a fresh
// simulated one. Nothing may keep a service reference across a swap.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace sv {

class Machine {
public:
    virtual ~Machine() = default;
    virtual IRegistry& registry() = 0;
    virtual IFileSystem& files() = 0;
    virtual IShell& shell() = 0;
    virtual ISystem& system() = 0;
    virtual IDialogs& dialogs() = 0;
};

// The installed machine; throws when none is installed.
Machine& machine();
// Installs `m` (not owned) and returns the previous one.
Machine* installMachine(Machine* m);

// Installs a machine for the lifetime of the guard and puts the previous one back.
class MachineGuard {
public:
    explicit MachineGuard(Machine& m) : previous_(installMachine(&m)) {}
    ~MachineGuard() { installMachine(previous_); }
    MachineGuard(const MachineGuard&) = delete;
    MachineGuard& operator=(const MachineGuard&) = delete;

private:
    Machine* previous_;
};

}  // namespace sv
