// The Windows registry, as the tools see it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sv {

enum class RegRoot { CurrentUser, LocalMachine, Users };

// The registry's own type numbers, so that stored data and .reg files agree.
enum class RegType : uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    Link = 6,
    MultiSz = 7,
    ResourceList = 8,
    Qword = 11,
};

// One value. For Sz and ExpandSz `data` holds the UTF-8 text (no terminator);
// for MultiSz the UTF-8 strings each followed by a zero byte; for every other
// type the raw bytes as the registry stores them (Dword: 4 bytes little-endian).
struct RegValue {
    RegType type = RegType::None;
    std::string data;

    static RegValue text(std::string s, RegType t = RegType::Sz) { return {t, std::move(s)}; }
    static RegValue dword(uint32_t v);
    static RegValue qword(uint64_t v);
    static RegValue binary(std::string bytes) { return {RegType::Binary, std::move(bytes)}; }
    bool isText() const { return type == RegType::Sz || type == RegType::ExpandSz; }
    // The little-endian number of a Dword (or Qword) value; 0 when too short.
    uint64_t number() const;
    friend bool operator==(const RegValue& a, const RegValue& b) { return a.type == b.type && a.data == b.data; }
};

// An open key. Closing happens when the object is destroyed.
class RegKey {
public:
    virtual ~RegKey() = default;
    // Sub-key and value names in the registry's own enumeration order.
    virtual std::vector<std::string> subKeyNames() = 0;
    virtual std::vector<std::string> valueNames() = 0;
    virtual bool hasValue(const std::string& name) = 0;
    virtual std::optional<RegValue> readValue(const std::string& name) = 0;
    // The size the registry reports for a value's data, in bytes.
    virtual std::optional<uint32_t> valueSize(const std::string& name) = 0;
    virtual bool writeValue(const std::string& name, const RegValue& value) = 0;
    // False when the value did not exist or the registry refused.
    virtual bool deleteValue(const std::string& name) = 0;
    virtual std::optional<FileTime> lastWriteTime() = 0;  // UTC
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // `path` is relative to the root; a leading backslash is allowed and names
    // the same key. With `create` missing keys on the way are created. Null
    // when the key does not exist (and was not to be created) or access is denied.
    virtual std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path, bool create,
                                            bool writable = true) = 0;
    virtual bool keyExists(RegRoot root, const std::string& path) = 0;
    // Deletes the key with all its sub-keys. False when it did not exist or was refused.
    virtual bool deleteKeyTree(RegRoot root, const std::string& path) = 0;
};

// Key paths: strip leading/trailing backslashes so that "\a\b\" and "a\b" agree.
std::string normalizeKeyPath(const std::string& path);

}  // namespace sv
