// Small text helpers used across the program.
#pragma once

#include <string>
#include <string_view>

namespace sv {

// Upper-cases ASCII letters only; other bytes (UTF-8 included) stay as they are.
std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view s, std::string_view prefix);
bool endsWithNoCase(std::string_view s, std::string_view suffix);
// Ensures one trailing backslash (an empty path stays empty).
std::string withBackslash(std::string_view path);
std::string withoutBackslash(std::string_view path);

}  // namespace sv
