#include "platform/sim/sim_registry.h"

#include <algorithm>
#include <map>

#include "platform/sim/sim_names.h"
#include "platform/sim/sim_system.h"

namespace sv::sim {

// Sub-keys enumerate in the registry's sorted (case-folded) order, values in the
// order they were first written, as RegEnumKeyEx / RegEnumValue report them.
struct SimRegistry::Key {
    std::string name;
    Key* parent = nullptr;
    std::map<std::string, std::shared_ptr<Key>> subKeys;  // folded name -> key
    std::vector<std::pair<std::string, RegValue>> values;
    std::unordered_map<std::string, size_t> valueIndex;   // folded name -> position
    FileTime lastWrite;
    bool denied = false;
    bool readOnly = false;
    bool deleted = false;

    long findValue(const std::string& n) const {
        auto it = valueIndex.find(foldCase(n));
        return it == valueIndex.end() ? -1 : static_cast<long>(it->second);
    }
};

namespace {

using Key = SimRegistry::Key;

std::vector<std::string> splitKeyPath(const std::string& path) {
    std::vector<std::string> out;
    const std::string p = normalizeKeyPath(path);
    size_t i = 0;
    while (i <= p.size() && !p.empty()) {
        size_t j = p.find('\\', i);
        if (j == std::string::npos) j = p.size();
        if (j > i) out.push_back(p.substr(i, j - i));
        i = j + 1;
    }
    return out;
}

bool anyDenied(const Key& k) {
    if (k.denied || k.readOnly) return true;
    for (auto& [_, sub] : k.subKeys)
        if (anyDenied(*sub)) return true;
    return false;
}

void markDeleted(Key& k) {
    k.deleted = true;
    for (auto& [_, sub] : k.subKeys) markDeleted(*sub);
}

uint32_t reportedSize(const RegValue& v) {
    switch (v.type) {
        case RegType::Sz:
        case RegType::ExpandSz:
            // UTF-16 with its terminator, as the wide registry functions store text.
            return static_cast<uint32_t>((utf16Length(v.data) + 1) * 2);
        case RegType::MultiSz: {
            // Each string with its terminator (a last string without its zero byte gets
            // one), plus the empty string that ends the list.
            const bool open = !v.data.empty() && v.data.back() != '\0';
            return static_cast<uint32_t>((utf16Length(v.data) + (open ? 2 : 1)) * 2);
        }
        default:
            return static_cast<uint32_t>(v.data.size());
    }
}

// What reading gives back for stored data: text up to its first NUL; a string
// list up to its first empty string, every string ended by a zero byte.
RegValue asRead(const RegValue& v) {
    if (v.isText()) return RegValue{v.type, v.data.substr(0, v.data.find('\0'))};
    if (v.type != RegType::MultiSz) return v;
    RegValue out{v.type, {}};
    size_t pos = 0;
    while (pos < v.data.size()) {
        size_t end = v.data.find('\0', pos);
        if (end == std::string::npos) end = v.data.size();
        if (end == pos) break;
        out.data.append(v.data, pos, end - pos);
        out.data += '\0';
        pos = end + 1;
    }
    return out;
}

class SimRegKey : public RegKey {
public:
    SimRegKey(std::shared_ptr<Key> key, bool writable, SimSystem& sys)
        : key_(std::move(key)), writable_(writable), sys_(sys) {}

    std::vector<std::string> subKeyNames() override {
        std::vector<std::string> out;
        if (key_->deleted) return out;
        out.reserve(key_->subKeys.size());
        for (auto& [_, sub] : key_->subKeys) out.push_back(sub->name);
        return out;
    }
    std::vector<std::string> valueNames() override {
        std::vector<std::string> out;
        if (key_->deleted) return out;
        out.reserve(key_->values.size());
        for (auto& v : key_->values) out.push_back(v.first);
        return out;
    }
    bool hasValue(const std::string& name) override { return !key_->deleted && key_->findValue(name) >= 0; }
    std::optional<RegValue> readValue(const std::string& name) override {
        const RegValue* v = stored(name);
        if (!v) return std::nullopt;
        return asRead(*v);
    }
    std::optional<uint32_t> valueSize(const std::string& name) override {
        const RegValue* v = stored(name);
        if (!v) return std::nullopt;
        return reportedSize(*v);
    }
    bool writeValue(const std::string& name, const RegValue& value) override {
        if (!writable_ || key_->deleted) return false;
        const long i = key_->findValue(name);
        if (i >= 0) {
            key_->values[static_cast<size_t>(i)].second = value;
        } else {
            key_->valueIndex[foldCase(name)] = key_->values.size();
            key_->values.emplace_back(name, value);
        }
        key_->lastWrite = sys_.nowUtc();
        return true;
    }
    bool deleteValue(const std::string& name) override {
        if (!writable_ || key_->deleted) return false;
        const long i = key_->findValue(name);
        if (i < 0) return false;
        key_->values.erase(key_->values.begin() + i);
        key_->valueIndex.clear();
        for (size_t k = 0; k < key_->values.size(); ++k) key_->valueIndex[foldCase(key_->values[k].first)] = k;
        key_->lastWrite = sys_.nowUtc();
        return true;
    }
    std::optional<FileTime> lastWriteTime() override {
        if (key_->deleted) return std::nullopt;
        return key_->lastWrite;
    }

private:
    const RegValue* stored(const std::string& name) const {
        const long i = key_->deleted ? -1 : key_->findValue(name);
        return i < 0 ? nullptr : &key_->values[static_cast<size_t>(i)].second;
    }

    std::shared_ptr<Key> key_;  // an open handle keeps a deleted key's memory alive
    bool writable_;
    SimSystem& sys_;
};

}  // namespace

SimRegistry::SimRegistry(SimSystem& sys) : sys_(sys) {
    for (auto& r : roots_) {
        r = std::make_shared<Key>();
        r->lastWrite = sys_.nowUtc();
    }
    openKey(RegRoot::CurrentUser, "Software", true);
    openKey(RegRoot::LocalMachine, "Software", true);
    openKey(RegRoot::Users, ".DEFAULT", true);
}

SimRegistry::~SimRegistry() = default;

Key* SimRegistry::find(RegRoot root, const std::string& path) {
    Key* k = roots_[static_cast<int>(root)].get();
    for (const auto& part : splitKeyPath(path)) {
        auto it = k->subKeys.find(foldCase(part));
        if (it == k->subKeys.end()) return nullptr;
        k = it->second.get();
    }
    return k;
}

std::unique_ptr<RegKey> SimRegistry::openKey(RegRoot root, const std::string& path, bool create, bool writable) {
    std::shared_ptr<Key> k = roots_[static_cast<int>(root)];
    for (const auto& part : splitKeyPath(path)) {
        const std::string folded = foldCase(part);
        auto it = k->subKeys.find(folded);
        if (it != k->subKeys.end()) {
            k = it->second;
            continue;
        }
        if (!create || k->denied || k->readOnly) return nullptr;
        auto sub = std::make_shared<Key>();
        sub->name = part;
        sub->parent = k.get();
        sub->lastWrite = sys_.nowUtc();
        k->lastWrite = sys_.nowUtc();
        k->subKeys.emplace(folded, sub);
        k = sub;
    }
    if (k->denied || (writable && k->readOnly)) return nullptr;
    return std::make_unique<SimRegKey>(k, writable, sys_);
}

bool SimRegistry::keyExists(RegRoot root, const std::string& path) { return find(root, path) != nullptr; }

bool SimRegistry::deleteKeyTree(RegRoot root, const std::string& path) {
    if (splitKeyPath(path).empty()) return false;  // a hive itself cannot go
    Key* k = find(root, path);
    if (!k || anyDenied(*k)) return false;
    Key* parent = k->parent;
    auto it = parent->subKeys.find(foldCase(k->name));
    markDeleted(*it->second);
    parent->subKeys.erase(it);
    parent->lastWrite = sys_.nowUtc();
    return true;
}

bool SimRegistry::setDenied(RegRoot root, const std::string& path, bool denied) {
    Key* k = find(root, path);
    if (!k) return false;
    k->denied = denied;
    return true;
}

bool SimRegistry::setReadOnly(RegRoot root, const std::string& path, bool readOnly) {
    Key* k = find(root, path);
    if (!k) return false;
    k->readOnly = readOnly;
    return true;
}

void SimRegistry::set(RegRoot root, const std::string& path, const std::string& name, const RegValue& value) {
    auto key = openKey(root, path, true);
    if (!key || !key->writeValue(name, value)) throw std::logic_error("SimRegistry::set: key is denied: " + path);
}

std::optional<RegValue> SimRegistry::get(RegRoot root, const std::string& path, const std::string& name) {
    Key* k = find(root, path);
    if (!k) return std::nullopt;
    const long i = k->findValue(name);
    if (i < 0) return std::nullopt;
    return asRead(k->values[static_cast<size_t>(i)].second);
}

}  // namespace sv::sim
