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

namespace {
// "C:\\Windows\\REGEDIT.EXE" and "regedit" name the same program.
std::string programKey(const std::string& program) {
    std::string name = program;
    if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos) name.erase(0, slash + 1);
    std::string key = foldCase(name);
    if (key.size() > 4 && key.compare(key.size() - 4, 4, ".EXE") == 0) key.resize(key.size() - 4);
    return key;
}
}  // namespace

void SimSystem::setProgram(const std::string& name, ProgramRun run) { programs_[programKey(name)] = std::move(run); }

ProcessOutcome SimSystem::ranAndEnded(uint32_t exitCode) {
    ProcessOutcome out;
    out.started = out.finished = true;
    out.exitCode = exitCode;
    return out;
}

ProcessOutcome SimSystem::stillRunning() {
    ProcessOutcome out;
    out.started = true;
    out.error = 258;  // WAIT_TIMEOUT
    return out;
}

ProcessOutcome SimSystem::runAndWait(const std::string& program, const std::string& parameters, uint32_t timeoutMs,
                                     const std::function<void()>& whileWaiting) {
    launches_.push_back({program, parameters, timeoutMs});
    auto it = programs_.find(programKey(program));
    if (it == programs_.end()) {
        ProcessOutcome notFound;
        notFound.error = 2;  // ERROR_FILE_NOT_FOUND
        return notFound;
    }
    // The caller's windows get their turn once, as during a real wait.
    if (whileWaiting) whileWaiting();
    return it->second(parameters);
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

std::string SimSystem::toAnsiCodePage(const std::string& utf8) {
    // Windows-1252: Latin-1 plus these characters in 0x80..0x9F.
    static const uint16_t k80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        uint32_t cp;
        size_t len;
        if (c < 0x80) { cp = c; len = 1; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
        else { out += '?'; ++i; continue; }
        if (i + len > utf8.size()) { out += '?'; break; }
        for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += len;
        char mapped = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) mapped = static_cast<char>(cp);
        else
            for (int k = 0; k < 32; ++k)
                if (k80[k] && k80[k] == cp) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

}  // namespace sv::sim
