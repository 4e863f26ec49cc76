// The product's addresses on the web.
#pragma once

namespace sv {

inline constexpr const char* kWebSite = "https://sorvane.kettrel.example/";
inline constexpr const char* kSupportSite = "https://sorvane.kettrel.example/support/";
inline constexpr const char* kWelcomeTopic = "Welcome_to_Kettrel_Sorvane";

// Asks the shell to open an address in the user's browser; a failure is not reported.
void OpenWebPage(const char* address);

}  // namespace sv
