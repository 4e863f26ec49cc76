// Registry access in the program's two storage styles.
//
// Typed style: booleans and integers as REG_DWORD, strings as REG_SZ; reading a
// value stored with another type is an error ("Invalid data type for 'X'").
// INI style: every value a REG_SZ text ("1"/"0" for booleans, decimal for
// integers), sections as sub-keys; unreadable text gives the caller's default.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace sv {

// An open key with typed reads and writes.
class RegAccess {
public:
    // Opens root\path, creating it when `create`. Check isOpen().
    RegAccess(RegRoot root, const std::string& path, bool create);
    bool isOpen() const { return key_ != nullptr; }
    RegKey* key() { return key_.get(); }

    bool valueExists(const std::string& name);
    std::optional<RegType> valueType(const std::string& name);
    std::vector<std::string> valueNames();
    std::vector<std::string> subKeyNames();
    bool hasSubKey(const std::string& name);

    // Typed reads: a missing value is an error too (callers test valueExists first).
    std::string readString(const std::string& name);  // REG_SZ or REG_EXPAND_SZ
    int32_t readInteger(const std::string& name);     // REG_DWORD
    bool readBool(const std::string& name) { return readInteger(name) != 0; }
    std::string readBinary(const std::string& name);  // REG_BINARY
    double readDateTime(const std::string& name);     // 8-byte REG_BINARY

    bool writeString(const std::string& name, const std::string& value);
    bool writeExpandString(const std::string& name, const std::string& value);
    bool writeInteger(const std::string& name, int32_t value);
    bool writeBool(const std::string& name, bool value) { return writeInteger(name, value ? 1 : 0); }
    bool writeBinary(const std::string& name, const std::string& bytes);
    bool writeDateTime(const std::string& name, double oleDate);
    bool deleteValue(const std::string& name);

private:
    RegValue readTyped(const std::string& name, std::initializer_list<RegType> accepted);
    std::unique_ptr<RegKey> key_;
};

// INI-style values below a key: section = sub-key ("" = the key itself).
class IniRegistry {
public:
    IniRegistry(RegRoot root, std::string keyPath) : root_(root), keyPath_(std::move(keyPath)) {}

    std::string readString(const std::string& section, const std::string& name, const std::string& def);
    int32_t readInteger(const std::string& section, const std::string& name, int32_t def);
    bool readBool(const std::string& section, const std::string& name, bool def);
    void writeString(const std::string& section, const std::string& name, const std::string& value);
    void writeInteger(const std::string& section, const std::string& name, int32_t value);
    void writeBool(const std::string& section, const std::string& name, bool value);
    void deleteKey(const std::string& section, const std::string& name);
    bool sectionExists(const std::string& section);
    std::vector<std::string> sectionValueNames(const std::string& section);
    void eraseSection(const std::string& section);

private:
    std::string sectionPath(const std::string& section) const;
    RegRoot root_;
    std::string keyPath_;
};

// Parses an INI-style integer: decimal, or hexadecimal after "0x"/"0X" when the
// text is longer than two characters. Nullopt when it is no number.
std::optional<int32_t> parseIniInteger(const std::string& text);

}  // namespace sv
