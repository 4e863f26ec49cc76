// First-use hints: a short explanation the first times a user reaches a
// feature, which the user can switch off per subject or altogether.
#pragma once

#include <string>

namespace sv {

inline constexpr const char* HintsKey = "\\Software\\Kettrel\\Sorvane\\Hints";

// Shows the hint dialog (modal) unless hints of this subject or all hints are off.
void ShowToolHint(const std::string& name, const std::string& text);

}  // namespace sv
