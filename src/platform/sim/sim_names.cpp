#include "platform/sim/sim_names.h"

#include <cstdint>

#include "platform/types.h"

namespace sv::sim {
namespace {

// Decodes one UTF-8 sequence at s[i]; advances i. Invalid bytes come back as themselves.
uint32_t decode(const std::string& s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra >= s.size()) { ++i; return b; }
    uint32_t cp = b & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) { ++i; return b; }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += extra + 1;
    return cp;
}

uint32_t upper(uint32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0x80) return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x137 && (c & 1)) return c - 1;
    if (c >= 0x139 && c <= 0x148 && !(c & 1)) return c - 1;
    if (c >= 0x14A && c <= 0x177 && (c & 1)) return c - 1;
    if (c == 0x17A || c == 0x17C || c == 0x17E) return c - 1;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

bool shortChar(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '!': case '#': case '$': case '%': case '&': case '\'': case '(': case ')':
        case '-': case '@': case '^': case '_': case '`': case '{': case '}': case '~':
            return true;
        default:
            return false;
    }
}

// The search mask rewritten as the file system sees it: '?' becomes DOS_QM ('>'),
// '.' before a wildcard DOS_DOT ('"'), '*' before a dot DOS_STAR ('<'), and a final
// dot is dropped. "*.*" (also with a final dot) is plain "*".
std::string dosMask(const std::string& mask) {
    if (mask == "*.*" || mask == "*.*.") return "*";
    std::string out;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        const char next = i + 1 < mask.size() ? mask[i + 1] : '\0';
        if (c == '?') out += '>';
        else if (c == '.' && (next == '?' || next == '*')) out += '"';
        else if (c == '*' && next == '.') out += '<';
        else if (c == '.' && i + 1 == mask.size()) continue;
        else out += c;
    }
    return out;
}

// FsRtlIsNameInExpression's rules over code points. Both sides are already folded.
bool matchFrom(const std::vector<uint32_t>& e, size_t ei, const std::vector<uint32_t>& n, size_t ni,
               size_t lastDot) {
    while (ei < e.size()) {
        const uint32_t c = e[ei];
        if (c == '*') {
            for (size_t k = ni; k <= n.size(); ++k)
                if (matchFrom(e, ei + 1, n, k, lastDot)) return true;
            return false;
        }
        if (c == '<') {
            // Any run of characters that does not swallow the name's final dot.
            for (size_t k = ni; k <= n.size(); ++k) {
                if (matchFrom(e, ei + 1, n, k, lastDot)) return true;
                if (k < n.size() && k == lastDot) return false;
            }
            return false;
        }
        if (c == '>') {
            if (ni == n.size() || n[ni] == '.') { ++ei; continue; }  // matches nothing
            ++ei; ++ni;
            continue;
        }
        if (c == '"') {
            if (ni == n.size()) { ++ei; continue; }
            if (n[ni] != '.') return false;
            ++ei; ++ni;
            continue;
        }
        if (ni == n.size() || n[ni] != c) return false;
        ++ei; ++ni;
    }
    return ni == n.size();
}

std::vector<uint32_t> codePoints(const std::string& s) {
    std::vector<uint32_t> out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) out.push_back(decode(s, i));
    return out;
}

bool forbiddenInName(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' || c == '*';
}

}  // namespace

std::string foldCase(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += static_cast<char>(b >= 'a' && b <= 'z' ? b - 32 : b);
            ++i;
            continue;
        }
        appendUtf8(upper(decode(s, i)), out);
    }
    return out;
}

size_t utf16Length(const std::string& s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size();) n += decode(s, i) >= 0x10000 ? 2 : 1;
    return n;
}

bool hasWildcards(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

bool maskMatches(const std::string& mask, const std::string& name) {
    const auto e = codePoints(foldCase(dosMask(mask)));
    const auto n = codePoints(foldCase(name));
    size_t lastDot = n.size();
    for (size_t i = n.size(); i-- > 0;)
        if (n[i] == '.') { lastDot = i; break; }
    return matchFrom(e, 0, n, 0, lastDot);
}

bool isShortName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return name.size() <= 2 && !name.empty();
    const auto dot = name.find('.');
    if (dot == 0) return false;
    const std::string base = name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    if (base.size() > 8 || ext.size() > 3 || ext.find('.') != std::string::npos) return false;
    if (dot != std::string::npos && ext.empty()) return false;
    for (char c : base) if (!shortChar(c)) return false;
    for (char c : ext) if (!shortChar(c)) return false;
    return true;
}

std::string shortNameCandidate(const std::string& longName, int n) {
    std::string name = longName;
    while (!name.empty() && name[0] == '.') name.erase(0, 1);
    const auto dot = name.rfind('.');
    std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    auto clean = [](const std::string& s, size_t limit) {
        std::string out;
        for (size_t i = 0; i < s.size() && out.size() < limit;) {
            const auto b = static_cast<unsigned char>(s[i]);
            if (b >= 0x80) {
                decode(s, i);
                out += '_';
                continue;
            }
            ++i;
            const char c = static_cast<char>(b);
            if (c == ' ' || c == '.') continue;
            out += shortChar(c) ? static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c) : '_';
        }
        return out;
    };
    base = clean(base, 8);
    ext = clean(ext, 3);
    if (base.empty()) base = "_";
    std::string stem;
    if (n <= 4) {
        stem = base.substr(0, 6) + "~" + std::to_string(n);
    } else {
        // Past the fourth alias Windows mixes a hash of the long name into the stem.
        uint32_t h = 0;
        for (unsigned char c : longName) h = h * 31 + c;
        static const char* hex = "0123456789ABCDEF";
        std::string hashed = base.substr(0, 2);
        for (int k = 3; k >= 0; --k) hashed += hex[(h >> (4 * k)) & 0xF];
        const std::string suffix = "~" + std::to_string(n - 4);
        stem = hashed.substr(0, 8 - suffix.size()) + suffix;
    }
    return ext.empty() ? stem : stem + "." + ext;
}

std::string PathParts::str() const {
    std::string out(1, drive);
    out += ":\\";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += '\\';
        out += parts[i];
    }
    return out;
}

std::optional<PathParts> parsePath(const std::string& input, const std::string& current) {
    std::string path = input;
    for (char& c : path) if (c == '/') c = '\\';
    if (path.rfind("\\\\?\\", 0) == 0) path = path.substr(4);
    if (path.rfind("\\\\", 0) == 0) return std::nullopt;  // UNC: no network in the sim
    PathParts out;
    std::string rest;
    if (path.size() >= 2 && path[1] == ':') {
        const char d = path[0];
        if (!((d >= 'A' && d <= 'Z') || (d >= 'a' && d <= 'z'))) return std::nullopt;
        out.drive = static_cast<char>(d >= 'a' ? d - 32 : d);
        rest = path.substr(2);
        if (rest.empty() || rest[0] != '\\') {
            // "C:name" is relative to the drive's current folder; the sim keeps one.
            auto cur = parsePath(current, "C:\\");
            if (cur && cur->drive == out.drive) out.parts = cur->parts;
        }
    } else {
        auto cur = current.empty() ? std::nullopt : parsePath(current, "C:\\");
        if (!cur) return std::nullopt;
        out.drive = cur->drive;
        rest = path;
        if (rest.empty() || rest[0] != '\\') out.parts = cur->parts;
    }
    size_t i = 0;
    while (i <= rest.size()) {
        size_t j = rest.find('\\', i);
        if (j == std::string::npos) j = rest.size();
        std::string part = rest.substr(i, j - i);
        i = j + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!out.parts.empty()) out.parts.pop_back();
            continue;
        }
        while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        if (part.empty()) continue;
        for (char c : part) if (forbiddenInName(c)) return std::nullopt;
        out.parts.push_back(std::move(part));
    }
    return out;
}

}  // namespace sv::sim
