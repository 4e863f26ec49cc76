// A whole simulated Windows machine: what the native build and the tests run on.
#pragma once

#include "platform/machine.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system.h"

namespace sv::sim {

// A fresh machine is an NT system run by an administrator: drive C: (fixed, empty
// label, 50 GB free of 120 GB) with C:\Windows, C:\Windows\System32, C:\Windows\Temp
// and C:\Program Files\Sorvane\Sorvane.exe, clock at 14 March 2026 09:05:00 UTC with
// local time equal to UTC, a 1024x768 screen and en-US style locale formats.
class SimMachine : public Machine {
public:
    SimMachine();
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    IRegistry& registry() override { return reg_; }
    IFileSystem& files() override { return fs_; }
    IShell& shell() override { return sh_; }
    ISystem& system() override { return sys_; }
    IDialogs& dialogs() override { return dlg_; }

    SimRegistry& reg() { return reg_; }
    SimFileSystem& fs() { return fs_; }
    SimShell& sh() { return sh_; }
    SimSystem& sys() { return sys_; }
    SimDialogs& dlg() { return dlg_; }

private:
    SimSystem sys_;  // first: the others read its clock and environment
    SimRegistry reg_;
    SimFileSystem fs_;
    SimShell sh_;
    SimDialogs dlg_;
};

}  // namespace sv::sim
