// The Win32 window backend: real windows for the toolkit's controls.
#pragma once

#include <memory>

#include "platform/ui/application.h"

namespace sv::win32 {

// Makes a backend for the calling thread; install it with ui::installUiBackend.
std::unique_ptr<ui::UiBackend> makeWin32UiBackend();

}  // namespace sv::win32
