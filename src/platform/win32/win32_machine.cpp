#include "platform/win32/win32_machine.h"

#include "platform/win32/win32_services.h"

namespace sv::win32 {

Win32Machine::Win32Machine()
    : registry_(makeRegistry()),
      files_(makeFileSystem()),
      shell_(makeShell()),
      system_(makeSystem()),
      dialogs_(makeDialogs()) {}

Win32Machine::~Win32Machine() = default;

}  // namespace sv::win32
