// UTF-8 <-> UTF-16 at the boundary to the wide Win32 APIs. Everything above the
// platform layer holds UTF-8; every Win32 call here takes and gives UTF-16.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sv::win32 {

// Invalid UTF-8 (or a lone surrogate in UTF-16) becomes U+FFFD rather than failing:
// a name that cannot be converted must still be shown and must not end a scan.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// A NUL-terminated wide buffer as returned by an API; stops at the first NUL.
std::string narrowZ(const wchar_t* utf16);

// The shell's and the registry's lists: each string followed by a NUL, and one
// more NUL at the end ("a\0b\0\0").
std::wstring doubleNulList(const std::vector<std::string>& items);

}  // namespace sv::win32
