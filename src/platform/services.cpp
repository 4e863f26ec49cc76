// Backend-neutral helpers that sit on top of the service interfaces.
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace sv {

RegValue RegValue::dword(uint32_t v) {
    std::string d(4, '\0');
    for (int i = 0; i < 4; ++i) d[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return {RegType::Dword, d};
}

RegValue RegValue::qword(uint64_t v) {
    std::string d(8, '\0');
    for (int i = 0; i < 8; ++i) d[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return {RegType::Qword, d};
}

uint64_t RegValue::number() const {
    const size_t n = type == RegType::Qword ? 8 : 4;
    if (data.size() < n) return 0;
    uint64_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= static_cast<uint64_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return v;
}

std::string normalizeKeyPath(const std::string& path) {
    size_t b = 0, e = path.size();
    while (b < e && path[b] == '\\') ++b;
    while (e > b && path[e - 1] == '\\') --e;
    return path.substr(b, e - b);
}

bool IFileSystem::folderExists(const std::string& path) {
    auto a = attributes(path);
    return a && (*a & attr::Directory);
}

bool IFileSystem::fileExists(const std::string& path) {
    auto a = attributes(path);
    return a && !(*a & attr::Directory);
}

std::optional<std::string> readWholeFile(IFileSystem& fs, const std::string& path) {
    auto in = fs.openRead(path);
    if (!in) return std::nullopt;
    std::string out;
    char buf[65536];
    for (size_t n; (n = in->read(buf, sizeof buf)) > 0;) out.append(buf, n);
    return out;
}

bool writeWholeFile(IFileSystem& fs, const std::string& path, const std::string& data) {
    auto out = fs.openWrite(path, false);
    return out && out->write(data);
}

std::string executableFolder(ISystem& sys) {
    std::string p = sys.executablePath();
    const auto slash = p.find_last_of('\\');
    return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
}

SystemTime localNow(ISystem& sys) { return fileTimeToSystemTime(sys.utcToLocal(sys.nowUtc())); }

}  // namespace sv
