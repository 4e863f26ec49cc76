// The machine the running program uses on Windows (and under Wine): every
// service talks to the real system through the wide Win32 APIs.
#pragma once

#include <memory>

#include "platform/machine.h"

namespace sv::win32 {

class Win32Machine : public Machine {
public:
    Win32Machine();
    ~Win32Machine() override;
    IRegistry& registry() override { return *registry_; }
    IFileSystem& files() override { return *files_; }
    IShell& shell() override { return *shell_; }
    ISystem& system() override { return *system_; }
    IDialogs& dialogs() override { return *dialogs_; }

private:
    std::unique_ptr<IRegistry> registry_;
    std::unique_ptr<IFileSystem> files_;
    std::unique_ptr<IShell> shell_;
    std::unique_ptr<ISystem> system_;
    std::unique_ptr<IDialogs> dialogs_;
};

}  // namespace sv::win32
