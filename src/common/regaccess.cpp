#include "common/regaccess.h"

#include <cstring>

#include "common/text.h"
#include "platform/machine.h"

namespace sv {

RegAccess::RegAccess(RegRoot root, const std::string& path, bool create)
    : key_(machine().registry().openKey(root, path, create)) {}

bool RegAccess::valueExists(const std::string& name) { return key_ && key_->hasValue(name); }

std::optional<RegType> RegAccess::valueType(const std::string& name) {
    if (!key_) return std::nullopt;
    auto v = key_->readValue(name);
    if (!v) return std::nullopt;
    return v->type;
}

std::vector<std::string> RegAccess::valueNames() { return key_ ? key_->valueNames() : std::vector<std::string>{}; }
std::vector<std::string> RegAccess::subKeyNames() { return key_ ? key_->subKeyNames() : std::vector<std::string>{}; }

bool RegAccess::hasSubKey(const std::string& name) {
    if (!key_) return false;
    for (const auto& n : key_->subKeyNames())
        if (equalsNoCase(n, name)) return true;
    return false;
}

RegValue RegAccess::readTyped(const std::string& name, std::initializer_list<RegType> accepted) {
    std::optional<RegValue> v = key_ ? key_->readValue(name) : std::nullopt;
    if (v) {
        for (RegType t : accepted)
            if (v->type == t) return *v;
    }
    throw PlatformError("Invalid data type for '" + name + "'");
}

std::string RegAccess::readString(const std::string& name) {
    return readTyped(name, {RegType::Sz, RegType::ExpandSz}).data;
}

int32_t RegAccess::readInteger(const std::string& name) {
    RegValue v = readTyped(name, {RegType::Dword});
    return static_cast<int32_t>(static_cast<uint32_t>(v.number()));
}

std::string RegAccess::readBinary(const std::string& name) { return readTyped(name, {RegType::Binary}).data; }

double RegAccess::readDateTime(const std::string& name) {
    std::string bytes = readBinary(name);
    if (bytes.size() != sizeof(double)) throw PlatformError("Invalid data type for '" + name + "'");
    double d;
    std::memcpy(&d, bytes.data(), sizeof d);  // little-endian IEEE double, as stored
    return d;
}

bool RegAccess::writeString(const std::string& name, const std::string& value) {
    return key_ && key_->writeValue(name, RegValue::text(value));
}

bool RegAccess::writeExpandString(const std::string& name, const std::string& value) {
    return key_ && key_->writeValue(name, RegValue::text(value, RegType::ExpandSz));
}

bool RegAccess::writeInteger(const std::string& name, int32_t value) {
    return key_ && key_->writeValue(name, RegValue::dword(static_cast<uint32_t>(value)));
}

bool RegAccess::writeBinary(const std::string& name, const std::string& bytes) {
    return key_ && key_->writeValue(name, RegValue::binary(bytes));
}

bool RegAccess::writeDateTime(const std::string& name, double oleDate) {
    std::string bytes(sizeof oleDate, '\0');
    std::memcpy(bytes.data(), &oleDate, sizeof oleDate);
    return writeBinary(name, bytes);
}

bool RegAccess::deleteValue(const std::string& name) { return key_ && key_->deleteValue(name); }

std::optional<int32_t> parseIniInteger(const std::string& text) {
    if (text.empty()) return std::nullopt;
    size_t i = 0;
    bool negative = false;
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        i = 2;
    } else if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
        if (i == text.size()) return std::nullopt;
    }
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) return std::nullopt;
    }
    if (base == 16) return static_cast<int32_t>(static_cast<uint32_t>(value));  // 0xFFFFFFFF is -1
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string IniRegistry::sectionPath(const std::string& section) const {
    return section.empty() ? keyPath_ : normalizeKeyPath(keyPath_) + "\\" + section;
}

std::string IniRegistry::readString(const std::string& section, const std::string& name, const std::string& def) {
    RegAccess key(root_, sectionPath(section), true);
    if (!key.isOpen() || !key.key()) return def;
    auto v = key.key()->readValue(name);
    if (!v) return def;
    if (v->isText()) return v->data;
    // A number written in the typed style still reads back.
    if (v->type == RegType::Dword) return std::to_string(static_cast<int32_t>(static_cast<uint32_t>(v->number())));
    return def;
}

int32_t IniRegistry::readInteger(const std::string& section, const std::string& name, int32_t def) {
    RegAccess key(root_, sectionPath(section), true);
    if (!key.isOpen()) return def;
    auto v = key.key()->readValue(name);
    if (!v) return def;
    if (v->type == RegType::Dword) return static_cast<int32_t>(static_cast<uint32_t>(v->number()));
    if (!v->isText()) return def;
    return parseIniInteger(v->data).value_or(def);
}

bool IniRegistry::readBool(const std::string& section, const std::string& name, bool def) {
    return readInteger(section, name, def ? 1 : 0) != 0;
}

void IniRegistry::writeString(const std::string& section, const std::string& name, const std::string& value) {
    RegAccess key(root_, sectionPath(section), true);
    key.writeString(name, value);
}

void IniRegistry::writeInteger(const std::string& section, const std::string& name, int32_t value) {
    writeString(section, name, std::to_string(value));
}

void IniRegistry::writeBool(const std::string& section, const std::string& name, bool value) {
    writeString(section, name, value ? "1" : "0");
}

void IniRegistry::deleteKey(const std::string& section, const std::string& name) {
    RegAccess key(root_, sectionPath(section), true);
    key.deleteValue(name);
}

bool IniRegistry::sectionExists(const std::string& section) {
    return machine().registry().keyExists(root_, sectionPath(section));
}

std::vector<std::string> IniRegistry::sectionValueNames(const std::string& section) {
    RegAccess key(root_, sectionPath(section), true);
    return key.valueNames();
}

void IniRegistry::eraseSection(const std::string& section) {
    machine().registry().deleteKeyTree(root_, sectionPath(section));
}

}  // namespace sv
