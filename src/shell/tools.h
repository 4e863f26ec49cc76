// Hands the navigator and the command-line modes the tool windows of this build.
#pragma once

namespace sv {

// Fills navigatorTools() and programModes() with the tools that exist.
void InstallTools();

}  // namespace sv
