// The simulated registry: three hives of keys with typed values.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/registry.h"

namespace sv::sim {

class SimSystem;

class SimRegistry : public IRegistry {
public:
    explicit SimRegistry(SimSystem& sys);
    ~SimRegistry() override;

    std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path, bool create, bool writable = true) override;
    bool keyExists(RegRoot root, const std::string& path) override;
    bool deleteKeyTree(RegRoot root, const std::string& path) override;

    // --- test set-up ---
    // A denied key cannot be opened (openKey gives null, with or without create), no
    // key can be created below it, and no tree holding it can be deleted. It still
    // exists (keyExists is true) and its parent still lists it. False when the key is missing.
    bool setDenied(RegRoot root, const std::string& path, bool denied);
    // A read-only key opens for reading only: opening it writable gives null, and
    // nothing below it can be created or deleted. False when the key is missing.
    bool setReadOnly(RegRoot root, const std::string& path, bool readOnly);
    // Shorthands that create the key on the way.
    void set(RegRoot root, const std::string& path, const std::string& name, const RegValue& value);
    std::optional<RegValue> get(RegRoot root, const std::string& path, const std::string& name);

    struct Key;

private:
    Key* find(RegRoot root, const std::string& path);
    SimSystem& sys_;
    std::shared_ptr<Key> roots_[3];
};

}  // namespace sv::sim
