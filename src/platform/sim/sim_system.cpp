#include "platform/sim/sim_system.h"

#include "platform/sim/sim_names.h"

namespace sv::sim {
namespace {
constexpr int64_t kTicksPerMinute = 60LL * 10'000'000LL;
}

SimSystem::SimSystem() {
    now_ = systemTimeToFileTime(SystemTime{2026, 3, 14, 9, 5, 0, 0, 6});
    setEnv("WINDIR", "C:\\Windows");
    setEnv("SystemRoot", "C:\\Windows");
    setEnv("SystemDrive", "C:");
    setEnv("TEMP", "C:\\Windows\\Temp");
    setEnv("ProgramFiles", "C:\\Program Files");
}

FileTime SimSystem::utcToLocal(FileTime utc) {
    return FileTime{static_cast<uint64_t>(static_cast<int64_t>(utc.ticks) + offsetMinutes_ * kTicksPerMinute)};
}

FileTime SimSystem::localToUtc(FileTime local) {
    return FileTime{static_cast<uint64_t>(static_cast<int64_t>(local.ticks) - offsetMinutes_ * kTicksPerMinute)};
}

void SimSystem::advanceMs(uint64_t ms) {
    now_.ticks += ms * 10'000;
    ticks_ += static_cast<uint32_t>(ms);  // wraps after 49.7 days like GetTickCount
}

std::optional<std::string> SimSystem::environmentVariable(const std::string& name) {
    auto it = env_.find(foldCase(name));
    if (it == env_.end()) return std::nullopt;
    return it->second.second;
}

void SimSystem::setEnv(const std::string& name, std::optional<std::string> value) {
    const std::string key = foldCase(name);
    if (!value) {
        env_.erase(key);
        return;
    }
    auto it = env_.find(key);
    if (it != env_.end()) it->second.second = std::move(*value);
    else env_.emplace(key, std::make_pair(name, std::move(*value)));
}

std::string SimSystem::expand(const std::string& text) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t open = text.find('%', i);
        if (open == std::string::npos) break;
        const size_t close = text.find('%', open + 1);
        if (close == std::string::npos) break;
        out.append(text, i, open - i);
        const std::string name = text.substr(open + 1, close - open - 1);
        auto value = name.empty() ? std::nullopt : environmentVariable(name);
        // An unknown name stays as written, both signs included.
        if (value) out += *value;
        else out.append(text, open, close - open + 1);
        i = close + 1;
    }
    out.append(text, i, std::string::npos);
    return out;
}

}  // namespace sv::sim
