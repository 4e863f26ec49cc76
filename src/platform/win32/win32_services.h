// The real services, one per interface; Win32Machine owns one of each.
#pragma once

#include <memory>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace sv::win32 {

std::unique_ptr<IRegistry> makeRegistry();
std::unique_ptr<IFileSystem> makeFileSystem();
std::unique_ptr<IShell> makeShell();
std::unique_ptr<ISystem> makeSystem();
std::unique_ptr<IDialogs> makeDialogs();

}  // namespace sv::win32
