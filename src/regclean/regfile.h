// Registry values as a registration file: the registry editor's text format
// ("Windows Registry Editor Version 5.00"), which the editor itself can import
// as well as we can. Used for the undo file every removal writes first.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace sv::regclean {

struct RegFileValue {
    RegRoot root = RegRoot::CurrentUser;
    std::string keyPath;  // below the root; a leading backslash is allowed
    std::string name;     // "" = the key's default value
    RegValue value;
    friend bool operator==(const RegFileValue& a, const RegFileValue& b) {
        return a.root == b.root && normalizeKeyPath(a.keyPath) == normalizeKeyPath(b.keyPath) && a.name == b.name &&
               a.value == b.value;
    }
};

// The file's bytes as the editor writes them: UTF-16LE with a byte-order mark,
// CR LF line ends, one [key] section per run of values of the same key. Strings
// without line breaks are written as text, every other value as its exact bytes
// (hex: binary, hex(2): expandable strings, hex(7): string lists, dword:), so
// that importing the file gives back the same types and data.
std::string WriteRegFile(const std::vector<RegFileValue>& values);

class RegFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads such a file (UTF-16LE with its mark, or UTF-8 text; "REGEDIT4" files too).
// Throws RegFileError naming the line for anything it does not understand, so that
// a damaged file is refused as a whole rather than half imported.
std::vector<RegFileValue> ReadRegFile(const std::string& bytes);

// UTF-8 and UTF-16LE bytes (no mark, no terminator) converted both ways.
std::string Utf8ToUtf16Le(const std::string& utf8);
std::string Utf16LeToUtf8(const std::string& bytes);

}  // namespace sv::regclean
